// Writing a document or the error journal when the system refuses a step:
// no free inode, a full disk, a failing flush or rename, permissions that
// cannot be given. The old file stays whole, with its mode, and the failure
// is reported; a journal made read-only is left alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/doc/DocWriter.h"
#include "base/Debug.h"
#include "base/FichierAtomique.h"
#include "tests/support/TestFiles.h"

using testfiles::Dossier;
using testfiles::LitOctets;

namespace {

// The system calls of the atomic writer, one of them made to fail, put back
// at the end of the test.
struct Panne {
    FichierAtomique::TAppels avant = FichierAtomique::Appels();
    ~Panne() { FichierAtomique::Appels() = avant; }
};

mode_t Mode(const std::string& chemin) {
    struct stat st {};
    ::stat(chemin.c_str(), &st);
    return st.st_mode & 07777;
}

// The two writers through the atomic writer: the document, which raises, and
// the journal, which answers false.
bool EcritDocument(const std::string& chemin, std::string& raison) {
    try {
        DocWriter::EcritFichierAtomique(chemin, std::string(100000, 'n'));
        return true;
    } catch (const DocWriter::TErreurEcriture& e) {
        raison = e.Raison();
        return false;
    }
}
bool EcritJournal(const std::string& chemin, std::string& raison) {
    return Debug::PrependJournal(chemin, "nouvelle erreur", &raison);
}

}  // namespace

TEST(PannesEcriture, AFailingStepLeavesTheOldFileWholeAndSaysWhy) {
    using A = FichierAtomique::TAppels;
    struct Cas {
        const char* panne;
        std::function<void(A&)> installe;
    } cas[] = {
        {"no free inode", [](A& a) { a.ouvre = [](const char*, int, mode_t) { return errno = ENOSPC, -1; }; }},
        {"disk full after a few bytes",
         [](A& a) {
             a.ecrit = [](int fd, const void* p, std::size_t n) -> ssize_t {
                 if (n <= 4096) return errno = ENOSPC, -1;
                 return FichierAtomique::AppelsSysteme().ecrit(fd, p, 4096);
             };
         }},
        {"flush", [](A& a) { a.synchronise = [](int) { return errno = EIO, -1; }; }},
        {"close", [](A& a) { a.ferme = [](int fd) { return ::close(fd), errno = EIO, -1; }; }},
        {"rename", [](A& a) { a.renomme = [](const char*, const char*) { return errno = EXDEV, -1; }; }},
    };
    const std::string ancien = "ancienne ligne\r\n" + std::string(50000, 'a') + "\r\n";
    for (const Cas& c : cas)
        for (auto ecrit : {EcritDocument, EcritJournal}) {
            SCOPED_TRACE(c.panne);
            Dossier d;
            const std::string f = d.Ecrit("Error.log", ancien);
            ::chmod(f.c_str(), 0640);
            Panne p;
            c.installe(FichierAtomique::Appels());
            std::string raison;
            EXPECT_TRUE(!ecrit(f, raison) && !raison.empty());
            EXPECT_EQ(LitOctets(f), ancien);
            EXPECT_EQ(Mode(f), 0640u);
            EXPECT_EQ(d.Entrees().size(), 1u);  // no temporary file left behind
        }
}

// The mode of the file replaced is kept, also where the system will not
// change a file's mode; a file that could only get another mode is not
// replaced.
TEST(PannesEcriture, TheModeOfTheFileIsKeptOrTheFileIsNotReplaced) {
    const mode_t masque = ::umask(022);
    struct Cas {
        mode_t mode;
        bool changeModeRefuse;
        bool ecrit;
    } cas[] = {{0664, false, true}, {0640, true, true}, {0664, true, false}, {0666, true, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << std::oct << c.mode << " " << c.changeModeRefuse);
        Dossier d;
        const std::string f = d.Ecrit("bateau.cse", "ancien");
        ::chmod(f.c_str(), c.mode);
        Panne p;
        if (c.changeModeRefuse) FichierAtomique::Appels().change_mode = [](int, mode_t) { return errno = EPERM, -1; };
        std::string raison;
        EXPECT_EQ(EcritDocument(f, raison), c.ecrit) << raison;
        EXPECT_EQ(LitOctets(f) == "ancien", !c.ecrit);
        EXPECT_EQ(Mode(f), c.mode);
        EXPECT_EQ(d.Entrees().size(), 1u);
    }
    ::umask(masque);
}

// A journal the user made read-only is neither replaced nor written beside
// the program: the next line goes to the user's data folder.
TEST(PannesEcriture, AReadOnlyJournalIsLeftAlone) {
    Dossier programme, donnees;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string ancienXdg = xdg ? xdg : "";
    ::setenv("XDG_DATA_HOME", donnees.chemin().c_str(), 1);
    const std::string journal = programme.Ecrit("Error.log", "ligne gardée\r\n");
    ::chmod(journal.c_str(), 0444);

    std::string raison;
    EXPECT_FALSE(Debug::PrependJournal(journal, "nouvelle", &raison));
    EXPECT_FALSE(raison.empty());
    const std::string ailleurs = Debug::JournalPathIn(programme.chemin());
    EXPECT_EQ(ailleurs, donnees / "Corvane Shaper/Error.log");
    EXPECT_TRUE(Debug::PrependJournal(ailleurs, "nouvelle"));
    EXPECT_EQ(LitOctets(ailleurs), "nouvelle\r\n");
    EXPECT_EQ(LitOctets(journal), "ligne gardée\r\n");
    // Writable again, it is the journal beside the program once more.
    ::chmod(journal.c_str(), 0644);
    EXPECT_EQ(Debug::JournalPathIn(programme.chemin()), journal);

    xdg ? ::setenv("XDG_DATA_HOME", ancienXdg.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}
