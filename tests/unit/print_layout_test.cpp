// Where printed report lines go, what they print as, and how a window
// picture is scaled onto the printer page.

#include "report_test_support.h"

#include "reports/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A page of 10 line heights holds lines at 3, 4, 5, 6, 7 and 8 line heights
// (the bottom of the line at 9 would reach 10): six lines.
constexpr int kLine = 10;
constexpr int kPage = 100;
constexpr int kLinesPerPage = 6;

ReportBuffer Lines(const std::vector<std::string>& lines) {
    ScopedHost scope;
    ReportBuffer buffer;
    for (const std::string& line : lines) {
        ReportAddLine(line.c_str(), buffer);
    }
    return buffer;
}

std::vector<std::string> Numbered(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back("line " + std::to_string(i));
    }
    return lines;
}

std::vector<int> Indexes(const ReportPage& page) {
    std::vector<int> indexes;
    for (const PrintedLine& line : page.lines) {
        indexes.push_back(line.index);
    }
    return indexes;
}

TEST(PrintLayout, LinesStartBelowAThreeLineMarginAndStopBeforeTheBottom) {
    const ReportBuffer buffer = Lines(Numbered(20));
    const ReportPage page = LayoutReportPage(buffer, 0, kLine, kPage);
    ASSERT_EQ(page.lines.size(), static_cast<size_t>(kLinesPerPage));
    EXPECT_EQ(page.lines.front().y, 30);
    EXPECT_EQ(page.lines.back().y, 80);
    EXPECT_EQ(page.nextLine, kLinesPerPage);
    // One device unit more and the seventh line fits.
    EXPECT_EQ(LayoutReportPage(buffer, 0, kLine, kPage + 1).lines.size(), 7u);
}

TEST(PrintLayout, ThreePagesTimesTwoCopiesMakeSixPagesInOneDocument) {
    const ReportBuffer buffer = Lines(Numbered(3 * kLinesPerPage));
    const std::vector<ReportPage> document = LayoutReportDocument(buffer, 2, kLine, kPage);
    ASSERT_EQ(document.size(), 6u);
    for (int copy = 0; copy < 2; ++copy) {
        for (int page = 0; page < 3; ++page) {
            const ReportPage& printed = document[copy * 3 + page];
            EXPECT_EQ(printed.firstLine, page * kLinesPerPage);
            EXPECT_EQ(printed.lines.size(), static_cast<size_t>(kLinesPerPage));
        }
    }
    EXPECT_EQ(document[5].nextLine, buffer.lineCount);
    EXPECT_EQ(LayoutReportDocument(buffer, 1, kLine, kPage).size(), 3u);
}

TEST(PrintLayout, APageBreakEndsThePageWhenNotFullAndNeverPrints) {
    ScopedHost scope;
    ReportBuffer buffer;
    ReportAddLine("one", buffer);
    ReportAddLine("two", buffer);
    ReportAddPageBreak(buffer);
    ReportAddLine("three", buffer);
    ReportAddPageBreak(buffer);
    const std::vector<ReportPage> document = LayoutReportDocument(buffer, 1, kLine, kPage);
    ASSERT_EQ(document.size(), 2u);
    EXPECT_EQ(Indexes(document[0]), (std::vector<int>{0, 1}));
    EXPECT_EQ(document[0].nextLine, 3);
    EXPECT_EQ(Indexes(document[1]), (std::vector<int>{3}));
    EXPECT_EQ(document[1].lines.front().y, 30) << "the next page starts at the top margin";
    EXPECT_EQ(document[1].nextLine, 5);
}

TEST(PrintLayout, APageBreakAfterAFullPageAddsNoEmptyPage) {
    std::vector<std::string> lines = Numbered(kLinesPerPage);
    lines.push_back(kPageBreakLine);
    lines.push_back("next");
    const std::vector<ReportPage> document = LayoutReportDocument(Lines(lines), 1, kLine, kPage);
    ASSERT_EQ(document.size(), 2u);
    // The break is passed below the last line that fits, even though no
    // line would fit there any more.
    EXPECT_EQ(document[0].nextLine, kLinesPerPage + 1);
    EXPECT_EQ(Indexes(document[1]), (std::vector<int>{kLinesPerPage + 1}));
}

TEST(PrintLayout, APageTooLowForOneLineGivesNoDocumentInsteadOfEndlessPages) {
    const ReportBuffer buffer = Lines(Numbered(3));
    EXPECT_FALSE(PageHoldsALine(kLine, 4 * kLine));
    EXPECT_TRUE(LayoutReportDocument(buffer, 1, kLine, 4 * kLine).empty());
    EXPECT_TRUE(LayoutReportDocument(buffer, 1, 0, kPage).empty());
    EXPECT_TRUE(PageHoldsALine(kLine, 4 * kLine + 1));
    EXPECT_EQ(LayoutReportDocument(buffer, 1, kLine, 4 * kLine + 1).size(), 3u);
}

