// The report view's arithmetic: where painting starts, how scroll requests
// move within their bounds, and the clipboard text of a report.
#include "reports/report_view.h"

#include "report_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace R = ScrollRequest;

TEST(ReportPaintStart, KeepsTheLastLinesOnScreenAfterTheWindowGrew) {
    EXPECT_EQ(ReportPaintStart(0, 100, 20), 0);
    EXPECT_EQ(ReportPaintStart(90, 100, 20), 81);
    EXPECT_EQ(ReportPaintStart(81, 100, 20), 81);
    // Everything fits: the bound would be negative, so the top line stays.
    EXPECT_EQ(ReportPaintStart(3, 10, 40), 3);
}

TEST(VerticalScroll, PageDownAndEndStopAtTheLastFullPage) {
    ScrollStep step = VerticalScroll(R::kPageDown, 0, 0, 100, 20);
    EXPECT_TRUE(step.changed);
    EXPECT_EQ(step.value, 19);
    step = VerticalScroll(R::kPageDown, 0, 76, 100, 20);
    EXPECT_EQ(step.value, 80);
    step = VerticalScroll(R::kPageDown, 0, 80, 100, 20);
    EXPECT_FALSE(step.changed);
    step = VerticalScroll(R::kBottom, 0, 0, 100, 20);
    EXPECT_EQ(step.value, 80);
    EXPECT_TRUE(step.setBox);
    EXPECT_EQ(step.boxPosition, 360);
}

TEST(VerticalScroll, LineStepsShiftTheContentsByOneLine) {
    ScrollStep step = VerticalScroll(R::kLineDown, 0, 10, 100, 20);
    EXPECT_EQ(step.value, 11);
    EXPECT_EQ(step.shiftBy, 1);
    EXPECT_EQ(step.boxPosition, 11 * 360 / 80);
    step = VerticalScroll(R::kLineUp, 0, 0, 100, 20);
    EXPECT_FALSE(step.changed);
    step = VerticalScroll(R::kLineUp, 0, 5, 100, 20);
    EXPECT_EQ(step.value, 4);
    EXPECT_EQ(step.shiftBy, -1);
    step = VerticalScroll(R::kPageUp, 0, 5, 100, 20);
    EXPECT_EQ(step.value, 0);
    EXPECT_EQ(step.shiftBy, 0);
}

TEST(VerticalScroll, ThumbPlacesTheTopLineInProportionAndKeepsItsBox) {
    ScrollStep step = VerticalScroll(R::kThumbPosition, 180, 0, 100, 20);
    EXPECT_EQ(step.value, 40);
    EXPECT_TRUE(step.setBox);
    EXPECT_EQ(step.boxPosition, 180);
    step = VerticalScroll(R::kTop, 0, 40, 100, 20);
    EXPECT_EQ(step.value, 0);
    EXPECT_EQ(step.boxPosition, 0);
}

TEST(VerticalScroll, AReportThatFitsDoesNotScroll) {
    EXPECT_FALSE(VerticalScroll(R::kLineDown, 0, 0, 10, 20).changed);
    EXPECT_FALSE(VerticalScroll(R::kBottom, 0, 0, 10, 20).changed);
}

TEST(VerticalScroll, NoVisibleLineKeepsTheTopLineOnALine) {
    ScrollStep step = VerticalScroll(R::kBottom, 0, 0, 5, 0);
    EXPECT_EQ(step.value, 4);
    step = VerticalScroll(R::kLineDown, 0, 4, 5, 0);
    EXPECT_FALSE(step.changed);
}

TEST(HorizontalScroll, MovesWithinTheEightyColumns) {
    ScrollStep step = HorizontalScroll(R::kLineDown, 0, 0, 60);
    EXPECT_EQ(step.value, 1);
    EXPECT_EQ(step.shiftBy, 1);
    EXPECT_EQ(step.boxPosition, 360 / 20);
    step = HorizontalScroll(R::kPageDown, 0, 0, 60);
    EXPECT_EQ(step.value, 20);
    step = HorizontalScroll(R::kPageUp, 0, 20, 60);
    EXPECT_EQ(step.value, 0);
    step = HorizontalScroll(R::kThumbPosition, 90, 0, 60);
    EXPECT_EQ(step.value, 5);
    EXPECT_EQ(step.boxPosition, 90);
    // No request for either end.
    EXPECT_FALSE(HorizontalScroll(R::kBottom, 0, 3, 60).changed);
}

TEST(HorizontalScroll, AWideWindowCannotScroll) {
    EXPECT_FALSE(HorizontalScroll(R::kLineDown, 0, 0, 100).changed);
    EXPECT_FALSE(HorizontalScroll(R::kPageDown, 0, 0, 80).changed);
    // One hidden column can be scrolled to, and no further.
    EXPECT_EQ(HorizontalScroll(R::kPageDown, 0, 0, 79).value, 1);
    EXPECT_FALSE(HorizontalScroll(R::kLineDown, 0, 1, 79).changed);
}

TEST(ReportClipboardText, EveryLineEndsWithCrLfAndThePageBreakStays) {
    ScopedHost host;
    ReportBuffer buffer;
    ReportAddLine("first", buffer);
    ReportAddLine("", buffer);
    ReportAddPageBreak(buffer);
    EXPECT_EQ(ReportClipboardText(buffer), std::string("first\r\n\r\n\f\r\n"));
    ReportFree(buffer);
    EXPECT_EQ(ReportClipboardText(buffer), "");
}
