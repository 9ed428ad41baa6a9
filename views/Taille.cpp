#include "views/Taille.h"

#include <algorithm>

#include "base/Chaines.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Bounds.h"
#include "views/ListeSurf.h"

namespace Taille {

TDimensions Dimensions(const Document& doc, const std::vector<bool>& sel) {
    DBG_SCOPE("TTailleForm.CalcDimentions");
    TDimensions d;
    d.MinX.X = d.MinY.Y = d.MinZ.Z = kBorneMin;
    d.MaxX.X = d.MaxY.Y = d.MaxZ.Z = kBorneMax;
    TListSurf liste;
    for (int i = std::min(doc.NbSurf(), static_cast<int>(sel.size())) - 1; i >= 0; --i) {
        if (!sel[static_cast<std::size_t>(i)]) continue;
        liste.Add(i);
        const TEntity& s = *doc.Surface(i);
        if (s.PtMinX.X < d.MinX.X) d.MinX = s.PtMinX;
        if (s.PtMaxX.X > d.MaxX.X) d.MaxX = s.PtMaxX;
        if (s.PtMinY.Y < d.MinY.Y) d.MinY = s.PtMinY;
        if (s.PtMaxY.Y > d.MaxY.Y) d.MaxY = s.PtMaxY;
        if (s.PtMinZ.Z < d.MinZ.Z) d.MinZ = s.PtMinZ;
        if (s.PtMaxZ.Z > d.MaxZ.Z) d.MaxZ = s.PtMaxZ;
    }
    if (liste.Count() == 0) return {};
    d.Longueur = d.MaxY.Y - d.MinY.Y;
    d.Largeur = d.MaxX.X - d.MinX.X;
    d.Hauteur = d.MaxZ.Z - d.MinZ.Z;
    d.HauteurMax = std::max(d.MaxZ.Z, 0.0);
    d.ProfondeurMax = std::min(d.MinZ.Z, 0.0);
    TEtendue e;
    Calcs::LongueurLELstSurf(doc, liste, e, 0.0);
    d.LongueurFlottaison = e.Size;
    Calcs::LargeurLELstSurf(doc, liste, e, 0.0);
    d.LargeurFlottaison = e.Size;
    return d;
}

std::vector<TLigneCote> LignesCotes(const Document& doc) {
    static const char* const kVues[] = {"rsSection", "rsPlan", "rsProfil"};
    std::vector<TLigneCote> r;
    for (const TCote& c : doc.ListCotes) {
        const int v = c.Mesure.View;
        r.push_back({c.Kind, c.Mesure.Text, v >= 0 && v < 3 ? Langue::Txt(kVues[v]) : std::string()});
    }
    return r;
}

bool SupprimeCote(Document& doc, int i) {
    if (i < 0 || i >= static_cast<int>(doc.ListCotes.size())) return false;
    doc.ListCotes.erase(doc.ListCotes.begin() + i);
    return true;
}

void Visibilite(Document& doc, const std::vector<bool>& sel) {
    DBG_SCOPE("TListeSurfVisiblesForm.Applique");
    for (int i = 0; i < doc.NbSurf(); ++i)
        doc.Surface(i)->Visible = static_cast<std::size_t>(i) < sel.size() && sel[static_cast<std::size_t>(i)];
    ListeSurf::PremiereCourante(doc);
}

int BornePrecision(const std::string& texte, int courante, bool debug) {
    int v = 0;
    if (!Chaines::TexteVersEntier(texte, v)) v = courante;
    return std::clamp(v, debug ? kPrecisionMinDebug : kPrecisionMin, kPrecisionMax);
}

}  // namespace Taille
