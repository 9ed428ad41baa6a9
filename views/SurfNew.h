// A new NURBS surface from a starting shape, and the checks of the names
// given to surfaces (new surface, rename).
#pragma once

#include <string>
#include <vector>

#include "model/Document.h"

namespace SurfNew {

// The orders the starting shape suggests: "Longitudinale" and "Transversale".
struct TOrdres {
    int Long = 3;
    int Trans = 3;
};
// Shapes 0 (default hull) .. 6 (vertical cylinder); {3, 3} for any other.
TOrdres OrdresForme(int forme);

struct TNouvelle {
    std::string Nom;
    int Forme = 0;
    int FlexLong = 4, FlexTrans = 4;
    bool Sym = true, Visible = true, Verrou = false, Voile = false, Flotteur = true;
};

// The message that refuses the name of a new surface ("" when it is free):
// empty, or used by a surface of the document (case counts). The name is
// compared as it would be stored (20 characters).
std::string RefusNom(const Document& doc, const std::string& nom);

// Appends the surface: its net laid in the shape, LFlex from "Transversale"
// and CFlex from "Longitudinale" (the net keeps them whatever its size); name
// cut to 20 characters; not evaluated. Its index, or -1 (with "Nombre
// maximum de Surfaces atteint") when the document is full.
int AjouteSurf(Document& doc, const TNouvelle& n);

// The message that refuses renaming line `choix` of `noms` to `nom`, or "".
std::string RefusRenommer(const std::vector<std::string>& noms, int choix, const std::string& nom);

}  // namespace SurfNew
