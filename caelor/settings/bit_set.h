// The 32-bit sets in which the dialogs keep the chosen bodies and moons:
// element n is bit n. An element outside 0 .. 31 is an internal error.
#pragma once

#include <cstdint>

using BitSet = uint32_t;

BitSet SetBit(int n);
bool SetTest(int n, BitSet set);
void SetAdd(int n, BitSet& set);
void SetRemove(int n, BitSet& set);

// Every body of the planet dialogs (the Almanac passes this).
constexpr BitSet kAllBodies = 0xFFFFFFFFu;
