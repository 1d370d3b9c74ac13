// Logging off from the exit menu.

#include "core/menus.h"
#include "core/session.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FakeSession : public SessionControl {
  public:
    bool LogOff(unsigned flags) override {
        calls.push_back(flags);
        return true;
    }
    std::vector<unsigned> calls;
};

int EntryOf(const std::vector<std::string>& texts, const std::string& text) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

TEST(VarnixSession, ChoosingLogoutLogsOffOnceWithoutForcing) {
    const std::vector<std::string> texts = ExitMenuTexts();
    const int entry = EntryOf(texts, "Logout");
    ASSERT_GT(entry, 0);
    const MenuAction action = ResolveMenuAction(kExitMenu, entry, static_cast<int>(texts.size()));
    FakeSession session;
    EXPECT_TRUE(RunSessionAction(action, session));
    ASSERT_EQ(session.calls.size(), 1u);
    EXPECT_EQ(session.calls[0], kLogOffFlag);
    EXPECT_EQ(session.calls[0] & kForceFlag, 0u);
}

TEST(VarnixSession, OtherActionsNeverLogOff) {
    FakeSession session;
    for (MenuAction action :
         {MenuAction::kNone, MenuAction::kAbout, MenuAction::kLaunch, MenuAction::kMenuEditor,
          MenuAction::kOptions, MenuAction::kClose, MenuAction::kHelp, MenuAction::kTask}) {
        EXPECT_FALSE(RunSessionAction(action, session));
    }
    EXPECT_TRUE(session.calls.empty());
}

TEST(VarnixSession, CloseEntryOfTheExitMenuDoesNotLogOff) {
    const std::vector<std::string> texts = ExitMenuTexts();
    const int entry = EntryOf(texts, "Close VarnixPC");
    ASSERT_GT(entry, 0);
    FakeSession session;
    RunSessionAction(ResolveMenuAction(kExitMenu, entry, static_cast<int>(texts.size())), session);
    EXPECT_TRUE(session.calls.empty());
}

} // namespace
