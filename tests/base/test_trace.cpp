// Routine trace and error journal.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "base/Debug.h"
#include "tests/support/TestFiles.h"

namespace {

// Tags T00, T01... kept alive while the trace holds them.
std::vector<std::string> Tags(int n) {
    std::vector<std::string> r;
    for (int i = 0; i < n; ++i) r.push_back((i < 10 ? "T0" : "T") + std::to_string(i));
    return r;
}

class Trace : public ::testing::Test {
protected:
    void SetUp() override { Debug::DbgReset(); }
    void TearDown() override {
        Debug::DbgReset();
        Debug::SetSink(nullptr);
    }
};

}  // namespace

TEST_F(Trace, ThirtyOneNestedEntriesStayInsideTheStack) {
    const std::vector<std::string> tags = Tags(31);
    for (const std::string& t : tags) Debug::DbgEnter(t.c_str());
    EXPECT_EQ(std::tuple(Debug::state().depth, Debug::StackEntry(29)), std::tuple(30, "T30"));  // the thirtieth overwritten
    for (int i = 0; i < 31; ++i) Debug::DbgLeave();
    EXPECT_EQ(Debug::state().depth, 0);
    Debug::DbgLeave();   // one leave too many stays at 0
    EXPECT_EQ(Debug::state().depth, 0);
}

TEST_F(Trace, JournalLineListsTheTenNewestTagsNewestFirst) {
    const std::vector<std::string> tags = Tags(11);
    for (const std::string& t : tags) {
        Debug::DbgEnter(t.c_str());
        Debug::DbgLeave();
    }
    // The first entry overwritten.
    EXPECT_EQ(std::tuple(Debug::RingEntry(0), Debug::state().ringIndex, Debug::NewestTag()), std::tuple("T10", 1, "T10"));
    EXPECT_EQ(Debug::JournalLine("Division par zéro", "06/12/2024 17:20:00"),
              "06/12/2024 17:20:00 : T10 . Division par zéro . Stack = "
              "T10 | T09 | T08 | T07 | T06 | T05 | T04 | T03 | T02 | T01 | ");
}

// An end that comes while routines run (a signal) names them, not those that returned.
TEST_F(Trace, TheLineOfAnEndListsTheRoutinesStillRunningInnermostFirst) {
    DBG_SCOPE("Outer.Routine");
    DBG_SCOPE("Inner.Routine");
    for (int i = 0; i < 9; ++i) DBG_SCOPE("Calcs.CalcDroite");
    EXPECT_EQ(Debug::JournalLinePile("Fin", "06/12/2024 17:20:00"),
              "06/12/2024 17:20:00 : Inner.Routine . Fin . Stack = Inner.Routine | Outer.Routine | ");
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
    EXPECT_EQ(std::tuple(Debug::state().depth, Debug::NewestTag()), std::tuple(0, "Throwing.Routine"));
}

// Created, then grown newest first; a folder that does not exist is reported
// and nothing is made.
TEST_F(Trace, JournalGrowsNewestFirst) {
    testfiles::Dossier d;
    const std::string log = d / "Error.log";
    std::string err;
    ASSERT_TRUE(Debug::PrependJournal(log, "premiere erreur", &err)) << err;
    ASSERT_TRUE(Debug::PrependJournal(log, "deuxieme erreur", &err)) << err;
    EXPECT_EQ(testfiles::LitOctets(log), "deuxieme erreur\r\npremiere erreur\r\n");
    EXPECT_EQ(d.Entrees().size(), 1u);
    EXPECT_FALSE(Debug::PrependJournal(d / "absent/Error.log", "x", &err) || err.empty());
    EXPECT_FALSE(std::filesystem::exists(d / "absent"));
}
