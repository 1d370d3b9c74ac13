// Saving the city database through CITIES.NEW, with real files in a
// temporary folder: the old CITIES.DAT survives every failure.

#include "settings/city_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

const char kOld[] = "Greenwich\nGreenwich           |51|28|38|N|  0| 0| 2|W|  47|0.00\n";

class CitySave : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/caelor-cities-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        dat_ = dir_ + "/CITIES.DAT";
        new_ = dir_ + "/CITIES.NEW";
        WriteFile(dat_, kOld);
        db_ = ParseCityDatabase(std::string(kOld) +
                                "Oslo                |59|54|50|N| 10|45| 9|E|  23|1.00\n");
        db_.currentName = "Oslo";
        db_.modified = true;
    }
    void TearDown() override {
        std::remove(dat_.c_str());
        std::remove(new_.c_str());
        rmdir(dir_.c_str());
    }

    void ExpectOldFileKept() {
        EXPECT_EQ(ReadFile(dat_), kOld);
        EXPECT_FALSE(Exists(new_)) << "a partial CITIES.NEW was left behind";
        EXPECT_TRUE(db_.modified);
    }

    std::string dir_;
    std::string dat_;
    std::string new_;
    CityDatabase db_;
};

TEST_F(CitySave, NewFileReplacesTheOldOne) {
    WriteFile(new_, "a stale file from an earlier crash, longer than the new one will be......");
    StdioCityFileSystem files;
    ASSERT_EQ(WriteCityDatabaseFile(db_, new_, dat_, files), CitySaveResult::kSaved);
    EXPECT_EQ(ReadFile(dat_), "Oslo\n"
                              "Greenwich           |51|28|38|N|  0| 0| 2|W|  47|0.00\n"
                              "Oslo                |59|54|50|N| 10|45| 9|E|  23|1.00\n");
    EXPECT_FALSE(Exists(new_));
    EXPECT_FALSE(db_.modified);
}

TEST_F(CitySave, SavingWithoutAnOldFileCreatesIt) {
    std::remove(dat_.c_str());
    StdioCityFileSystem files;
    ASSERT_EQ(WriteCityDatabaseFile(db_, new_, dat_, files), CitySaveResult::kSaved);
    EXPECT_EQ(ReadFile(dat_), FormatCityDatabase(db_));
}

TEST_F(CitySave, NewFileThatCannotBeCreatedLeavesTheOldOne) {
    StdioCityFileSystem files;
    EXPECT_EQ(WriteCityDatabaseFile(db_, dir_ + "/no such folder/CITIES.NEW", dat_, files),
              CitySaveResult::kCannotSave);
    ExpectOldFileKept();
}

// Writes go to CITIES.NEW, but the disc is full: the data never gets there.
class FullDisc : public StdioCityFileSystem {
  public:
    std::FILE* Create(const std::string& path) override {
        std::FILE* real = StdioCityFileSystem::Create(path); // the partial file exists
        if (real != nullptr) {
            std::fputs("Os", real);
            std::fclose(real);
        }
        return std::fopen("/dev/full", "w");
    }
};

TEST_F(CitySave, WriteFailureRemovesThePartialFile) {
    FullDisc files;
    EXPECT_EQ(WriteCityDatabaseFile(db_, new_, dat_, files), CitySaveResult::kCannotSave);
    ExpectOldFileKept();
}

class FailingClose : public StdioCityFileSystem {
  public:
    bool Close(std::FILE* file) override {
        StdioCityFileSystem::Close(file);
        return false;
    }
};

TEST_F(CitySave, CloseFailureIsReportedAndTheOldFileStays) {
    FailingClose files;
    EXPECT_EQ(WriteCityDatabaseFile(db_, new_, dat_, files), CitySaveResult::kCannotClose);
    ExpectOldFileKept();
}

class FailingReplace : public StdioCityFileSystem {
  public:
    bool Replace(const std::string&, const std::string&) override { return false; }
};

TEST_F(CitySave, ReplaceFailureRemovesTheNewFile) {
    FailingReplace files;
    EXPECT_EQ(WriteCityDatabaseFile(db_, new_, dat_, files), CitySaveResult::kCannotSave);
    ExpectOldFileKept();
}

} // namespace
