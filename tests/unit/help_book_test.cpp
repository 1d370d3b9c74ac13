// The guide's reader: topics, blocks and links from the source, each fault
// of the source reported with its file and line, the keyword index and its
// search, the topic as plain text and as the help window lays it out.

#include "help/help_book.h"
#include "help/help_layout.h"
#include "help/help_text.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Texts(const std::vector<HelpError>& errors) {
    std::vector<std::string> texts;
    for (const HelpError& error : errors) {
        texts.push_back(HelpErrorText(error));
    }
    return texts;
}

HelpBook Read(const std::string& text, std::vector<HelpError>& errors) {
    return ReadHelpBook({{"a.txt", text}}, errors);
}

TEST(HelpBook, ReadsTopicsBlocksAndLinks) {
    std::vector<HelpError> errors;
    const HelpBook book = Read(".topic 402 Seasons\r\n"
                               ".name seasons\r\n"
                               ".keywords equinox; solstice ;\r\n"
                               ".see glossary-equinox, other\r\n"
                               "The {equinoxes|glossary-equinox} and\r\n"
                               "the {glossary-equinox}.\r\n"
                               "\r\n"
                               "== How to read it\r\n"
                               "  MEQ: 03/21/2026  0:44\r\n"
                               "  {not a link}   \r\n"
                               "Text after the table.\r\n"
                               "\n"
                               ".topic - Equinox\n"
                               ".name glossary-equinox\n"
                               "When day and night are equal.\n"
                               ".topic - Other\n"
                               ".name other\n"
                               "See {Seasons|seasons}.\n",
                               errors);
    EXPECT_TRUE(errors.empty()) << HelpErrorText(errors.front());
    ASSERT_EQ(book.topics.size(), 3u);
    const HelpTopic& seasons = book.topics[0];
    EXPECT_EQ(seasons.context, 402);
    EXPECT_EQ(seasons.title, "Seasons");
    EXPECT_EQ(seasons.name, "seasons");
    EXPECT_EQ(seasons.keywords, (std::vector<std::string>{"equinox", "solstice"}));
    EXPECT_EQ(seasons.see, (std::vector<std::string>{"glossary-equinox", "other"}));
    EXPECT_EQ(seasons.file, "a.txt");
    EXPECT_EQ(seasons.line, 1);
    ASSERT_EQ(seasons.blocks.size(), 4u);

    // The paragraph's lines are joined; {name} shows the topic's title.
    const HelpBlock& paragraph = seasons.blocks[0];
    EXPECT_EQ(paragraph.kind, HelpBlockKind::Paragraph);
    ASSERT_EQ(paragraph.spans.size(), 5u);
    EXPECT_EQ(paragraph.spans[0].text, "The ");
    EXPECT_EQ(paragraph.spans[1].text, "equinoxes");
    EXPECT_EQ(paragraph.spans[1].link, "glossary-equinox");
    EXPECT_EQ(paragraph.spans[2].text, " and the ");
    EXPECT_EQ(paragraph.spans[3].text, "Equinox");
    EXPECT_EQ(paragraph.spans[3].line, 6);
    EXPECT_EQ(paragraph.spans[4].text, ".");

    EXPECT_EQ(seasons.blocks[1].kind, HelpBlockKind::Heading);
    EXPECT_EQ(HelpSpansText(seasons.blocks[1].spans), "How to read it");
    // Preformatted lines are kept as typed, braces and all, trailing blanks
    // aside; a text line right after them starts a paragraph.
    EXPECT_EQ(seasons.blocks[2].kind, HelpBlockKind::Preformatted);
    EXPECT_EQ(seasons.blocks[2].lines,
              (std::vector<std::string>{"  MEQ: 03/21/2026  0:44", "  {not a link}"}));
    EXPECT_EQ(HelpSpansText(seasons.blocks[3].spans), "Text after the table.");

    EXPECT_EQ(FindHelpContext(book, 402), &book.topics[0]);
    EXPECT_EQ(FindHelpContext(book, kNoHelpContext), nullptr);
    EXPECT_EQ(FindHelpTopic(book, "other"), &book.topics[2]);
    EXPECT_EQ(FindHelpKeyword(book, "  SOLSTICE "), &book.topics[0]);
    EXPECT_EQ(FindHelpKeyword(book, "solstices"), nullptr);
}

