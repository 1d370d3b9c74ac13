#include "settings/bit_set.h"

#include "reports/host_hooks.h"
#include "resources/string_ids.h"

namespace {

void CheckElement(int n, int line) {
    if (n < 0 || n > 31) {
        FatalError(IDS_INTERNAL_ERROR, "SET", line);
    }
}

} // namespace

BitSet SetBit(int n) {
    CheckElement(n, __LINE__);
    return BitSet{1} << n;
}

bool SetTest(int n, BitSet set) {
    return (set & SetBit(n)) != 0;
}

void SetAdd(int n, BitSet& set) {
    set |= SetBit(n);
}

void SetRemove(int n, BitSet& set) {
    set &= ~SetBit(n);
}
