#include "menu_resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    const size_t last = s.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

// Every "#define IDM_NAME value" of command_ids.h, an alias of an earlier
// name resolved.
std::map<std::string, int> CommandIds() {
    std::istringstream header(ResourceText("command_ids.h"));
    std::map<std::string, int> ids;
    for (std::string line; std::getline(header, line);) {
        std::istringstream words(line);
        std::string define, name, value;
        if (!(words >> define >> name >> value) || define != "#define" ||
            name.rfind("IDM_", 0) != 0) {
            continue;
        }
        const auto alias = ids.find(value);
        ids[name] = alias != ids.end() ? alias->second : std::stoi(value);
    }
    return ids;
}

} // namespace

std::string ResourceText(const char* name) {
    std::ifstream in(std::string(CAELOR_SOURCE_DIR) + "/caelor/resources/" + name);
    EXPECT_TRUE(in.good()) << name;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quoted(const std::string& line) {
    const size_t open = line.find('"');
    const size_t close = line.find('"', open + 1);
    return open == std::string::npos || close == std::string::npos
               ? std::string()
               : line.substr(open + 1, close - open - 1);
}

std::vector<MenuItem> MenuBarItems() {
    const std::map<std::string, int> ids = CommandIds();
    std::istringstream rc(ResourceText("menus.rc"));
    std::vector<MenuItem> items;
    std::string popup;
    bool inMenu = false;
    for (std::string line; std::getline(rc, line);) {
        line = Trimmed(line);
        if (line.rfind("MENUS MENU", 0) == 0) {
            inMenu = true;
        } else if (inMenu && line.rfind("POPUP ", 0) == 0) {
            popup = Quoted(line);
            const size_t amp = popup.find('&');
            if (amp != std::string::npos) {
                popup.erase(amp, 1);
            }
        } else if (inMenu && line.rfind("MENUITEM \"", 0) == 0) {
            const size_t comma = line.find(',', line.find('"', line.find('"') + 1));
            std::string name = Trimmed(line.substr(comma + 1));
            name = name.substr(0, name.find(','));
            const auto id = ids.find(name);
            EXPECT_NE(id, ids.end()) << line << ": not a name of command_ids.h";
            items.push_back(MenuItem{popup, Quoted(line), id == ids.end() ? -1 : id->second});
        } else if (inMenu && line.rfind("END", 0) == 0 && popup.empty()) {
            break;
        } else if (line == "END") {
            popup.clear();
        }
    }
    return items;
}

std::string PlainLabel(std::string label) {
    label = label.substr(0, label.find("\\t"));
    if (label.size() >= 3 && label.compare(label.size() - 3, 3, "...") == 0) {
        label.resize(label.size() - 3);
    }
    const size_t amp = label.find('&');
    if (amp != std::string::npos) {
        label.erase(amp, 1);
    }
    return label;
}

bool AsksFirst(const MenuItem& item) {
    return item.label.size() > 3 && item.label.compare(item.label.size() - 3, 3, "...") == 0;
}