TEST(HelpBook, EachFaultIsReportedWithItsFileAndLine) {
    std::vector<HelpError> errors;
    HelpBook book;
    ParseHelpSource("stray text\n"                // 1
                    ".topic x Bad number\n"       // 2
                    "skipped with its topic\n"    // 3
                    ".topic 5\n"                  // 4
                    ".topic 6 No name\n"          // 5
                    "text\n"                      // 6
                    ".topic 7 Bad name\n"         // 7
                    ".name Bad_Name\n"            // 8
                    ".topic 8 Faults\n"           // 9
                    ".name faults\n"              // 10
                    ".name again\n"               // 11
                    ".keywords ;\n"               // 12
                    ".see fine, not_a_name\n"     // 13
                    ".bogus\n"                    // 14
                    "A {link|Bad} and {|empty}\n" // 15
                    "and close} here.\n"          // 16
                    "{unclosed\n"                 // 17
                    ".keywords late\n"            // 18
                    ".topic 9 Empty\n"            // 19
                    ".name empty\n",              // 20
                    "b.txt", book, errors);
    EXPECT_EQ(Texts(errors),
              (std::vector<std::string>{
                  "b.txt:1: text outside a topic",
                  "b.txt:2: .topic needs a context number or -, then the title",
                  "b.txt:4: .topic without a title",
                  "b.txt:5: topic \"No name\" has no .name",
                  "b.txt:8: name \"Bad_Name\" is not lowercase letters, digits and dashes",
                  "b.txt:7: topic \"Bad name\" has no .name",
                  "b.txt:11: a second .name",
                  "b.txt:12: .keywords without a keyword",
                  "b.txt:13: .see: \"not_a_name\" is no topic name",
                  "b.txt:14: unknown line .bogus",
                  // The paragraph's links are read where it ends.
                  "b.txt:18: .keywords after the topic's text",
                  "b.txt:15: link {link|Bad}: \"Bad\" is no topic name",
                  "b.txt:15: link {|empty} shows no text",
                  "b.txt:16: '}' without '{'",
                  "b.txt:17: '{' without '}'",
                  "b.txt:19: topic \"Empty\" has no text",
              }));
    // What was sound is still read.
    ASSERT_EQ(book.topics.size(), 2u);
    EXPECT_EQ(book.topics[0].name, "faults");
    EXPECT_EQ(book.topics[0].see, (std::vector<std::string>{"fine"}));
}

TEST(HelpBook, LinksSeeAlsoNamesAndContextsAreCheckedAcrossFiles) {
    std::vector<HelpError> errors;
    const HelpBook book = ReadHelpBook({{"one.txt", ".topic 10 First\n"
                                                    ".name first\n"
                                                    ".see second, missing\n"
                                                    "Go to {second} or {there|nowhere}.\n"},
                                        {"two.txt", ".topic - Second\n"
                                                    ".name second\n"
                                                    "Text.\n"
                                                    ".topic 10 Third\n"
                                                    ".name first\n"
                                                    "Text.\n"}},
                                       errors);
    EXPECT_EQ(Texts(errors),
              (std::vector<std::string>{
                  "two.txt:4: name \"first\" is also the name of the topic at one.txt:1",
                  "two.txt:4: context 10 is also the context of the topic at one.txt:1",
                  "one.txt:4: link to \"nowhere\", which no topic is named",
                  "one.txt:3: .see names \"missing\", which no topic is named",
              }));
    EXPECT_EQ(book.topics[0].blocks[0].spans[1].text, "Second");
}

TEST(HelpBook, SourceRulesAndWindows1252) {
    std::vector<HelpError> errors;
    const std::string wide(kHelpSourceWidth, 'x');
    LintHelpSource("fine: 60\xC2\xB0 \xE2\x80\x93 caf\xC3\xA9 \xE2\x80\x99\n" // ° – é ’
                   "\ttab\n" +
                       wide + "\n" + wide + "y\n" +
                       "Delta \xCE\x94T\n" // the Greek letter
                       "broken \xC3\n",
                   "c.txt", errors);
    EXPECT_EQ(Texts(errors), (std::vector<std::string>{
                                 "c.txt:2: a tab (use blanks)",
                                 "c.txt:4: line of 77 characters, more than 76",
                                 "c.txt:5: character U+0394 is not in Windows-1252",
                                 "c.txt:6: not UTF-8",
                             }));
    errors.clear();
    EXPECT_EQ(HelpTextToWindows1252("60\xC2\xB0 \xE2\x80\x93 \xE2\x80\x99\xE2\x82\xAC\n"
                                    "\xCE\x94",
                                    "d.txt", errors),
              "60\xB0 \x96 \x92\x80\n?");
    EXPECT_EQ(Texts(errors),
              (std::vector<std::string>{"d.txt:2: character U+0394 is not in Windows-1252"}));
}

