// The topic view of the help windows (caelor's and the launcher's): a child
// window that draws a topic of a help book with its title, headings, tables
// and links, scrolls it, and follows a link clicked, or chosen with Tab and
// Enter, by telling its parent. Its window text is the topic as plain text.
#pragma once

#include "help/help_book.h"

#include <windows.h>

#include <string>

// Notification codes of the WM_COMMAND the view sends its parent.
constexpr WORD kHelpViewFollow = 1; // a link was chosen; HelpViewTarget names it
constexpr WORD kHelpViewBack = 2;   // Backspace or Alt+Left was pressed

// Registers the view's window class; false when it cannot be.
bool RegisterHelpView(HINSTANCE instance);

// The view as child id of parent; nullptr when it cannot be made.
HWND CreateHelpView(HWND parent, int id, HINSTANCE instance);

// Shows the topic of book (which must outlive the view's use of it) from
// its top.
void HelpViewShow(HWND view, const HelpBook& book, const HelpTopic& topic);

// The name of the topic of the link last chosen.
std::string HelpViewTarget(HWND view);
