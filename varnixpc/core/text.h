// Small text helpers shared by the launcher's pure code.
#pragma once

#include <string>

// Compares two texts byte by byte with ASCII letters folded to lower case:
// negative, zero or positive as a sorts before, with or after b.
int CompareNoCase(const std::string& a, const std::string& b);
