#include "views/Zoom.h"

#include <cmath>

#include "base/Debug.h"
#include "model/Document.h"
#include "model/Update.h"

namespace Zoom {

namespace {
inline int Arrondi(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

void SauvePrec(const TViewRecord& vue, TVuePrec& prec) {
    prec.OrigX = vue.OriginX;
    prec.OrigY = vue.OriginY;
    prec.Echelle = vue.Scale;
}

void EchangePrec(TViewRecord& vue, TVuePrec& prec) {
    DBG_SCOPE("TMainForm.MeVuePrecedClick");
    const TVuePrec maintenant{vue.OriginX, vue.OriginY, vue.Scale};
    // A previous view that was never set (scale 0) would leave the view unusable.
    if (prec.Echelle > 0.0 && std::isfinite(prec.Echelle)) {
        vue.OriginX = prec.OrigX;
        vue.OriginY = prec.OrigY;
        vue.Scale = static_cast<float>(prec.Echelle);
    }
    prec = maintenant;
}

double FacteurAgrandir(const Ui::KeyState& k) {
    if (k.alt) return 1.6;
    if (k.ctrl) return 1.1;
    return 1.3;
}

double FacteurReduire(const Ui::KeyState& k) {
    if (k.alt) return 0.625;
    if (k.ctrl) return 1.0 / 1.1;
    return 1.0 / 1.3;
}

namespace {
// The scale becomes s; the model point under the centre of the client area stays there.
void Pas(TViewRecord& vue, int w, int h, double s) {
    const int cx = Arrondi(w / 2.0), cy = Arrondi(h / 2.0);
    const int dx = cx - vue.OriginX, dy = cy - vue.OriginY;
    const double ancienne = vue.Scale;
    vue.Scale = static_cast<float>(s);
    if (!(ancienne > 0.0)) return;
    const double r = static_cast<double>(vue.Scale) / ancienne;
    vue.OriginX += dx - Arrondi(dx * r);
    vue.OriginY += dy - Arrondi(dy * r);
}
}  // namespace

void ZoomFacteur(TViewRecord& vue, int w, int h, double facteur, int zoomMax) {
    double s = vue.Scale * facteur;
    if (s > zoomMax) s = zoomMax;
    if (s < kEchelleMin) s = kEchelleMin;
    Pas(vue, w, h, s);
}

void AgrandireVue(TViewRecord& vue, int w, int h, int zoomMax, const Ui::KeyState& k) {
    DBG_SCOPE("TFormFille.AgrandireVue");
    double s = vue.Scale * FacteurAgrandir(k);
    if (s > zoomMax) s = zoomMax;
    Pas(vue, w, h, s);
}

void ReduireVue(TViewRecord& vue, int w, int h, const Ui::KeyState& k) {
    DBG_SCOPE("TFormFille.ReduireVue");
    double s = vue.Scale * FacteurReduire(k);
    if (s < kEchelleMin) s = kEchelleMin;
    Pas(vue, w, h, s);
}

void CentreFenetre(TViewRecord& vue, int w, int h) {
    DBG_SCOPE("TFormFille.CentreFenetre");
    vue.OriginX = Arrondi(w / 2.0);
    vue.OriginY = Arrondi(h / 2.0);
}

bool ZoomBoite(TViewRecord& vue, int w, TPoint c1, int x2, int zoomMax) {
    DBG_SCOPE("TFormFille.ZoomBoite");
    // The direction of the box came from the last move; the release may be
    // elsewhere. Only a box that still extends to the right is applied.
    const int largeur = x2 - c1.X;
    if (largeur <= 0 || w <= 0) return false;
    const double ancienne = vue.Scale;
    if (!(ancienne > 0.0)) return false;
    double s = static_cast<double>(w) * ancienne / largeur;
    if (s > zoomMax) s = zoomMax;
    vue.Scale = static_cast<float>(s);
    const double r = static_cast<double>(vue.Scale) / ancienne;
    vue.OriginX = Arrondi((vue.OriginX - c1.X) * r);
    vue.OriginY = Arrondi((vue.OriginY - c1.Y) * r);
    return true;
}

void Pan(TViewRecord& vue, int dx, int dy) {
    vue.OriginX += dx;
    vue.OriginY += dy;
}

bool AjusteFenetre(const Document& doc, TViewRecord& vue, TVuePrec& prec, int w, int h) {
    DBG_SCOPE("TFormFille.AjusteFenetre");
    const TVuePrec avant{vue.OriginX, vue.OriginY, vue.Scale};
    if (!ObjCom::AjusteRectangle(doc, 1, w, h, vue)) return false;
    prec = avant;
    return true;
}

void SauveVue(const TViewRecord& vue, TVueSauvee& slot) {
    DBG_SCOPE("TMainForm.MeSauverLaVueClick");
    slot.OrigX = vue.OriginX;
    slot.OrigY = vue.OriginY;
    slot.Echelle = vue.Scale;
    if (vue.Kind == vkPerspective) {
        slot.Angle1 = vue.Azimuth;
        slot.Angle2 = vue.Elevation;
    }
    slot.Sauvee = true;
}

bool VuePersonnalisee(TViewRecord& vue, TVueSauvee& slot, TVuePrec& prec) {
    DBG_SCOPE("TMainForm.MeVuePersonnaliseeClick");
    // A slot read from a file with a scale that is no scale is not applied.
    if (!slot.Sauvee || !(slot.Echelle > 0.0f) || !std::isfinite(slot.Echelle)) {
        SauveVue(vue, slot);
        return false;
    }
    SauvePrec(vue, prec);
    vue.OriginX = slot.OrigX;
    vue.OriginY = slot.OrigY;
    vue.Scale = slot.Echelle;
    if (vue.Kind == vkPerspective && std::isfinite(slot.Angle1) && std::isfinite(slot.Angle2)) {
        vue.Azimuth = slot.Angle1;
        vue.Elevation = slot.Angle2;
    }
    return true;
}

}  // namespace Zoom
