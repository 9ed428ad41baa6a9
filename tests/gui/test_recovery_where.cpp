// Where the exception handler's recovery save had to go elsewhere than the
// current folder, the user is told where the file is.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/gui/ExceptionHandler.h"

TEST(ExceptionHandler, ARecoveryFileOutsideTheCurrentFolderIsNamed) {
    QTemporaryDir ailleurs, journal;
    ASSERT_TRUE(ailleurs.isValid() && journal.isValid());
    std::vector<std::string> messages;
    std::string chemin = ailleurs.filePath(QStringLiteral("recovery.cse")).toStdString();
    ExceptionHandler::Hooks h;
    h.recoverySave = [&chemin] { return chemin; };
    h.plainMessage = [&messages](const std::string& m) { messages.push_back(m); };
    h.journalPath = journal.filePath(QStringLiteral("Error.log")).toStdString();
    ExceptionHandler::SetHooks(h);

    ExceptionHandler::Guard([]() -> int { throw std::runtime_error("Panne de test"); }, 0);
    EXPECT_EQ(messages,
              std::vector<std::string>{"Panne de test\nrecovery.cse enregistré dans " + ailleurs.path().toStdString()});

    // In the current folder, where the user expects it: nothing is said.
    messages.clear();
    chemin = (std::filesystem::current_path() / "recovery.cse").string();
    ExceptionHandler::Guard([]() -> int { throw std::runtime_error("Panne de test"); }, 0);
    EXPECT_TRUE(messages.empty());
    ExceptionHandler::SetHooks({});
}
