// The working copies of the surface properties dialog: one per surface,
// filled from the document, changed by the dialog, written back on OK
// (only those changed), and the reset of a surface's frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Document.h"

namespace PropSurf {

constexpr int kOrdreMin = 2;
constexpr int kOrdreMax = 6;

// The name shown beside an order: 2 "Rigide" ... 6 "Très souple"; empty for
// any other value.
const char* NomOrdre(int ordre);

struct TPropSurf {
    std::string Nom;
    bool Nurbs = false;
    int LFlex = 0, CFlex = 0;   // 0 for a mesh
    std::uint8_t Visible = 1, Verrou = 0, Sym = 1, Calc = 1, Voile = 0;
    std::int32_t Couleur = -1;
    double Alpha = 1.0;
    TPlanSym Plan;
    float Ambient = 0.0f, Specular = 0.5f, Shininess = 128.0f, Emission = 0.0f;
    std::uint8_t Orientation = 1;
    std::uint8_t Jonction = 0;
    bool Modifie = false;
    bool RAZPlan = false;
    std::uint8_t CG = 1;
    int TypePoids = tpFixe;
    double Epaisseur = 0.0, Densite = 0.0, PoidsParM2 = 0.0;
    double Masse = 0.0;

    friend bool operator==(const TPropSurf&, const TPropSurf&) = default;
};

// One copy per surface, in document order.
std::vector<TPropSurf> Remplit(const Document& doc);

// Writes back every changed copy (the orders as they stand: the evaluation
// lowers them where the net has fewer points; an empty name keeps the stored one) and resets the frames asked for; each surface
// touched loses its calculated flag. Copies and surfaces pair by index.
// A frame reset that moves a surface is recorded for Annuler; a change of any
// other property leaves Annuler off (no record holds it).
void Ecrit(Document& doc, const std::vector<TPropSurf>& copies);

// The first surface whose copy was renamed to a name another copy holds
// (case counts); -1 when every name given is free. Names already shared in
// the document are left as they are.
int NomPris(const Document& doc, const std::vector<TPropSurf>& copies);

// The surface takes its frame's place at the world origin with the world
// axes (points moved and turned back with it); the frame is reset.
void RAZPlanSym(Document& doc, int surf);

}  // namespace PropSurf
