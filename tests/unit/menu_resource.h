// The main window's menu bar as a person sees it, read from the resource
// script (menus.rc) with its command names resolved through
// resources/command_ids.h: the tests check the program's command table
// against what the menus offer.
#pragma once

#include <map>
#include <string>
#include <vector>

struct MenuItem {
    std::string popup; // without its "&", "Reports"
    std::string label; // as written, "&Seasons..."
    int id;
};

// The text of a file under caelor/resources/.
std::string ResourceText(const char* name);

// Every command item of the menu bar "MENUS", in menu order.
std::vector<MenuItem> MenuBarItems();

// A menu label as a title reads it: no "&", no "...", nothing after a tab.
std::string PlainLabel(std::string label);

// The label ends in "...": the command asks for its inputs first.
bool AsksFirst(const MenuItem& item);

// The text between the first pair of double quotes of line.
std::string Quoted(const std::string& line);
