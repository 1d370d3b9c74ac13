#include "framework/string_list.h"

int StringList::Find(const std::string& text) const {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        if (texts_[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::size_t StringList::LongestLength() const {
    std::size_t longest = 0;
    for (const std::string& text : texts_) {
        if (text.size() > longest) {
            longest = text.size();
        }
    }
    return longest;
}
