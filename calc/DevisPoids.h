// The weight list as the weights dialog edits it: rows of texts (name, mass,
// X, Y, Z, attached surface), their reading back into weights, the ";" file
// the dialog saves and imports.
#pragma once

#include <string>
#include <vector>

#include "model/ObjCom.h"
#include "views/Saisie.h"

class Document;

namespace DevisPoids {

// One row: columns 1 to 6 of the dialog's grids.
struct TLigne {
    std::string Nom, Masse, X, Y, Z, Surface;
    friend bool operator==(const TLigne&, const TLigne&) = default;
};

// The document's weights, "%.3f"; a list without weight gives its single
// row: empty name, "0.000" in the four numbers, no surface.
std::vector<TLigne> LignesPoids(const Document& doc);
// Each surface's own weight (mass and centre), the surface named in both
// name and attached surface.
std::vector<TLigne> LignesSurfaces(const Document& doc);
// The total ("TOTAL", mass and centre as ObjCom::MajTotalPoids leaves them).
TLigne LigneTotal(const Document& doc);
// The total of the surfaces' own weights and of the weights given: that of
// the rows a printout lists.
TLigne LigneTotal(const Document& doc, const TListPoids& poids);

// A number as the grids take it: blanks around, "," or "." as decimal mark;
// false when it is not one or lies outside the domain.
bool LitNombre(const std::string& texte, double& v, Saisie::TDomaine d = Saisie::dLibre);

// Whether the rows are the grid's single row standing for no weight: its
// name empty and its four numbers empty or zero.
bool GrilleVide(const std::vector<TLigne>& lignes);

// The weights of the rows, surfaces found by name (-1 for none); a number
// cell whose text is still that of the document's weight in the same row
// keeps the weight's value bit for bit. False, with
// the row and column (2..5) of the first cell that is not a number, when
// one is not; then nothing is given.
bool LitLignes(const Document& doc, const std::vector<TLigne>& lignes, TListPoids& poids, int& ligneErr,
               int& colonneErr);

// The file: every surface row, an empty line, every weight row; six fields
// joined by ";".
std::vector<std::string> TexteFichier(const std::vector<TLigne>& surfaces, const std::vector<TLigne>& poids);

// The weight rows of an imported file: every line but the empty ones, and
// but the surface rows where the file is laid out as a save (its first rows
// each of six fields named as their surface, then an empty line, then the
// weights). Each line is trimmed, its "," read as "."; name, mass, X, Y, Z
// and, when a sixth field follows, the attached surface's name (a saved
// weight keeps its surface).
std::vector<TLigne> Importe(const std::vector<std::string>& lignes);

}  // namespace DevisPoids
