// An ordered list of strings, for the menus' texts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class StringList {
  public:
    StringList() = default;
    explicit StringList(std::vector<std::string> texts) : texts_(std::move(texts)) {}

    void AddTail(const std::string& text) { texts_.push_back(text); }
    void RemoveAll() { texts_.clear(); }
    std::size_t GetCount() const { return texts_.size(); }
    bool IsEmpty() const { return texts_.empty(); }
    // Index 0 is the head.
    const std::string& GetAt(std::size_t index) const { return texts_[index]; }
    // Index of the first string equal to the text, -1 when there is none.
    int Find(const std::string& text) const;
    // The length of the longest string.
    std::size_t LongestLength() const;

  private:
    std::vector<std::string> texts_;
};
