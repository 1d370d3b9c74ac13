// Reading the reference fixtures of tests/unit/data/ (written by
// tools/make-reference-fixture): shared by the tests that compare the engine
// with an independent ephemeris.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

// One fixture file: '#' lines are comments, the first other line names the
// columns, every further line is a row of comma-separated cells (an empty
// cell means "not given").
class Fixture {
  public:
    explicit Fixture(const std::string& name) {
        const std::string path = std::string(CAELOR_SOURCE_DIR) + "/tests/unit/data/" + name;
        std::ifstream in(path);
        if (!in) {
            ADD_FAILURE() << "cannot read " << path;
            return;
        }
        std::string line;
        bool haveHeader = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line.empty() || line[0] == '#') {
                continue;
            }
            std::vector<std::string> cells = Split(line);
            if (!haveHeader) {
                for (size_t i = 0; i < cells.size(); ++i) {
                    columns_[cells[i]] = i;
                }
                haveHeader = true;
            } else {
                rows_.push_back(cells);
            }
        }
    }

    size_t Rows() const { return rows_.size(); }

    const std::string& Text(size_t row, const char* column) const {
        static const std::string kMissing;
        const auto found = columns_.find(column);
        if (found == columns_.end() || found->second >= rows_[row].size()) {
            ADD_FAILURE() << "no column " << column << " in row " << row;
            return kMissing;
        }
        return rows_[row][found->second];
    }

    bool Has(size_t row, const char* column) const { return !Text(row, column).empty(); }

    double Number(size_t row, const char* column) const {
        const std::string& text = Text(row, column);
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0') {
            ADD_FAILURE() << "not a number in column " << column << " of row " << row << ": '"
                          << text << "'";
        }
        return value;
    }

    int Integer(size_t row, const char* column) const {
        return static_cast<int>(std::lround(Number(row, column)));
    }

  private:
    static std::vector<std::string> Split(const std::string& line) {
        std::vector<std::string> cells;
        size_t start = 0;
        for (;;) {
            const size_t comma = line.find(',', start);
            cells.push_back(line.substr(start, comma - start));
            if (comma == std::string::npos) {
                return cells;
            }
            start = comma + 1;
        }
    }

    std::map<std::string, size_t> columns_;
    std::vector<std::vector<std::string>> rows_;
};

// Errors of one quantity over a fixture: count, median and largest
// magnitude, and where the largest happened.
class ErrorSample {
  public:
    void Add(double error, const std::string& where) {
        if (std::fabs(error) >= max_) {
            max_ = std::fabs(error);
            where_ = where;
        }
        errors_.push_back(std::fabs(error));
    }
    int Count() const { return static_cast<int>(errors_.size()); }
    double Max() const { return max_; }
    double Median() const {
        std::vector<double> sorted = errors_;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        if (n == 0) {
            return 0;
        }
        return n % 2 == 1 ? sorted[n / 2] : 0.5 * (sorted[n / 2 - 1] + sorted[n / 2]);
    }
    const std::string& Where() const { return where_; }

  private:
    std::vector<double> errors_;
    double max_ = 0;
    std::string where_;
};

// Records a group's count, median and largest error as a test property
// (the group name with blanks made underscores), so that a test report
// carries the figures the guide's Accuracy topic quotes.
inline void RecordErrorSample(const std::string& group, const ErrorSample& e) {
    std::string key = group;
    std::replace(key.begin(), key.end(), ' ', '_');
    char value[64];
    std::snprintf(value, sizeof value, "n=%d median=%.6g max=%.6g", e.Count(), e.Median(), e.Max());
    ::testing::Test::RecordProperty(key, value);
}
