// Routine trace and error journal.
#include <gtest/gtest.h>


#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "model/Debug.h"

namespace {

constexpr const char* kTags[31] = {
    "T00", "T01", "T02", "T03", "T04", "T05", "T06", "T07", "T08", "T09", "T10",
    "T11", "T12", "T13", "T14", "T15", "T16", "T17", "T18", "T19", "T20", "T21",
    "T22", "T23", "T24", "T25", "T26", "T27", "T28", "T29", "T30",
};

class Trace : public ::testing::Test {
protected:
    void SetUp() override { Debug::DbgReset(); }
    void TearDown() override {
        Debug::DbgReset();
        Debug::SetSink(nullptr);
    }
};

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(l);
    }
    return lines;
}

// A folder of its own, removed at the end of the test.
struct TempDir {
    testfiles::Dossier dossier;
    std::filesystem::path path{dossier.chemin()};
};

}  // namespace

TEST_F(Trace, ThirtyOneNestedEntriesStayInsideTheStack) {
    for (const char* t : kTags) Debug::DbgEnter(t);
    EXPECT_EQ(Debug::state().depth, 30);
    EXPECT_EQ(Debug::StackEntry(29), "T30");   // the thirtieth entry overwritten
    for (int i = 0; i < 31; ++i) Debug::DbgLeave();
    EXPECT_EQ(Debug::state().depth, 0);
    Debug::DbgLeave();   // one leave too many stays at 0
    EXPECT_EQ(Debug::state().depth, 0);
}

TEST_F(Trace, JournalLineListsTheTenNewestTagsNewestFirst) {
    for (int i = 0; i < 11; ++i) {
        Debug::DbgEnter(kTags[i]);
        Debug::DbgLeave();
    }
    EXPECT_EQ(Debug::RingEntry(0), "T10");   // the first entry overwritten
    EXPECT_EQ(Debug::state().ringIndex, 1);
    EXPECT_EQ(Debug::NewestTag(), "T10");
    EXPECT_EQ(Debug::JournalLine("Division par zéro", "06/12/2024 17:20:00"),
              "06/12/2024 17:20:00 : T10 . Division par zéro . Stack = "
              "T10 | T09 | T08 | T07 | T06 | T05 | T04 | T03 | T02 | T01 | ");
}

TEST_F(Trace, ScopeLeavesOnEveryPath) {
    {
        DBG_SCOPE("Outer.Routine");
        {
            DBG_SCOPE("Inner.Routine");
            EXPECT_EQ(Debug::state().depth, 2);
        }
        EXPECT_EQ(Debug::StackEntry(1), "");
    }
    try {
        DBG_SCOPE("Throwing.Routine");
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Debug::state().depth, 0);
    EXPECT_EQ(Debug::NewestTag(), "Throwing.Routine");
}

TEST_F(Trace, JournalIsCreatedThenGrowsNewestFirst) {
    TempDir dir;
    const auto log = dir.path / "Error.log";
    std::string err;
    ASSERT_TRUE(Debug::PrependJournal(log.string(), "premiere erreur", &err)) << err;
    ASSERT_TRUE(Debug::PrependJournal(log.string(), "deuxieme erreur", &err)) << err;
    EXPECT_EQ(ReadLines(log), (std::vector<std::string>{"deuxieme erreur", "premiere erreur"}));
    // Only the journal itself is left in the folder.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path)) ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(Trace, UnwritableJournalIsReported) {
    TempDir dir;
    const auto log = dir.path / "absent" / "Error.log";
    std::string err;
    EXPECT_FALSE(Debug::PrependJournal(log.string(), "x", &err));
    EXPECT_FALSE(err.empty());
    EXPECT_FALSE(std::filesystem::exists(log));
}

TEST_F(Trace, JournalGoesToTheUserDataFolderWhenTheProgramFolderIsNotWritable) {
    TempDir dir;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_DATA_HOME", dir.path.c_str(), 1);
    const std::string fallback = Debug::JournalPathIn((dir.path / "absent").string());
    const std::string beside = Debug::JournalPathIn(dir.path.string());
    if (old)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(beside, (dir.path / "Error.log").string());
    EXPECT_EQ(fallback, (dir.path / "Corvane Shaper" / "Error.log").string());
    EXPECT_TRUE(Debug::PrependJournal(fallback, "x"));   // its folder made ready for the journal
}
