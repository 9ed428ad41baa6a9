#include "export/MiseEnPage.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

#include "base/Chaines.h"
#include "base/Debug.h"
#include "model/Update.h"

namespace MiseEnPage {

namespace {
int Arrondi(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(std::nearbyint(v), double(INT_MIN / 2), double(INT_MAX / 2)));
}

// Pages needed for a length q times the page's: trunc(q + 1), held at kPagesSature.
std::int64_t Compte(double q) {
    return q + 1 < double(kPagesSature) ? std::max<std::int64_t>(1, std::int64_t(q + 1)) : kPagesSature;
}
}  // namespace

TImprimante Effective(const TImprimante& imp, int papierHorz, int papierVert) {
    if (imp.LargeurPhys > 0 && imp.HauteurPhys > 0 && imp.LargeurPage > 0 && imp.HauteurPage > 0) return imp;
    TImprimante r;
    r.LargeurPhys = r.LargeurPage = std::max(1, papierHorz);
    r.HauteurPhys = r.HauteurPage = std::max(1, papierVert);
    return r;
}

void TaillePapier(int a, int b, bool paysage, int& horz, int& vert) {
    horz = paysage ? std::max(a, b) : std::min(a, b);
    vert = paysage ? std::min(a, b) : std::max(a, b);
}

bool PapierDifferent(int horz, int vert, double w, double h) {
    if (horz <= 0 || vert <= 0 || !(w > 0) || !(h > 0)) return false;
    return std::abs(double(horz) * h / vert - w) > 1.0 || std::abs(double(vert) * w / horz - h) > 1.0;
}

void TailleApercu(const TImprimante& imp, int& w, int& h) {
    const double pw = std::max(1, imp.LargeurPhys), ph = std::max(1, imp.HauteurPhys);
    if (pw > ph) {
        w = 297;
        h = std::max(1, Arrondi(297.0 * ph / pw));
    } else {
        h = 297;
        w = std::max(1, Arrondi(297.0 * pw / ph));
    }
}

TPage EchelleOrigine(const TEntree& e) {
    DBG_SCOPE("TImprForm.Echelle_Origine");
    TPage p;
    const TImprimante& i = e.Imp;
    const double w = std::max(1, i.LargeurPhys), h = std::max(1, i.HauteurPhys);
    // The printable area runs from the offset over the printable width.
    p.L = Arrondi(i.OffsetX * e.W / w);
    p.T = Arrondi(i.OffsetY * e.H / h);
    p.R = Arrondi((i.OffsetX + i.LargeurPage) * e.W / w);
    p.B = Arrondi((i.OffsetY + i.HauteurPage) * e.H / h);
    p.U = std::max(1, p.R - p.L);
    p.V = std::max(1, p.B - p.T);
    switch (e.Mode) {
        case TEchelle::Ecran: {
            const double k = e.Vue.Scale > 0 ? e.Vue.Scale : 1.0;
            const int cw = std::max(1, e.ClientW), ch = std::max(1, e.ClientH);
            p.S = std::min(k * p.U / cw, k * p.V / ch);
            p.X0 = Arrondi(e.W / 2.0) - Arrondi((Arrondi(cw / 2.0) - e.Vue.OriginX) * p.S / k);
            p.Y0 = Arrondi(e.H / 2.0) - Arrondi((Arrondi(ch / 2.0) - e.Vue.OriginY) * p.S / k);
            break;
        }
        case TEchelle::Ajuster: {
            TViewRecord v = e.Vue;
            if (ObjCom::AjusteRectangleEtendue(e.Min, e.Max, p.U, p.V, INT_MAX, v)) {
                p.S = v.Scale;
                p.X0 = p.L + v.OriginX;
                p.Y0 = p.T + v.OriginY;
            } else {
                p.S = e.Vue.Scale;
                p.X0 = p.L;
                p.Y0 = p.T;
            }
            break;
        }
        case TEchelle::Fixe: {
            // Box units per millimetre of paper.
            const double k = e.W / double(std::max(1, e.PapierHorz));
            const TPavage t = Pavage(e);
            p.S = t.S * k;
            p.Across = t.Across;
            p.Down = t.Down;
            p.Total = t.Total;
            p.Page = std::clamp<std::int64_t>(e.Page, 1, p.Total);
            const std::int64_t col = (p.Page - 1) % p.Across, lig = (p.Page - 1) / p.Across;
            p.X0 = Arrondi((t.X0 - col * t.U) * k);
            p.Y0 = Arrondi((t.Y0 - lig * t.V) * k);
            break;
        }
    }
    return p;
}

TPavage Pavage(const TEntree& e) {
    DBG_SCOPE("TImprForm.ComptePages");
    TPavage t;
    const TImprimante& i = e.Imp;
    // Printer units to millimetres of the chosen paper.
    const double mm = std::max(1, e.PapierHorz) / double(std::max(1, i.LargeurPhys));
    t.L = i.OffsetX * mm;
    t.T = i.OffsetY * mm;
    t.U = std::max(1, i.LargeurPage) * mm;
    t.V = std::max(1, i.HauteurPage) * mm;
    t.S = 1000.0 / std::max(1, e.N);
    if (!(e.Min.X <= e.Max.X && e.Min.Y <= e.Max.Y)) return t;
    const double dx = (double(e.Max.X) - e.Min.X) * t.S, dy = (double(e.Max.Y) - e.Min.Y) * t.S;
    t.Across = Compte(dx / t.U);
    t.Down = Compte(dy / t.V);
    t.Total = t.Across * t.Down;
    // The model centred over all the pages, the top of the model first.
    t.X0 = t.L - e.Min.X * t.S + (double(t.Across) * t.U - dx) / 2;
    t.Y0 = t.T + e.Max.Y * t.S + (double(t.Down) * t.V - dy) / 2;
    return t;
}

bool LitEchelle(std::string_view texte, int& n) {
    std::string_view t = Chaines::SansBlancs(texte);
    if (const auto barre = t.find('/'); barre != std::string_view::npos) {
        if (Chaines::SansBlancs(t.substr(0, barre)) != "1") return false;
        t = Chaines::SansBlancs(t.substr(barre + 1));
    }
    long long v = 0;
    const auto [fin, err] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || fin != t.data() + t.size() || (err != std::errc() && err != std::errc::result_out_of_range))
        return false;
    // Out of range: a number of digits too long for 64 bits, held at its end.
    if (err == std::errc::result_out_of_range) v = t.front() == '-' ? 1 : 1000;
    n = static_cast<int>(std::clamp(v, 1LL, 1000LL));
    return true;
}

TViewRecord VuePage(const TEntree& e, const TPage& p) {
    TViewRecord v = e.Vue;
    v.Scale = static_cast<float>(p.S);
    v.OriginX = p.X0;
    v.OriginY = p.Y0;
    v.PenMode = kPenCopy;
    return v;
}

}  // namespace MiseEnPage