TEST(HelpBook, IndexHasEveryKeywordAndTitleAndSeveralTopicsPerKeyword) {
    std::vector<HelpError> errors;
    const HelpBook book = Read(".topic 408 Planet Conj/Opp\n"
                               ".name conj-opp\n"
                               ".keywords conjunction; opposition\n"
                               "Text.\n"
                               ".topic - Conjunction\n"
                               ".name glossary-conjunction\n"
                               ".keywords conjunction; inferior  conjunction\n"
                               "Text.\n"
                               ".topic 607 Reverse Time Speed\n"
                               ".name reverse\n"
                               ".keywords Time Speed\n"
                               "Text.\n"
                               ".topic - Reverse time speed\n"
                               ".name glossary-reverse\n"
                               ".keywords time speed\n"
                               "Text.\n",
                               errors);
    ASSERT_TRUE(errors.empty());
    const std::vector<HelpIndexEntry> index = HelpIndex(book);
    std::vector<std::string> texts;
    for (const HelpIndexEntry& entry : index) {
        texts.push_back(entry.text + " -> " + book.topics[entry.topic].name);
    }
    // The glossary's title and the report's keyword are the same entry; two
    // topics of one title are told apart.
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "conjunction (Planet Conj/Opp) -> conj-opp",
                         "conjunction (Conjunction) -> glossary-conjunction",
                         "inferior  conjunction -> glossary-conjunction",
                         "opposition -> conj-opp",
                         "Planet Conj/Opp -> conj-opp",
                         "Reverse Time Speed (Reverse Time Speed) -> reverse",
                         "Reverse Time Speed (Reverse time speed, glossary) -> glossary-reverse",
                         "Time Speed (Reverse Time Speed) -> reverse",
                         "Time Speed (Reverse time speed, glossary) -> glossary-reverse",
                     }));
    const auto found = [&](const std::string& prefix) {
        std::vector<std::string> names;
        for (const HelpIndexEntry& entry : SearchHelpIndex(index, prefix)) {
            names.push_back(entry.text);
        }
        return names;
    };
    EXPECT_EQ(found("CONJ").size(), 2u);
    EXPECT_EQ(found("inferior conj"), (std::vector<std::string>{"inferior  conjunction"}));
    EXPECT_EQ(found("time ").size(), 2u);
    EXPECT_EQ(found("speed"), (std::vector<std::string>{}));
    EXPECT_EQ(found("").size(), index.size());
}

TEST(HelpText, TopicAsPlainTextLines) {
    std::vector<HelpError> errors;
    const HelpBook book = Read(".topic 1 A title\n"
                               ".name a\n"
                               ".see b\n"
                               "one two three four five six seven\n"
                               "eight {nine|b}.\n"
                               "\n"
                               "== Heading\n"
                               "  preformatted line that is long\n"
                               ".topic - B\n"
                               ".name b\n"
                               "Text.\n",
                               errors);
    ASSERT_TRUE(errors.empty());
    EXPECT_EQ(HelpTopicLines(book, book.topics[0], 20),
              (std::vector<std::string>{"A title", "", "one two three four", "five six seven eight",
                                        "nine.", "", "Heading", "", "  preformatted line ", "",
                                        "See also: B"}));
    EXPECT_EQ(FillHelpText("a verylongwordindeed b", 8),
              (std::vector<std::string>{"a", "verylongwordindeed", "b"}));
}

// Eight pixels a character, ten a line, in every style.
class FixedMetrics : public HelpMetrics {
  public:
    int TextWidth(HelpStyle, const std::string& text) const override {
        return 8 * static_cast<int>(text.size());
    }
    int LineHeight(HelpStyle) const override { return 10; }
};

TEST(HelpLayout, LinesFitTheWidthAndLinksAreFoundWhereTheyAreDrawn) {
    std::vector<HelpError> errors;
    const HelpBook book = Read(".topic 1 Title\n"
                               ".name a\n"
                               ".see b\n"
                               "aaaa bbbb {cccc dddd|b}, eeee.\n"
                               "  fixed\n"
                               "\n"
                               "Next paragraph.\n"
                               ".topic - B\n"
                               ".name b\n"
                               "Text.\n",
                               errors);
    ASSERT_TRUE(errors.empty());
    const FixedMetrics metrics;
    const int margin = HelpPageMargin(metrics);
    // Room for 15 characters: "aaaa bbbb cccc" fits, "dddd," goes on.
    const int width = 2 * margin + 15 * 8;
    const HelpPage page = LayoutHelpTopic(book, book.topics[0], width, metrics);
    ASSERT_EQ(page.links, (std::vector<std::string>{"b", "b"}));
    std::vector<std::string> runs;
    for (const HelpRun& run : page.runs) {
        EXPECT_LE(run.x + run.w, width - margin) << run.text;
        runs.push_back(std::to_string((run.x - margin) / 8) + "," + std::to_string(run.y) + " " +
                       run.text + (run.link >= 0 ? " ->" + std::to_string(run.link) : ""));
    }
    // The link's words go on two lines; the comma stays with the link's
    // last word.
    EXPECT_EQ(runs, (std::vector<std::string>{
                        "0,7 Title",
                        "0,22 aaaa",
                        "5,22 bbbb",
                        "10,22 cccc ->0",
                        "0,32 dddd ->0",
                        "4,32 ,",
                        "6,32 eeee.",
                        "0,47   fixed",
                        "0,62 Next",
                        "5,62 paragraph.",
                        "0,77 See",
                        "4,77 also:",
                        "10,77 B ->1",
                    }));
    EXPECT_EQ(page.height, 87 + margin);
    EXPECT_EQ(HelpLinkAt(page, margin + 10 * 8 + 1, 23), 0);
    EXPECT_EQ(HelpLinkAt(page, margin + 1, 33), 0);
    EXPECT_EQ(HelpLinkAt(page, margin + 4 * 8 + 1, 33), -1);
    EXPECT_EQ(HelpLinkAt(page, margin + 10 * 8 + 1, 78), 1);
}

} // namespace
