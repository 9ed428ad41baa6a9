#include "studio/Studio.h"

#include <cmath>

namespace Studio {

void FixeZoom(TVueStudio& v, float position, int maximum) {
    v.ZoomPos = position;
    v.Distance = (static_cast<float>(maximum) - position + 1.0f) / 10.0f;
}

void ZoomPas(TVueStudio& v, bool in, float pas, int maximum) {
    v.Distance += in ? -pas : pas;
    v.ZoomPos = static_cast<float>(maximum) - v.Distance * 10.0f + 1.0f;
}

float AngleAffiche(float a) {
    if (a >= -360.0f && a <= 360.0f) return a;
    return static_cast<float>(static_cast<long long>(std::nearbyint(a)) % 360);
}

std::vector<int> OrdreSurfaces(const Document& doc) {
    std::vector<int> ordre;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < doc.NbSurf(); ++i) {
            const TEntity* s = doc.Surface(i);
            if (s && s->Visible && (s->Alpha == 1.0) == (pass == 0)) ordre.push_back(i);
        }
    return ordre;
}

bool FamillesAffichees(const TAffichage& a) {
    return a.MeSections || a.MeLignesdEau || a.MeLongitudinales || a.MeDiagonales;
}

TPasses Passes(const TAffStudio& s, const TAffichage& a) {
    TPasses p;
    const bool rempli = s.Mode == TModeSurf::Rempli, familles = FamillesAffichees(a);
    p.Masque = s.PCInvis || (rempli && familles);
    p.MasqueCouleur = rempli;
    p.Points = s.Mode == TModeSurf::Points;
    p.Contours = s.Mode == TModeSurf::Contours;
    p.Filaire = s.Mode == TModeSurf::Filaire;
    p.Rempli = rempli && !familles;
    return p;
}

TFormeGrille Forme(const TEntity& s) {
    if (const auto* n = dynamic_cast<const TSurface*>(&s)) {
        if (n->Net.NbL == 1) return TFormeGrille::LigneRangee;
        if (n->Net.NbC == 1) return TFormeGrille::LigneColonne;
        return TFormeGrille::Bandes;
    }
    if (s.DernLigne == 0) return TFormeGrille::LigneRangee;
    if (s.DernCol == 0) return TFormeGrille::LigneColonne;
    return TFormeGrille::Bandes;
}

void IndicesBandes(int R, int C, int cols, std::vector<std::uint32_t>& out) {
    out.clear();
    if (R < 1 || C < 0) return;
    out.reserve(static_cast<std::size_t>(R) * 2 * static_cast<std::size_t>(C + 1));
    for (int r = 1; r <= R; ++r)
        for (int c = 0; c <= C; ++c) {
            out.push_back(static_cast<std::uint32_t>((r - 1) * cols + c));
            out.push_back(static_cast<std::uint32_t>(r * cols + c));
        }
}

}  // namespace Studio
