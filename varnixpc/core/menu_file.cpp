#include "core/menu_file.h"

#include "core/text.h"

const char kAboutTitle[] = "About VarnixPC";
const char kLineText[] = "_LINE_";

std::vector<std::string> SplitMenuLine(const std::string& line) {
    std::vector<std::string> fields;
    const std::size_t n = line.size();
    bool inField = false;
    bool justEnded = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (line[i] != '"') {
            continue;
        }
        if (!inField) {
            inField = true;
            justEnded = false;
            start = i + 1;
            continue;
        }
        if (i + 1 == n || line[i + 1] == ',') {
            fields.push_back(line.substr(start, i - start));
            inField = false;
            justEnded = true;
            continue;
        }
        return fields;
    }
    if (inField && !justEnded) {
        // Up to the next-to-last character; an empty or negative span is an
        // empty field, never a negative length.
        const std::size_t end = n == 0 ? 0 : n - 1;
        fields.push_back(end > start ? line.substr(start, end - start) : std::string());
    }
    return fields;
}

bool SplitWrittenMenuLine(const std::string& line, std::vector<std::string>& fields) {
    static const std::string kSeparator = "\",\"";
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') {
        return false;
    }
    const std::string body = line.substr(1, line.size() - 2);
    const std::size_t first = body.find(kSeparator);
    if (first == std::string::npos) {
        return false;
    }
    const std::size_t second = body.find(kSeparator, first + kSeparator.size());
    if (second == std::string::npos) {
        return false;
    }
    const std::size_t last = body.rfind(kSeparator);
    if (last == std::string::npos || last < second + kSeparator.size()) {
        return false;
    }
    fields.clear();
    fields.push_back(body.substr(0, first));
    fields.push_back(body.substr(first + kSeparator.size(), second - first - kSeparator.size()));
    fields.push_back(body.substr(second + kSeparator.size(), last - second - kSeparator.size()));
    fields.push_back(body.substr(last + kSeparator.size()));
    return true;
}

bool ParseMenuLine(const std::string& line, ProgramItem& item) {
    std::vector<std::string> fields = SplitMenuLine(line);
    if (static_cast<int>(fields.size()) != kMenuFileFields && !SplitWrittenMenuLine(line, fields)) {
        return false;
    }
    item.title = fields[0];
    item.file = fields[1];
    item.commandLine = fields[2];
    item.directory = fields[3];
    return true;
}

std::vector<std::string> MenuFileLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > kMenuLineMax) {
            line.resize(kMenuLineMax);
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<ProgramItem> BuiltInProgramItems(const std::string& programDirectory) {
    return {ProgramItem{kAboutTitle, programDirectory + "VARNIXPC.EXE", "", ""},
            ProgramItem{kLineText, "", "", ""}};
}

void SortProgramMenu(std::vector<ProgramItem>& items) {
    constexpr std::size_t kFirstSorted = 2;
    if (items.size() <= kFirstSorted + 1) {
        return;
    }
    // Each item is visited once, in the order the list had before sorting;
    // the moves in between do not change which item comes next.
    std::vector<ProgramItem*> order;
    std::vector<ProgramItem*> list;
    for (std::size_t i = 0; i < items.size(); ++i) {
        list.push_back(&items[i]);
        if (i >= kFirstSorted) {
            order.push_back(&items[i]);
        }
    }
    for (ProgramItem* item : order) {
        std::size_t from = kFirstSorted;
        while (list[from] != item) {
            ++from;
        }
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(from));
        std::size_t to = list.size();
        for (std::size_t j = kFirstSorted; j < list.size(); ++j) {
            if (CompareNoCase(list[j]->title, item->title) > 0) {
                to = j;
                break;
            }
        }
        if (to == list.size()) {
            to = from; // nothing greater: the item stays where it was
        }
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), item);
    }
    std::vector<ProgramItem> sorted;
    sorted.reserve(items.size());
    for (ProgramItem* item : list) {
        sorted.push_back(std::move(*item));
    }
    items = std::move(sorted);
}

bool IsSavedProgramItem(const ProgramItem& item) {
    return !item.title.empty() && !item.file.empty() && item.title != kAboutTitle;
}

std::string FormatMenuLine(const ProgramItem& item) {
    return "\"" + item.title + "\",\"" + item.file + "\",\"" + item.commandLine + "\",\"" +
           item.directory + "\"\r\n";
}

std::string FormatMenuFile(const std::vector<ProgramItem>& items) {
    std::string text;
    for (const ProgramItem& item : items) {
        if (IsSavedProgramItem(item)) {
            text += FormatMenuLine(item);
        }
    }
    return text;
}

std::vector<ProgramItem> LoadProgramMenu(FileStore& store, const std::string& path,
                                         const std::string& programDirectory) {
    std::vector<ProgramItem> items = BuiltInProgramItems(programDirectory);
    std::string text;
    if (!store.ReadAll(path, text)) {
        return items;
    }
    for (const std::string& line : MenuFileLines(text)) {
        ProgramItem item;
        if (ParseMenuLine(line, item)) {
            items.push_back(item);
        }
    }
    return items;
}

bool SaveProgramMenu(FileStore& store, const std::string& path, std::vector<ProgramItem>& items) {
    SortProgramMenu(items);
    const std::string newPath = path + ".new";
    if (!store.WriteAll(newPath, FormatMenuFile(items))) {
        store.Remove(newPath);
        return false;
    }
    if (!store.MoveReplacing(newPath, path)) {
        store.Remove(newPath);
        return false;
    }
    return true;
}
