// The translators' template.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/texts/Traduction.h"
#include "tests/support/TestFiles.h"

TEST(Traduction, LignesParSorteDeComposant) {
    using Traduction::TComposant;
    auto c = [](const char* nom, const char* caption = "", const char* hint = "", bool montre = false) {
        TComposant k;
        k.Nom = nom;
        k.Caption = caption;
        k.Hint = hint;
        k.MontreHint = montre;
        return k;
    };
    std::vector<TComposant> v;
    v.push_back(c("LabelA", "Titre"));
    v.back().Label = true;
    v.push_back(c("BtnA", "&OK", "Valider", false));  // hint not shown: caption only
    v.back().Bouton = true;
    v.push_back(c("BtnB", "&Fermer", "Ferme", true));
    v.back().Bouton = true;
    v.push_back(c("SBA", "", "Zoom", true));
    v.back().BoutonRapide = true;
    v.push_back(c("SBB", "", "Caché", false));  // writes nothing
    v.back().BoutonRapide = true;
    v.push_back(c("N1", "-"));
    v.back().Menu = true;
    v.push_back(c("PanelVide"));  // empty caption: nothing
    v.back().Panneau = true;
    v.push_back(c("EditA"));
    v.back().Edit = true;
    v.back().Texte = "0.02";
    v.push_back(c("EditVide"));  // empty text: nothing
    v.back().Edit = true;
    v.push_back(c("GB", "Groupe"));
    v.back().Groupe = true;
    v.push_back(c("SaveDialog1"));
    v.back().DialogueEnregistrer = v.back().DialogueOuvrir = true;
    v.back().Filtre = "A|*.a";
    v.push_back(c("OpenDialog1"));
    v.back().DialogueOuvrir = true;
    v.back().Filtre = "B|*.b";
    const std::vector<Traduction::TFenetre> f = {{"Vide", "Sans rien", {}}, {"TestForm", "Essai", v}};
    EXPECT_EQ(Traduction::Lignes(f), (std::vector<std::string>{
                                         "", "[Vide]", "rsVideCaption=Sans rien",
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
