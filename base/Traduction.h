// The translators' template "FormsText.tra": the texts the windows show now,
// under the keys of the text table, grouped by window, as a starting point
// for a language file. For each window, in the order the program holds them:
// an empty line, "[" + window name + "]", "rs" + name + "Caption=" + its
// title, then for each of its components, in order, the lines of its kinds:
//   label: Caption; button: Caption, and Hint when it shows one;
//   tool button: Hint when it shows one; menu item: Caption ("-" for a
//   separator); panel: Caption when not empty; edit box: Text when not
//   empty; group box: Caption; open dialog: Filter; save dialog (also an
//   open dialog): Filter twice.
// Check boxes, radio buttons, tab pages, grids and charts write nothing.
#pragma once

#include <string>
#include <vector>

namespace Traduction {

struct TComposant {
    std::string Nom{};
    // The kinds it belongs to (a component may belong to several).
    bool Label = false, Bouton = false, BoutonRapide = false, Menu = false, Panneau = false, Edit = false,
         Groupe = false, DialogueOuvrir = false, DialogueEnregistrer = false;
    std::string Caption{}, Hint{}, Texte{}, Filtre{};
    bool MontreHint = false;
};

struct TFenetre {
    std::string Nom{};
    std::string Titre;
    std::vector<TComposant> Composants;
};

std::vector<std::string> Lignes(const std::vector<TFenetre>& fenetres);

// Writes the lines as "FormsText.tra" (Windows-1252, CR LF), replacing any
// earlier file, in one step; throws std::runtime_error when it cannot.
void EnregistrerTextes(const std::vector<TFenetre>& fenetres, const std::string& fichier = "FormsText.tra");

}  // namespace Traduction
