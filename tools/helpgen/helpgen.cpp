// caelor-helpgen: makes everything the user's guide is read in from its
// plain-text sources, and refuses (exit code 1, each fault as file:line)
// sources that break the rules.
//
//   caelor-helpgen --caelor FILE... --launcher FILE... --cli FILE...
//                  [--resources DIR] [--manual DIR] [--man FILE]
//
//   --resources DIR  DIR/caelor_help.txt and DIR/varnixpc_help.txt, the
//                    sources checked and in Windows-1252, for the programs'
//                    resources (their help windows read them)
//   --manual DIR     the HTML manual: DIR/index.html, a page per topic,
//                    DIR/keywords.html, DIR/caelor-cli.html, DIR/varnixpc/
//   --man FILE       the man page of caelor-cli
//
// The caelor sources are given in the order the book is to have.

#include "cli_manual.h"
#include "html_manual.h"

#include "help/help_book.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Sources = std::vector<std::pair<std::string, std::string>>;

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    text = contents.str();
    return true;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "caelor-helpgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// Pages of topics that are no more.
void RemoveOtherPages(const std::string& manual, const std::vector<HtmlFile>& files) {
    std::error_code error;
    for (const char* sub : {"", "varnixpc"}) {
        const std::filesystem::path directory = std::filesystem::path(manual) / sub;
        for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
            const std::filesystem::path path = entry.path();
            if (path.extension() != ".html") {
                continue;
            }
            const std::string relative =
                std::string(sub) + (*sub != '\0' ? "/" : "") + path.filename().string();
            bool kept = false;
            for (const HtmlFile& file : files) {
                kept = kept || file.path == relative;
            }
            if (!kept) {
                std::filesystem::remove(path, error);
            }
        }
    }
}

// The book of the sources, linted and checked.
HelpBook ReadBook(const Sources& sources, std::vector<HelpError>& errors) {
    for (const auto& source : sources) {
        LintHelpSource(source.second, source.first, errors);
    }
    return ReadHelpBook(sources, errors);
}

// The pages of the manual take their file names from the topics' names.
void CheckPageNames(const HelpBook& book, const std::string& contents,
                    std::vector<HelpError>& errors) {
    if (FindHelpTopic(book, contents) == nullptr) {
        errors.push_back({"manual", 0, "no contents topic \"" + contents + "\""});
    }
    for (const HelpTopic& topic : book.topics) {
        if ((topic.name == "index" && contents != "index") || topic.name == "keywords" ||
            topic.name == "caelor-cli" || topic.name == "varnixpc") {
            errors.push_back({topic.file, topic.line,
                              "the name \"" + topic.name + "\" is kept for a page of the manual"});
        }
    }
}

// The sources as one text in Windows-1252.
std::string ResourceText(const Sources& sources, std::vector<HelpError>& errors) {
    std::string text;
    for (const auto& source : sources) {
        text += HelpTextToWindows1252(source.second, source.first, errors);
        if (!text.empty() && text.back() != '\n') {
            text += '\n';
        }
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    Sources caelor;
    Sources launcher;
    Sources cli;
    std::string resources;
    std::string manual;
    std::string man;
    Sources* list = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--caelor" || arg == "--launcher" || arg == "--cli") {
            list = arg == "--caelor" ? &caelor : arg == "--launcher" ? &launcher : &cli;
        } else if (arg == "--resources" && hasValue) {
            resources = argv[++i];
        } else if (arg == "--manual" && hasValue) {
            manual = argv[++i];
        } else if (arg == "--man" && hasValue) {
            man = argv[++i];
        } else if (list != nullptr && arg[0] != '-') {
            std::string text;
            if (!ReadFile(arg, text)) {
                std::fprintf(stderr, "caelor-helpgen: cannot read %s\n", arg.c_str());
                return 1;
            }
            list->emplace_back(arg, text);
        } else {
            std::fprintf(stderr, "usage: caelor-helpgen --caelor FILE... --launcher FILE... "
                                 "--cli FILE... [--resources DIR] [--manual DIR] [--man FILE]\n");
            return 2;
        }
    }

    std::vector<HelpError> errors;
    const HelpBook caelorBook = ReadBook(caelor, errors);
    const HelpBook launcherBook = ReadBook(launcher, errors);
    const HelpBook cliBook = ReadBook(cli, errors);
    CheckPageNames(caelorBook, "contents", errors);
    CheckPageNames(launcherBook, "index", errors);
    CheckCliManual(cliBook, errors);
    const std::string caelorResource = ResourceText(caelor, errors);
    const std::string launcherResource = ResourceText(launcher, errors);
    if (!errors.empty()) {
        for (const HelpError& error : errors) {
            std::fprintf(stderr, "%s\n", HelpErrorText(error).c_str());
        }
        return 1;
    }

    bool written = true;
    if (!resources.empty()) {
        written = WriteFile(resources + "/caelor_help.txt", caelorResource) && written;
        written = WriteFile(resources + "/varnixpc_help.txt", launcherResource) && written;
    }
    if (!manual.empty()) {
        std::vector<HtmlFile> files;
        AddHtmlStyleSheet(files);
        HtmlBook guide;
        guide.book = &caelorBook;
        guide.title = "Skyloom 2 Help";
        guide.contents = "contents";
        guide.styleSheet = "manual.css";
        guide.nav = {{"Glossary", "glossary.html"},
                     {"caelor-cli", "caelor-cli.html"},
                     {"VarnixPC", "varnixpc/index.html"}};
        AddHtmlBook(guide, "", files);
        HtmlBook launcherGuide;
        launcherGuide.book = &launcherBook;
        launcherGuide.title = "VarnixPC Help";
        launcherGuide.contents = "index";
        launcherGuide.styleSheet = "../manual.css";
        launcherGuide.nav = {{"Skyloom 2", "../index.html"}};
        AddHtmlBook(launcherGuide, "varnixpc/", files);
        AddHtmlCliManual(cliBook, {{"Skyloom 2 Help", "index.html"}, {"Index", "keywords.html"}},
                         files);
        for (const HtmlFile& file : files) {
            written = WriteFile(manual + "/" + file.path, file.text) && written;
        }
        RemoveOtherPages(manual, files);
    }
    if (!man.empty()) {
        written = WriteFile(man, CliManPage(cliBook)) && written;
    }
    return written ? 0 : 1;
}
