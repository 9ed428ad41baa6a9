// The user-interface text table and the language files.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "base/Chaines.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"

namespace {

class LangueTest : public ::testing::Test {
protected:
    testfiles::Dossier dossier;
    void SetUp() override { Langue::Reinitialise(); }
    void TearDown() override { Langue::Reinitialise(); }
    std::string Ecrit(const std::string& nom, const std::string& octets) const { return dossier.Ecrit(nom, octets); }
};

}  // namespace

TEST_F(LangueTest, TableComplete) {
    ASSERT_GT(Langue::NombreCles(), 700);
    EXPECT_EQ(Langue::Cle(Langue::NombreCles()), "");
    std::set<std::string> vues;
    for (int i = 0; i < Langue::NombreCles(); ++i) {
        const std::string_view cle = Langue::Cle(i);
        SCOPED_TRACE(std::string(cle));
        EXPECT_TRUE(Chaines::CommencePar("rs", cle));
        EXPECT_TRUE(vues.insert(Chaines::MinusculesAscii(cle)).second) << "key twice";
        EXPECT_FALSE(Langue::Defaut(cle).empty()) << "no default";
        EXPECT_TRUE(Encodage::EstUtf8Valide(Langue::Defaut(cle)));
        // One default keeps the doubled apostrophe it is stored with.
        EXPECT_EQ(Langue::Defaut(cle).find("''") != std::string_view::npos, cle == "rsErrIterationsMax")
            << "doubled apostrophe";
        EXPECT_EQ(Langue::Txt(cle), Langue::Defaut(cle));
    }
    EXPECT_EQ(Langue::Txt("rsErrIterationsMax"),
              "Nombre maximum d''itérations dépassé. Modifier le dessin ou introduire une tolérance supérieure. "
              "Arrêt des calculs ?");
    EXPECT_EQ(Langue::Txt("rsInconnu"), "");
    EXPECT_EQ(Langue::Trouve("RSBTNOK"), nullptr);  // the program names its keys exactly
}

TEST_F(LangueTest, FichierDeLangue) {
    const std::string f = Ecrit("lang_Test.dat",
                                "RSBTNOK=Okay\n"
                                "rsBtnAnnuler =Cancel\n"   // the blank belongs to the name
                                "rsX=a=b\n"
                                "rsBtnYes=Yes\n"
                                "rsBtnYes=Second\n"        // the first line of a key counts
                                "rsBtnNo\n"                // no "=": ignored
                                "rsInformation=\n");       // an empty text is a text
    Langue::ChargeLangue(f);
    for (auto [cle, texte] : {std::pair{"rsBtnOK", "Okay"}, {"rsBtnAnnuler", "&Annuler"}, {"rsX", "a=b"}, {"rsBtnYes", "Yes"},
                              {"rsBtnNo", "&Non"}, {"rsInformation", ""}})
        EXPECT_EQ(Langue::Txt(cle), texte) << cle;

    // Another file: what it does not name is French again.
    Langue::ChargeLangue(Ecrit("lang_Autre.dat", "rsBtnNo=No\r\n"));
    EXPECT_EQ(std::tuple(Langue::Txt("rsBtnOK"), Langue::Txt("rsBtnNo")), std::tuple("&OK", "No"));
}

// An absent file leaves French, silently; an empty language name reads
// "lang_.dat"; a file in Windows-1252 reads as such.
TEST_F(LangueTest, FichierAbsentLangueVideEtWindows1252) {
    RecordingScope r;
    Langue::ChargeLangue(dossier.chemin(), "Fr2");
    EXPECT_EQ(std::tuple(r.rec.messages.size(), Langue::Txt("rsBtnOK")), std::tuple(0u, "&OK"));
    Ecrit("lang_Fr2.dat", "rsBtnOK=D'accord \xE9t\xE9\r\nrsBtnNo=\x80uro\r\n");
    Langue::ChargeLangue(dossier.chemin(), "Fr2");
    EXPECT_EQ(std::tuple(Langue::Txt("rsBtnOK"), Langue::Txt("rsBtnNo")), std::tuple("D'accord été", "\u20ACuro"));
    Ecrit("lang_.dat", "rsBtnOK=Vide\n");
    Langue::ChargeLangue(dossier.chemin(), "");
    EXPECT_EQ(Langue::Txt("rsBtnOK"), "Vide");
}

TEST(LangueFiltres, VersLaFormeDeQt) {
    EXPECT_EQ(Langue::FiltreQt("Fichier CorvaneShaper|*.cse|Fichier Net|*.net|Tous|*.*"),
              "Fichier CorvaneShaper (*.cse);;Fichier Net (*.net);;Tous (*.*)");
    EXPECT_EQ(Langue::FiltreQt(Langue::Defaut("rsImagesFilter")),
              "Tout (*.bmp *.jpg *.gif);;Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg);;GIF (*.gif)");
    EXPECT_EQ(Langue::FiltreQt("Seul|*.a|Sans motif"), "Seul (*.a)");
}
