// What caelor asks its help for: the context numbers of the menu commands
// and dialogs and the keywords of the Help menu. The topics themselves are
// the user's guide (help_book.h), whose sources the build checks against
// these.
#pragma once

// The help context of a menu command (the command table's), or -1 for an
// id no menu item has.
int HelpContextOf(int commandId);

// Contexts and keywords the program opens help at besides the menu
// commands' (the input dialogs that have no command of their own, the help
// menu's keywords); every one must have a topic.
extern const int kHelpContextsInUse[];
extern const int kHelpContextsInUseCount;
extern const char* const kHelpKeywordsInUse[];
extern const int kHelpKeywordsInUseCount;

// Topics opened by the help menu's fixed entries.
constexpr int kHelpIndexContext = 900;
constexpr int kHelpOnHelpContext = 904;
