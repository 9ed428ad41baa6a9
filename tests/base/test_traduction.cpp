// The translators' template.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/Traduction.h"
#include "tests/support/TestFiles.h"

TEST(Traduction, LignesParSorteDeComposant) {
    using C = Traduction::TComposant;
    const std::vector<C> v = {
        {.Nom = "LabelA", .Label = true, .Caption = "Titre"},
        {.Nom = "BtnA", .Bouton = true, .Caption = "&OK", .Hint = "Valider"},  // hint not shown: caption only
        {.Nom = "BtnB", .Bouton = true, .Caption = "&Fermer", .Hint = "Ferme", .MontreHint = true},
        {.Nom = "SBA", .BoutonRapide = true, .Hint = "Zoom", .MontreHint = true},
        {.Nom = "SBB", .BoutonRapide = true, .Hint = "CachÃ©"},  // writes nothing
        {.Nom = "N1", .Menu = true, .Caption = "-"},
        {.Nom = "PanelVide", .Panneau = true},  // empty caption: nothing
        {.Nom = "EditA", .Edit = true, .Texte = "0.02"},
        {.Nom = "EditVide", .Edit = true},  // empty text: nothing
        {.Nom = "GB", .Groupe = true, .Caption = "Groupe"},
        {.Nom = "SaveDialog1", .DialogueOuvrir = true, .DialogueEnregistrer = true, .Filtre = "A|*.a"},
        {.Nom = "OpenDialog1", .DialogueOuvrir = true, .Filtre = "B|*.b"},
        {.Nom = "ImageType", .Label = true},  // a picture, or a text the program sets: nothing
        {.Nom = "btYes", .Bouton = true},
    };
    const std::vector<Traduction::TFenetre> f = {
        {"Vide", "Sans rien", {}}, {"fmMessageDlg", "", {{.Nom = "btOk", .Bouton = true}}}, {"TestForm", "Essai", v}};
    EXPECT_EQ(Traduction::Lignes(f), (std::vector<std::string>{
                                         "", "[Vide]", "rsVideCaption=Sans rien", "", "[fmMessageDlg]",
                                         "", "[TestForm]", "rsTestFormCaption=Essai",
                                         "rsLabelACaption=Titre", "rsBtnACaption=&OK", "rsBtnBCaption=&Fermer",
                                         "rsBtnBHint=Ferme", "rsSBAHint=Zoom", "rsN1Caption=-",
                                         "rsEditAText=0.02", "rsGBCaption=Groupe",
                                         "rsSaveDialog1Filter=A|*.a", "rsSaveDialog1Filter=A|*.a",
                                         "rsOpenDialog1Filter=B|*.b"}));
}

TEST(Traduction, FichierWindows1252EtEchec) {
    testfiles::Dossier d;
    const std::string chemin = d.chemin() + "/FormsText.tra";
    Traduction::EnregistrerTextes({{"OptionForm", "Général", {}}}, chemin);
    EXPECT_EQ(testfiles::LitOctets(chemin), "\r\n[OptionForm]\r\nrsOptionFormCaption=G\xe9n\xe9ral\r\n");
    EXPECT_THROW(Traduction::EnregistrerTextes({}, d.chemin() + "/absent/FormsText.tra"), std::runtime_error);
}
