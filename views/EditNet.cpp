#include "views/EditNet.h"

#include <algorithm>

#include "base/Debug.h"
#include "base/Langue.h"
#include "model/UiPort.h"
#include "model/Update.h"
#include "views/DrawAffiche.h"
#include "views/Selection.h"

namespace EditNet {

namespace {

// Messages of refused insertions that the text table has no text for.
constexpr const char* kPasDeReseau = "Insertion impossible : la surface courante n'a pas de réseau de vertex";
constexpr const char* kConfondus = "Insertion impossible : le vertex courant et le précédent sont confondus dans cette vue";
constexpr const char* kSansPredecesseur = "Insertion impossible : le vertex courant n'a pas de prédécesseur";

// The index of the reference in the direction that changed.
inline int& Indice(TPC& pc, bool ligne) { return ligne ? pc.I : pc.J; }

// Applies f to every reference in a list; f returns false to drop the
// reference.
template <class F>
void Filtre(TListPC& liste, F&& f) {
    for (int k = liste.Count() - 1; k >= 0; --k)
        if (!f(liste[k])) liste.Delete(k);
}

// Every list that refers to control points, renumbered by f (which sees
// every reference); ListPCSoudes is rebuilt from the lists afterwards.
template <class F>
void RenumeroteTout(Document& doc, std::span<const TVueSel> vues, F&& f) {
    for (const TVueSel& v : vues)
        if (v.Selection) Filtre(*v.Selection, f);
    for (TListPC& g : doc.ListSoudures) Filtre(g, f);
    // A group of one point welds it to nothing.
    std::erase_if(doc.ListSoudures, [](const TListPC& g) { return g.Count() < 2; });

    // ListPCSoudes keeps its order; a point no longer in any group leaves it.
    TListPC anciens = doc.ListPCSoudes.Liste();
    doc.ListPCSoudes.Clear();
    for (TPC pc : anciens) {
        if (!f(pc)) continue;
        const bool soude = std::any_of(doc.ListSoudures.begin(), doc.ListSoudures.end(),
                                       [&](const TListPC& g) { return g.Contains(pc); });
        if (soude) doc.ListPCSoudes.Add(pc);
    }
    // Points of groups that were not listed (should not happen) join it too.
    for (auto g = doc.ListSoudures.rbegin(); g != doc.ListSoudures.rend(); ++g)
        for (const TPC& pc : *g) doc.ListPCSoudes.Add(pc);
}

// The same for the references of one surface only.
template <class F>
void Renumerote(Document& doc, std::span<const TVueSel> vues, int surf, F&& f) {
    RenumeroteTout(doc, vues, [&](TPC& pc) { return pc.Surf != surf || f(pc); });
}

// The state bytes of the surface's cells move with their points: rows (or
// columns) from k on shift by `sens` (+1 insertion, -1 removal).
void DecaleEtats(TTabCoor& tab, int surf, bool ligne, int k, int sens) {
    if (surf < 0 || surf >= TTabCoor::kSurf) return;
    auto etat = [&](int a, int b) -> std::uint8_t& {
        return ligne ? tab.At(surf, a, b).Etat : tab.At(surf, b, a).Etat;
    };
    const int n = TTabCoor::kN;
    if (sens > 0) {
        for (int a = n - 1; a > k; --a)
            for (int b = 0; b < n; ++b) etat(a, b) = etat(a - 1, b);
        // The new line is active where the line it was put before is.
        if (k >= 0 && k < n)
            for (int b = 0; b < n; ++b) {
                const std::uint8_t voisin = k + 1 < n ? etat(k + 1, b) : etat(k, b);
                etat(k, b) = voisin == epInactif ? epInactif : epNormal;
            }
    } else {
        for (int a = std::max(k, 0); a + 1 < n; ++a)
            for (int b = 0; b < n; ++b) etat(a, b) = etat(a + 1, b);
    }
}

void Rafraichit(Document& doc, std::span<const TVueSel> vues, int surf) {
    for (const TVueSel& v : vues) {
        if (!v.Tab) continue;
        if (v.Selection) Selection::EtatsDepuisListe(doc, *v.Tab, *v.Selection, surf);
        if (v.Vue) Affiche::MajTabCoor(doc, *v.Tab, *v.Vue);
    }
}

void MiseAJour(Document& doc, TSurface& s, int surf) {
    doc.MarquerModifie();
    s.Calculee = 0;
    ObjCom::MajSurface(doc, false, surf);
    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajMinMaxAllNet(doc, false);
}

}  // namespace

void DecaleInsertion(Document& doc, std::span<const TVueSel> vues, int surf, bool ligne, int k) {
    DBG_SCOPE("TNet.DecaleInsertion");
    Renumerote(doc, vues, surf, [&](TPC& pc) {
        if (Indice(pc, ligne) >= k) ++Indice(pc, ligne);
        return true;
    });
    for (const TVueSel& v : vues)
        if (v.Tab) DecaleEtats(*v.Tab, surf, ligne, k, +1);
}

void DecaleSuppression(Document& doc, std::span<const TVueSel> vues, int surf, bool ligne, int k) {
    DBG_SCOPE("TNet.DecaleSuppression");
    Renumerote(doc, vues, surf, [&](TPC& pc) {
        if (Indice(pc, ligne) == k) return false;
        if (Indice(pc, ligne) > k) --Indice(pc, ligne);
        return true;
    });
    for (const TVueSel& v : vues)
        if (v.Tab) DecaleEtats(*v.Tab, surf, ligne, k, -1);
}

void DecaleSuppressionSurface(Document& doc, std::span<const TVueSel> vues, int surf) {
    DBG_SCOPE("EditNet.DecaleSuppressionSurface");
    RenumeroteTout(doc, vues, [&](TPC& pc) {
        if (pc.Surf == surf) return false;
        if (pc.Surf > surf) --pc.Surf;
        return true;
    });
    for (const TVueSel& v : vues) {
        if (!v.Tab || surf < 0) continue;
        for (int s = surf; s + 1 < TTabCoor::kSurf; ++s)
            for (int i = 0; i < TTabCoor::kN; ++i)
                for (int j = 0; j < TTabCoor::kN; ++j) v.Tab->At(s, i, j).Etat = v.Tab->At(s + 1, i, j).Etat;
    }
}

bool AjoutPC(Document& doc, TVertex3f p, int viewKind, const TViewRecord& vueActive, std::span<const TVueSel> vues,
             const std::function<void()>& avant) {
    DBG_SCOPE("TNet.AjoutPC");
    const TPC cur = doc.CurrentPC;
    TSurface* s = doc.SurfaceNurbs(cur.Surf);
    if (!s) {
        Ui::ui().showMessage(kPasDeReseau);
        return false;
    }
    if (viewKind == vkPerspective) {
        Ui::ui().showMessage("Service non fourni pour PerspForm");
        return false;
    }
    if (viewKind < vkSection || viewKind > vkProfile) {
        Ui::ui().showMessage("Fenetre fille non declaree");
        return false;
    }
    TNet& net = s->Net;
    const bool ligne = viewKind == vkSection;
    const int compte = ligne ? net.NbL : net.NbC;
    if (compte >= kMaxNetSize) {
        Ui::ui().showMessage(Langue::Txt(ligne ? "rsMaxLignes" : "rsMaxCols"));
        return false;
    }
    // In a net of one row (column) the place chosen is row (column) 1, the
    // copy still to be made; the other index must name a point.
    const int limI = ligne && compte == 1 ? 2 : net.NbL;
    const int limJ = !ligne && compte == 1 ? 2 : net.NbC;
    if (cur.I < 0 || cur.J < 0 || cur.I >= limI || cur.J >= limJ) {
        Debug::DbgMsgI(Debug::erDivers, "TNet.AjoutPC", cur.Surf, {cur.I, cur.J, net.NbL, net.NbC});
        Ui::ui().showMessage(kSansPredecesseur);
        return false;
    }

    double t = 1.0, angle = 0.0;
    int k = 1;  // a net of one row (column) gets a copy of it as row (column) 1
    if (compte > 1) {
        k = ligne ? cur.I : cur.J;
        if (k < 1) {
            Ui::ui().showMessage(kSansPredecesseur);
            return false;
        }
        // A and B on one pixel: the click gives no usable proportion.
        const TVertex4f& b4 = net.TabPC[cur.I][cur.J];
        const TVertex4f& a4 = ligne ? net.TabPC[cur.I - 1][cur.J] : net.TabPC[cur.I][cur.J - 1];
        TPoint pa, pb;
        const bool pixels = Calcs::VueVersPixel({a4.X, a4.Y, a4.Z}, pa, vueActive) &&
                            Calcs::VueVersPixel({b4.X, b4.Y, b4.Z}, pb, vueActive);
        if (!pixels || pa == pb || !net.CalcProp_AjoutPC(p, cur.I, cur.J, viewKind, t, angle)) {
            Ui::ui().showMessage(kConfondus);
            return false;
        }
    }

    // Past these checks the net cannot refuse the line: the snapshot is
    // taken now, so that a refused insertion leaves the previous one alone.
    const bool possible = compte == 1 || (k >= 1 && k < compte);
    if (!possible) {
        Debug::DbgMsgI(Debug::erDivers, "TNet.AjoutPC", cur.Surf, {k, net.NbL, net.NbC});
        return false;
    }
    if (avant) avant();
    const bool fait = ligne ? net.InsertRow(k, t, angle) : net.InsertColumn(k, t, angle, viewKind);
    if (!fait) {
        Debug::DbgMsgI(Debug::erDivers, "TNet.AjoutPC", cur.Surf, {k, net.NbL, net.NbC});
        return false;
    }
    MiseAJour(doc, *s, cur.Surf);
    DecaleInsertion(doc, vues, cur.Surf, ligne, k);
    doc.FinAction();
    Rafraichit(doc, vues, cur.Surf);
    return true;
}

bool SupprPC(Document& doc, int viewKind, std::span<const TVueSel> vues, const std::function<void()>& avant) {
    DBG_SCOPE("TNet.SupprPC");
    const TPC cur = doc.CurrentPC;
    TSurface* s = doc.SurfaceNurbs(cur.Surf);
    if (!s) return false;
    TNet& net = s->Net;
    const bool ligne = viewKind == vkSection;
    if (ligne ? !net.CanRemoveRow() : !net.CanRemoveColumn()) {
        Ui::ui().showMessage(Langue::Txt(ligne ? "rsSupprLnImpossible" : "rsSupprColImpossible"));
        return false;
    }
    const int k = ligne ? cur.I : cur.J;
    if (k < 0 || k >= (ligne ? net.NbL : net.NbC)) {
        Debug::DbgMsgI(Debug::erDivers, "TNet.SupprPC", cur.Surf, {cur.I, cur.J, net.NbL, net.NbC});
        return false;
    }
    if (avant) avant();
    if (!(ligne ? net.RemoveRow(k) : net.RemoveColumn(k))) {
        Debug::DbgMsgI(Debug::erDivers, "TNet.SupprPC", cur.Surf, {cur.I, cur.J, net.NbL, net.NbC});
        return false;
    }
    DecaleSuppression(doc, vues, cur.Surf, ligne, k);
    doc.FinAction();
    ObjCom::ChangeCurrentPC(doc, cur.Surf, 0, 0);
    MiseAJour(doc, *s, cur.Surf);
    Rafraichit(doc, vues, cur.Surf);
    return true;
}

}  // namespace EditNet
