// The colour table: the colours graphs draw in, stored values, the Assign
// Colors dialog's bookkeeping and saving through the settings store.

#include "report_test_support.h"

#include "graphs/graphs.h"
#include "graphs/recording_surface.h"
#include "resources/string_table.h"
#include "settings/colors.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// A settings store in memory that records writes and can refuse one.
class MemoryStore : public SettingsStore {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes; // names in the order written
    int failWriteNumber = -1;        // 0-based write that is refused

    bool Write(const char* name, const char* value) override {
        const int number = static_cast<int>(writes.size());
        writes.push_back(name);
        if (number == failWriteNumber) {
            return false;
        }
        values[name] = value;
        return true;
    }
    std::string Read(const char* name) override {
        const auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
};

ColorRef Identity(ColorRef color) {
    return color;
}

int FatalIdOf(const std::function<void()>& action) {
    ScopedHost scope;
    try {
        action();
    } catch (const FatalErrorRaised& error) {
        return error.messageId;
    }
    return -1;
}

// The colours of each pen item, as drawn with it onto s.
std::map<int, std::set<ColorRef>> PenColours(const RecordingSurface& s) {
    std::map<int, std::set<ColorRef>> colours;
    for (const RecordedCall& call : s.CallsOf(CallKind::Polyline)) {
        colours[call.penItem].insert(call.penColor);
    }
    return colours;
}

// Before any colour is assigned, a graph draws each body in the colour the
// table starts with, and bodies that share a graph stay apart: no two in one
// colour, none in the window's own colour, where its curve would vanish.
TEST(ColorTable, BodiesOfOneGraphAreDrawnInDistinctVisibleColours) {
    ScopedHost scope;
    const ColorTable table;
    const auto expectDistinct = [&table](const RecordingSurface& s, int first, int last) {
        const std::map<int, std::set<ColorRef>> colours = PenColours(s);
        std::set<ColorRef> seen;
        for (int item = first; item <= last; ++item) {
            const auto it = colours.find(item);
            ASSERT_NE(it, colours.end()) << ColorItemName(item) << " has no curve";
            ASSERT_EQ(it->second.size(), 1u) << ColorItemName(item);
            const ColorRef colour = *it->second.begin();
            EXPECT_EQ(colour, table.Current(item)) << ColorItemName(item);
            EXPECT_NE(colour, s.SystemColorValue(SystemColor::Window)) << ColorItemName(item);
            EXPECT_TRUE(seen.insert(colour).second)
                << ColorItemName(item) << " shares its colour with another body";
        }
    };

    RecordingSurface planets;
    planets.Prepare(kPageMapping, 1000, 750, true);
    BitSet earthToPluto = 0;
    for (int k = 2; k <= 10; ++k) {
        earthToPluto |= SetBit(k);
    }
    PlanetDistanceGraph(planets, 2026, earthToPluto, 1);
    expectDistinct(planets, 2, 10);

    RecordingSurface moons;
    moons.Prepare(kPageMapping, 1000, 750, true);
    JupiterMoonsGraph(moons, 2026, 3, 0xF, false, Location{});
    expectDistinct(moons, 16, 19); // Io .. Callisto
}

TEST(ColorTable, RedIsTheLowByte) {
    EXPECT_EQ(MakeColor(255, 128, 0), 0x0080FFu);
    EXPECT_EQ(RedOf(0x00C08040u), 0x40);
    EXPECT_EQ(GreenOf(0x00C08040u), 0x80);
    EXPECT_EQ(BlueOf(0x00C08040u), 0xC0);
}

TEST(ColorTable, BodyItemsAreNamedAsTheBodies) {
    // Items 0 .. 10 share the engine's body numbering (names 870 + k), items
    // 16 .. 19 are Jupiter's moons (names 883 .. 886).
    for (int k = 0; k <= 10; ++k) {
        EXPECT_STREQ(ColorItemName(k), StringText(870 + k)) << k;
    }
    for (int k = 16; k <= 19; ++k) {
        EXPECT_STREQ(ColorItemName(k), StringText(883 + k - 16)) << k;
    }
    EXPECT_STREQ(ColorItemName(11), "Stars");
    EXPECT_STREQ(ColorItemName(12), "Main Star");
    EXPECT_STREQ(ColorItemName(14), "Penumbra");
}

TEST(ColorTable, AnIndexOutsideTheTableIsTheInternalError) {
    const ColorTable table;
    EXPECT_EQ(FatalIdOf([&] { table.Current(20); }), 690);
    EXPECT_EQ(FatalIdOf([&] { table.Current(-1); }), 690);
    EXPECT_EQ(FatalIdOf([] { ColorItemName(20); }), 690);
    EXPECT_EQ(FatalIdOf([] { CheckColorItem(20); }), -1);
    EXPECT_EQ(FatalIdOf([] { CheckColorItem(0); }), -1);
    EXPECT_EQ(FatalIdOf([] { CheckColorItem(21); }), 690);
    EXPECT_EQ(FatalIdOf([] { CheckColorItem(-1); }), 690);
}

TEST(ColorSetting, ThreeNumbersSeparatedByCommas) {
    ColorRef color = 0;
    ASSERT_TRUE(ParseColorSetting("255,128,0", &color));
    EXPECT_EQ(color, MakeColor(255, 128, 0));
    ASSERT_TRUE(ParseColorSetting("0,0,0", &color));
    EXPECT_EQ(color, MakeColor(0, 0, 0));
    ASSERT_TRUE(ParseColorSetting(" 1, 2, 3 ", &color));
    EXPECT_EQ(color, MakeColor(1, 2, 3));
}

TEST(ColorSetting, AnythingElseLeavesTheColourAlone) {
    for (const char* bad : {"256,0,0", "0,0,1000", "255,128", "a,b,c", "", "1,2,3,4", "1,,3",
                            "-1,0,0", "1;2;3", "12,34,56x", "99999999999,0,0", "1 ,2,3"}) {
        ColorRef color = 0x123456u;
        EXPECT_FALSE(ParseColorSetting(bad, &color)) << bad;
        EXPECT_EQ(color, 0x123456u) << bad;
    }
}

TEST(ColorSetting, WrittenAsReadBack) {
    char text[81];
    FormatColorSetting(MakeColor(255, 128, 0), text, sizeof text);
    EXPECT_STREQ(text, "255,128,0");
    ColorRef color = 0;
    ASSERT_TRUE(ParseColorSetting(text, &color));
    EXPECT_EQ(color, MakeColor(255, 128, 0));
}

TEST(LoadColors, StoredColoursReplaceTheDefaultsAndBadOnesAreIgnored) {
    MemoryStore store;
    store.values["Sun"] = "255,128,0";
    store.values["Moon"] = "300,0,0";
    store.values["Earth"] = "1,2";
    store.values["Venus"] = "red";
    store.values["Callisto"] = "10,20,30";
    ColorTable table;
    LoadColorSettings(table, store, Identity);
    EXPECT_EQ(table.Current(0), MakeColor(255, 128, 0));
    EXPECT_EQ(table.Current(1), MakeColor(192, 192, 192));
    EXPECT_EQ(table.Current(2), MakeColor(192, 192, 192));
    EXPECT_EQ(table.Current(4), MakeColor(0, 255, 0));
    EXPECT_EQ(table.Current(19), MakeColor(10, 20, 30));
    EXPECT_EQ(table.Current(5), MakeColor(255, 0, 0)); // nothing stored
    EXPECT_FALSE(table.Modified());
}

TEST(LoadColors, AStoredColourBecomesTheNearestTheDisplayShows) {
    MemoryStore store;
    store.values["Sun"] = "255,128,0";
    ColorTable table;
    // A display of eight colours: each component is either off or full.
    LoadColorSettings(table, store, [](ColorRef c) {
        return MakeColor(RedOf(c) >= 128 ? 255 : 0, GreenOf(c) >= 128 ? 255 : 0,
                         BlueOf(c) >= 128 ? 255 : 0);
    });
    EXPECT_EQ(table.Current(0), MakeColor(255, 255, 0));
    EXPECT_EQ(table.Current(3), MakeColor(128, 0, 0)); // defaults are not mapped
}

TEST(AssignColorsDialog, OkWithoutAChangeAsksNothingAtExit) {
    ColorTable table;
    table.BeginDialog();
    table.AcceptDialog();
    EXPECT_FALSE(table.Modified());
    bool asked = false;
    EXPECT_FALSE(ColorSaveWanted(table, false, [&] {
        asked = true;
        return true;
    }));
    EXPECT_FALSE(asked);
}

TEST(AssignColorsDialog, OkAfterAChangeMarksTheColoursModified) {
    ColorTable table;
    table.BeginDialog();
    table.SetCurrent(7, MakeColor(1, 2, 3));
    table.AcceptDialog();
    EXPECT_TRUE(table.Modified());
    EXPECT_EQ(table.Current(7), MakeColor(1, 2, 3));
}

TEST(AssignColorsDialog, AColourChangedAndChangedBackIsNoChange) {
    ColorTable table;
    table.BeginDialog();
    table.SetCurrent(7, MakeColor(1, 2, 3));
    table.SetCurrent(7, DefaultColor(7));
    table.AcceptDialog();
    EXPECT_FALSE(table.Modified());
}

TEST(AssignColorsDialog, CancelRestoresEveryColourChangedInIt) {
    ColorTable table;
    table.SetCurrent(2, MakeColor(9, 9, 9)); // changed before this dialog
    table.BeginDialog();
    table.SetCurrent(2, MakeColor(1, 1, 1));
    table.SetCurrent(18, MakeColor(2, 2, 2));
    table.CancelDialog();
    EXPECT_EQ(table.Current(2), MakeColor(9, 9, 9));
    EXPECT_EQ(table.Current(18), DefaultColor(18));
    EXPECT_FALSE(table.ChangedSinceOpening());
    EXPECT_FALSE(table.Modified());
}

TEST(AssignColorsDialog, AModificationSurvivesALaterUnchangedOk) {
    ColorTable table;
    table.BeginDialog();
    table.SetCurrent(0, MakeColor(0, 0, 1));
    table.AcceptDialog();
    table.BeginDialog();
    table.AcceptDialog();
    EXPECT_TRUE(table.Modified());
}

TEST(SaveColors, AskingAndDeclinedWritesNothing) {
    ColorTable table;
    table.BeginDialog();
    table.SetCurrent(0, MakeColor(0, 0, 1));
    table.AcceptDialog();
    int questions = 0;
    EXPECT_FALSE(ColorSaveWanted(table, false, [&] {
        ++questions;
        return false;
    }));
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(ColorSaveWanted(table, false, [] { return true; }));
}

TEST(SaveColors, ForcedSavesWithoutAsking) {
    const ColorTable table;
    bool asked = false;
    EXPECT_TRUE(ColorSaveWanted(table, true, [&] {
        asked = true;
        return false;
    }));
    EXPECT_FALSE(asked);
}

TEST(SaveColors, WritesEveryAssignableItemInOrderAndClearsTheFlag) {
    ColorTable table;
    table.BeginDialog();
    table.SetCurrent(12, MakeColor(255, 128, 0));
    table.AcceptDialog();
    MemoryStore store;
    ASSERT_TRUE(SaveColorSettings(table, store));
    ASSERT_EQ(store.writes.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(store.writes[i], ColorItemName(i));
    }
    EXPECT_EQ(store.values["Sun"], "255,0,0");
    EXPECT_EQ(store.values["Main Star"], "255,128,0");
    EXPECT_EQ(store.values["Moon"], "192,192,192");
    EXPECT_FALSE(table.Modified());

    ColorTable reloaded;
    LoadColorSettings(reloaded, store, Identity);
    EXPECT_EQ(reloaded.Current(12), MakeColor(255, 128, 0));
}

TEST(SaveColors, StopsAtTheFirstFailureAndStaysModified) {
    ColorTable table;
    table.BeginDialog();
    table.SetCurrent(0, MakeColor(0, 0, 1));
    table.AcceptDialog();
    MemoryStore store;
    store.failWriteNumber = 5;
    EXPECT_FALSE(SaveColorSettings(table, store));
    EXPECT_EQ(store.writes.size(), 6u);
    EXPECT_EQ(store.values.count("Mars"), 0u);
    EXPECT_EQ(store.values.count("Jupiter"), 0u);
    EXPECT_TRUE(table.Modified());
}

} // namespace
