#include "help/help_topics.h"

#include "settings/commands.h"

#include <iterator>

const int kHelpContextsInUse[] = {1008, 1015, 1016, 1017, 1018};
const int kHelpContextsInUseCount = static_cast<int>(std::size(kHelpContextsInUse));

const char* const kHelpKeywordsInUse[] = {"keys", "commands", "User's Guide"};
const int kHelpKeywordsInUseCount = static_cast<int>(std::size(kHelpKeywordsInUse));

int HelpContextOf(int commandId) {
    const CommandRow* row = FindCommand(commandId);
    return row != nullptr ? row->helpContext : -1;
}