TEST(PrintLayout, ADegreeSignPrintsAsDAndTheBufferKeepsIt) {
    const ReportBuffer buffer = Lines({"Latitude: 51\xB0 28' N  Longitude: 0\xB0 0' W"});
    EXPECT_EQ(PrintedLineText(buffer.Line(0)), "Latitude: 51d 28' N  Longitude: 0d 0' W");
    EXPECT_EQ(std::string(buffer.Line(0)), "Latitude: 51\xB0 28' N  Longitude: 0\xB0 0' W");
}

TEST(PrintLayout, ProgressTextShowsThePercentageOfLinesDone) {
    char text[kReportSlot];
    FormatPrintProgress(1, 8, text);
    EXPECT_STREQ(text, "Printing:   12.50% complete");
    FormatPrintProgress(8, 8, text);
    EXPECT_STREQ(text, "Printing:  100.00% complete");
}

TEST(PrintPicture, ScalesByTheSmallerRatioKeepingTheProportions) {
    const PrintSize wide = ScalePictureToPage(400, 300, 2400, 3300);
    EXPECT_EQ(wide.width, 2400);
    EXPECT_EQ(wide.height, 1800);
    const PrintSize tall = ScalePictureToPage(300, 600, 2400, 3300);
    EXPECT_EQ(tall.width, 1650);
    EXPECT_EQ(tall.height, 3300);
    const PrintSize none = ScalePictureToPage(0, 300, 2400, 3300);
    EXPECT_EQ(none.width, 0);
}

// One row of 20 pixels (3 bytes of data, padded to 4): pixels 1, 2 and 19
// black.
std::vector<unsigned char> OneRow() {
    std::vector<unsigned char> bits(4, 0xFF);
    bits[0] = 0x9F; // 1001 1111: pixels 1 and 2 clear
    bits[2] = 0xEF; // 1110 1111: pixel 19 clear
    bits[3] = 0x00; // padding, never read as pixels
    return bits;
}

TEST(PrintPicture, RowsArePaddedToSixteenPixelsAndRunsBecomeOneRectangle) {
    EXPECT_EQ(MonoRowBytes(20), 4);
    EXPECT_EQ(MonoRowBytes(16), 2);
    EXPECT_EQ(MonoRowBytes(1), 2);
    const std::vector<PrintRect> rects = BlackRectangles(OneRow(), 20, 1, 40, 2);
    ASSERT_EQ(rects.size(), 2u);
    // Pixels 1 .. 2 scale to 2 .. 6 (the right edge of pixel 2 is 3 * 40 / 20).
    EXPECT_EQ(rects[0].left, 2);
    EXPECT_EQ(rects[0].right, 6);
    EXPECT_EQ(rects[0].top, 0);
    EXPECT_EQ(rects[0].bottom, 2);
    EXPECT_EQ(rects[1].left, 38);
    EXPECT_EQ(rects[1].right, 40);
}

TEST(PrintPicture, EachBlackPixelCoversItsShareOfTheTarget) {
    // 3 x 2 picture, only pixel (1, 1) black, onto 10 x 7.
    std::vector<unsigned char> bits(4, 0xFF);
    bits[2] = 0xBF; // row 1: 1011 1111
    const std::vector<PrintRect> rects = BlackRectangles(bits, 3, 2, 10, 7);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 3);   // 1 * 10 / 3
    EXPECT_EQ(rects[0].right, 6);  // 2 * 10 / 3
    EXPECT_EQ(rects[0].top, 3);    // 1 * 7 / 2
    EXPECT_EQ(rects[0].bottom, 7); // 2 * 7 / 2
    EXPECT_TRUE(BlackRectangles(std::vector<unsigned char>(4, 0xFF), 3, 2, 10, 7).empty());
    EXPECT_TRUE(BlackRectangles(std::vector<unsigned char>(2, 0x00), 3, 2, 10, 7).empty())
        << "too few bytes for the picture";
}

TEST(PrintPicture, OnlyTheWindowColourTurnsWhiteWhateverTheByteAboveTheColour) {
    const unsigned window = 0xFFFFFF;
    // Row 0: window colour, the same colour with a full top byte (as pixels
    // blitted from an image carry it), black, a near-white. Row 1: window.
    const std::vector<unsigned> pixels = {
        window, 0xFF000000u | window, 0x000000, 0xFFFFFE, window, window, window, window};
    const std::vector<unsigned char> bits = MonochromePicture(pixels, 4, 2, window);
    ASSERT_EQ(bits.size(), 4u);
    EXPECT_EQ(bits[0], 0xC0); // 1100 0000: pixels 0 and 1 white, 2 and 3 black
    EXPECT_EQ(bits[2], 0xF0);
    const std::vector<PrintRect> rects = BlackRectangles(bits, 4, 2, 8, 4);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 4);
    EXPECT_EQ(rects[0].right, 8);
    EXPECT_EQ(rects[0].bottom, 2);
}

} // namespace
