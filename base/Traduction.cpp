#include "base/Traduction.h"

#include <stdexcept>

#include "base/Debug.h"
#include "base/Encodage.h"

namespace Traduction {

std::vector<std::string> Lignes(const std::vector<TFenetre>& fenetres) {
    DBG_SCOPE("Traduction.Lignes");
    std::vector<std::string> l;
    for (const TFenetre& f : fenetres) {
        l.emplace_back();
        l.push_back("[" + f.Nom + "]");
        // An empty text (a title, a caption, a picture's label) is set by the
        // program when the window shows: nothing there for a translator.
        if (!f.Titre.empty()) l.push_back("rs" + f.Nom + "Caption=" + f.Titre);
        for (const TComposant& c : f.Composants) {
            auto ligne = [&](const char* role, const std::string& texte) {
                if (!texte.empty()) l.push_back("rs" + c.Nom + role + "=" + texte);
            };
            if (c.Label) ligne("Caption", c.Caption);
            if (c.Bouton) {
                ligne("Caption", c.Caption);
                if (c.MontreHint) ligne("Hint", c.Hint);
            }
            if (c.BoutonRapide && c.MontreHint) ligne("Hint", c.Hint);
            if (c.Menu) ligne("Caption", c.Caption);
            if (c.Panneau && !c.Caption.empty()) ligne("Caption", c.Caption);
            if (c.Edit && !c.Texte.empty()) ligne("Text", c.Texte);
            if (c.Groupe) ligne("Caption", c.Caption);
            if (c.DialogueEnregistrer) ligne("Filter", c.Filtre);
            if (c.DialogueOuvrir || c.DialogueEnregistrer) ligne("Filter", c.Filtre);
        }
    }
    return l;
}

void EnregistrerTextes(const std::vector<TFenetre>& fenetres, const std::string& fichier) {
    DBG_SCOPE("Traduction.EnregistrerTextes");
    std::string erreur;
    if (!Encodage::EcritFichierTexte(fichier, Lignes(fenetres), &erreur))
        throw std::runtime_error(fichier + " : " + erreur);
}

}  // namespace Traduction
