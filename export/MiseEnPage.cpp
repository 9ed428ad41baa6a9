#include "export/MiseEnPage.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "base/Debug.h"
#include "model/Update.h"

namespace MiseEnPage {

namespace {
int Arrondi(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(std::nearbyint(v), double(INT_MIN / 2), double(INT_MAX / 2)));
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
    const bool bornes = e.Min.X <= e.Max.X && e.Min.Y <= e.Max.Y;
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
            // Box units per metre of paper, divided by N.
            p.S = e.W / (std::max(1, e.PapierHorz) / 1000.0) / std::max(1, e.N);
            if (!bornes) break;
            const double dx = (double(e.Max.X) - e.Min.X) * p.S, dy = (double(e.Max.Y) - e.Min.Y) * p.S;
            p.Across = std::max(1, static_cast<int>(std::min(1e6, dx / p.U + 1)));
            p.Down = std::max(1, static_cast<int>(std::min(1e6, dy / p.V + 1)));
            p.Total = p.Across * p.Down;
            // The model centred over all the pages, the top of the model first.
            const int x0 = p.L - Arrondi(e.Min.X * p.S) + Arrondi((p.Across * double(p.U) - dx) / 2);
            const int y0 = p.T + Arrondi(e.Max.Y * p.S) + Arrondi((p.Down * double(p.V) - dy) / 2);
            p.Page = std::clamp(e.Page, 1, p.Total);
            const int col = (p.Page - 1) % p.Across, lig = (p.Page - 1) / p.Across;
            p.X0 = x0 - col * p.U;
            p.Y0 = y0 - lig * p.V;
            break;
        }
    }
    return p;
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
