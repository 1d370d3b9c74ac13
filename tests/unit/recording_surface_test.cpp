// The recording surface keeps what a drawing did, with the state in effect,
// so the graph and movie tests can rely on what it reports.

#include "graphs/recording_surface.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingSurface, ShapesCarryThePenAndBrushInEffect) {
    RecordingSurface s;
    s.Prepare(kPageMapping, 1000, 750, true);
    const SurfacePoint line[2] = {{1, 2}, {3, 4}};
    s.Polyline(line, 2);
    s.SelectItemPen(0);
    s.SelectHatchBrush(HatchStyle::Vertical, MakeColor(1, 2, 3));
    s.Ellipse(10, 20, 30, 0);

    const std::vector<RecordedCall> lines = s.CallsOf(CallKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].penItem, kWindowTextColorItem);
    const std::vector<RecordedCall> ellipses = s.CallsOf(CallKind::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].penItem, 0);
    EXPECT_EQ(ellipses[0].penColor, DefaultColor(0));
    EXPECT_EQ(ellipses[0].brush, BrushKind::Hatch);
    EXPECT_EQ(ellipses[0].hatch, static_cast<int>(HatchStyle::Vertical));
    EXPECT_EQ(s.SegmentsInItemPen(kWindowTextColorItem).size(), 1u);
    EXPECT_TRUE(s.SegmentsInItemPen(0).empty());
}

TEST(RecordingSurface, RestoreGoesBackToTheSavedSelection) {
    RecordingSurface s;
    s.SelectItemPen(3);
    s.SetBackgroundTransparent(false);
    s.SaveState();
    s.SelectItemPen(5);
    s.SetBackgroundTransparent(true);
    s.RestoreState();
    s.SetPixel(1, 1, 0);
    const RecordedCall pixel = s.CallsOf(CallKind::SetPixel).at(0);
    EXPECT_EQ(pixel.penItem, 3);
    EXPECT_FALSE(pixel.transparent);
}

TEST(RecordingSurface, PageMappingRoundTripsThroughDevicePixels) {
    RecordingSurface s(10, 20, 640, 480);
    s.Prepare(kPageMapping, 640, 480, false);
    EXPECT_EQ(s.LogicalToDevice({0, 0}), (SurfacePoint{0, 480}));
    EXPECT_EQ(s.LogicalToDevice({1000, 750}), (SurfacePoint{640, 0}));
    EXPECT_EQ(s.DeviceToLogical({320, 240}), (SurfacePoint{500, 375}));
    // A box inside one device pixel cannot be drawn; a larger one can.
    EXPECT_FALSE(s.Ellipse(100, 100, 100, 100));
    EXPECT_TRUE(s.Ellipse(90, 110, 110, 90));
}

TEST(RecordingSurface, OffscreenCallsOutliveTheOffscreenSurface) {
    RecordingSurface s;
    {
        std::unique_ptr<Surface> frame = s.CreateOffscreen(200, 100);
        frame->Text(5, 6, "frame");
        s.Blit(0, 0, 1000, 750, *frame, 0, 0, RasterOp::SourceInvert);
        EXPECT_EQ(s.CallsOf(CallKind::Blit).at(0).source, frame.get());
    }
    ASSERT_EQ(s.OffscreenCount(), 1);
    ASSERT_EQ(s.OffscreenCalls(0).size(), 1u);
    EXPECT_EQ(s.OffscreenCalls(0)[0].text, "frame");
    EXPECT_EQ(s.CallsOf(CallKind::Blit).at(0).op, RasterOp::SourceInvert);
    EXPECT_EQ(s.TextWidth("abc"), 30);
}

} // namespace
