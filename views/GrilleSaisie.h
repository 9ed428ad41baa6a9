// What the grid dialog edits: the four families of reference lines as the
// user typed them (cell texts), their checks, the three generators that fill
// them, and the one step that turns a checked entry into the document's
// definition and cuts the hull again.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/Document.h"

namespace GrilleSaisie {

// The dialog's pages, in order.
enum Page { pgCouples = 0, pgLignesEau = 1, pgLongitudinales = 2, pgDiagonales = 3 };

// The count limits of the dialog (tighter than the definition's).
int MinLignes(int page);
int MaxLignes(int page);
// A count brought within its page's limits.
int BorneNombre(int page, int n);
// The split station brought within 1..number of stations.
int BorneScinder(int scinder, int nbCouples);

// The entry of one page: one text per line (positions, and for the
// diagonals the angles).
struct TFamille {
    std::vector<std::string> Valeurs;
    std::vector<std::string> Angles;  // diagonals only
    friend bool operator==(const TFamille&, const TFamille&) = default;
};

struct TSaisie {
    std::array<TFamille, 4> Pages;
    std::string Scinder;  // the split station
    friend bool operator==(const TSaisie&, const TSaisie&) = default;
};

// The first cell that is not a number: page, line (0-based), column (1
// position, 2 angle) and the message to show.
struct TErreur {
    int Page = 0;
    int Ligne = 0;
    int Colonne = 1;
    std::string Message;
};

// A cell read as a number: the whole text, blanks around allowed, finite.
bool LitNombre(const std::string& texte, double& v);

// The dialog filled from the definition (positions and angles as "%.6f").
TSaisie Depuis(const TDefGrille& g);

// The first cell of the entry that is not a number (all pages, in order),
// or nothing when every cell reads.
std::optional<TErreur> Verifie(const TSaisie& s);

// OK of the dialog. Every cell is checked first: on the first bad one its
// error comes back and nothing at all has changed. Otherwise the counts,
// positions, angles and split station replace the definition's (the
// highlighted station and the chosen flags stay), every surface's cut tables
// are made again for it and the cuts shown recomputed; the document is
// marked modified. An entry as the definition shows it changes nothing.
std::optional<TErreur> Applique(Document& doc, const TSaisie& s);

// The generators of the "Automatique" group for one page of n lines. They
// fill texts ("%.6f" positions, "%.1f" angles) and return the spacing.
enum Mode { mStandard = 0, mEspacement = 1, mDistance = 2 };
struct TParametres {
    Mode M = mStandard;
    double Base = 0.0;        // given spacing: first position
    double Espacement = 0.5;  // given spacing
    double Base2 = 0.0;       // given distance: from ...
    double Fin = 10.0;        // ... to
};
// The standard generator evaluates every surface and reads the document's
// extents first.
double Genere(Document& doc, int page, int n, const TParametres& p, TFamille& f);

// "%.6f" and "%.1f" with a "." whatever the locale.
std::string Format6(double v);
std::string Format1(double v);

}  // namespace GrilleSaisie
