#include "views/Selection.h"

#include <algorithm>

#include "base/Debug.h"
#include "base/Langue.h"
#include "model/UiPort.h"
#include "model/Undo.h"
#include "model/Update.h"

namespace Selection {

namespace {

inline int Lignes(const TNet& net) { return std::clamp(net.NbL, 0, kMaxNetSize); }
inline int Colonnes(const TNet& net) { return std::clamp(net.NbC, 0, kMaxNetSize); }

// Calls f(s, net) for every NURBS surface the table can hold.
template <class F>
void PourChaqueNet(const Document& doc, F&& f) {
    const int n = std::min(doc.NbSurf(), TTabCoor::kSurf);
    for (int s = 0; s < n; ++s)
        if (const TSurface* sf = doc.SurfaceNurbs(s)) f(s, *sf);
}

template <class F>
void PourChaqueCellule(TTabCoor& tab, int s, const TNet& net, F&& f) {
    const int nl = Lignes(net), nc = Colonnes(net);
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nc; ++j) f(tab.At(s, i, j));
}

inline bool Editable(const TEntity& e) { return e.Visible != 0 && e.Verrou == 0; }

void MessageDeuxVertex() { Ui::ui().showMessage(Langue::Txt("rsSelLeast2Vx")); }

}  // namespace

TVertex4f* Point(Document& doc, const TPC& pc) {
    TSurface* s = doc.SurfaceNurbs(pc.Surf);
    if (!s || pc.I < 0 || pc.J < 0 || pc.I >= Lignes(s->Net) || pc.J >= Colonnes(s->Net)) return nullptr;
    return &s->Net.TabPC[pc.I][pc.J];
}

const TVertex4f* Point(const Document& doc, const TPC& pc) {
    return Point(const_cast<Document&>(doc), pc);
}

void SelectPoint(TTabCoor& tab, TListPC& sel, const TPC& pc) {
    DBG_SCOPE("TFormFille.SelectPoint");
    if (sel.Contains(pc)) return;
    if (pc.I < 0 || pc.J < 0) Ui::ui().showMessage("TFormFille.SelectPoint");
    sel.Add(pc);
    if (TTabCoor::Dans(pc.Surf, pc.I, pc.J)) tab.At(pc.Surf, pc.I, pc.J).Etat = epSelect;
}

void UnSelectPoint(TTabCoor& tab, TListPC& sel, const TPC& pc) {
    DBG_SCOPE("TFormFille.UnSelectPoint");
    sel.Remove(pc);
    if (TTabCoor::Dans(pc.Surf, pc.I, pc.J)) tab.At(pc.Surf, pc.I, pc.J).Etat = epNormal;
}

void SelectAllPoints(const Document& doc, TTabCoor& tab, TListPC& sel) {
    DBG_SCOPE("TFormFille.SelectAllPoints");
    PourChaqueNet(doc, [&](int s, const TSurface& sf) {
        if (!Editable(sf)) return;
        const int nl = Lignes(sf.Net), nc = Colonnes(sf.Net);
        for (int i = 0; i < nl; ++i)
            for (int j = 0; j < nc; ++j) SelectPoint(tab, sel, TPC{s, i, j});
    });
}

void SelectNet(const Document& doc, TTabCoor& tab, TListPC& sel, int surf) {
    DBG_SCOPE("TFormFille.SelectNet");
    const TSurface* sf = doc.SurfaceNurbs(surf);
    if (!sf || surf >= TTabCoor::kSurf) return;
    const int nl = Lignes(sf->Net), nc = Colonnes(sf->Net);
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nc; ++j) SelectPoint(tab, sel, TPC{surf, i, j});
}

void UnSelectAllPoints(TTabCoor& tab, TListPC& sel) {
    DBG_SCOPE("TFormFille.UnSelectAllPoints");
    for (int s = 0; s < TTabCoor::kSurf; ++s)
        for (int i = 0; i < TTabCoor::kN; ++i)
            for (int j = 0; j < TTabCoor::kN; ++j) {
                TCellPC& c = tab.At(s, i, j);
                if (c.Etat == epSelect) c.Etat = epNormal;
            }
    sel.Clear();
}

void PCNonActif(const Document& doc, TTabCoor& tab) {
    DBG_SCOPE("TFormFille.PCNonActif");
    PourChaqueNet(doc, [&](int s, const TSurface& sf) {
        PourChaqueCellule(tab, s, sf.Net, [](TCellPC& c) { c.Etat = epInactif; });
    });
}

void PCActif(const Document& doc, TTabCoor& tab) {
    DBG_SCOPE("TFormFille.PCActif");
    PourChaqueNet(doc, [&](int s, const TSurface& sf) {
        PourChaqueCellule(tab, s, sf.Net, [](TCellPC& c) {
            if (c.Etat == epInactif) c.Etat = epNormal;
        });
    });
}

void OneNetPCNonActif(const Document& doc, TTabCoor& tab, int surf) {
    DBG_SCOPE("TFormFille.OneNetPCNonActif");
    const TSurface* sf = doc.SurfaceNurbs(surf);
    if (!sf || surf >= TTabCoor::kSurf) return;
    PourChaqueCellule(tab, surf, sf->Net, [](TCellPC& c) { c.Etat = epInactif; });
}

void OneNetPCActif(const Document& doc, TTabCoor& tab, int surf) {
    DBG_SCOPE("TFormFille.OneNetPCActif");
    const TSurface* sf = doc.SurfaceNurbs(surf);
    if (!sf || surf >= TTabCoor::kSurf) return;
    PourChaqueCellule(tab, surf, sf->Net, [](TCellPC& c) {
        if (c.Etat == epInactif) c.Etat = epNormal;
    });
}

void PCLnActif(const Document& doc, TTabCoor& tab, int surf, int row) {
    DBG_SCOPE("TFormFille.PCLnActif");
    const TSurface* sf = doc.SurfaceNurbs(surf);
    if (!sf || surf >= TTabCoor::kSurf || row < 0 || row >= Lignes(sf->Net)) return;
    for (int j = 0; j < Colonnes(sf->Net); ++j) {
        TCellPC& c = tab.At(surf, row, j);
        if (c.Etat == epInactif) c.Etat = epNormal;
    }
}

void PCColActif(const Document& doc, TTabCoor& tab, int surf, int col) {
    DBG_SCOPE("TFormFille.PCColActif");
    const TSurface* sf = doc.SurfaceNurbs(surf);
    if (!sf || surf >= TTabCoor::kSurf || col < 0 || col >= Colonnes(sf->Net)) return;
    for (int i = 0; i < Lignes(sf->Net); ++i) {
        TCellPC& c = tab.At(surf, i, col);
        if (c.Etat == epInactif) c.Etat = epNormal;
    }
}

void PCLnColActif(Document& doc, TTabCoor& tab) {
    DBG_SCOPE("TFormFille.PCLnColActif");
    const int n = std::min(doc.NbSurf(), TTabCoor::kSurf);
    for (int s = 0; s < n; ++s) {
        const TSurface* sf = doc.SurfaceNurbs(s);
        if (!sf) continue;
        const TNet& net = sf->Net;
        if (net.AffColonnes) {
            if (net.ColonneAffichee == -1) {
                OneNetPCActif(doc, tab, s);
            } else {
                PCColActif(doc, tab, s, net.ColonneAffichee);
                ObjCom::ChangeCurrentPC(doc, doc.CurrentPC.Surf, doc.CurrentPC.I, net.ColonneAffichee);
            }
        } else if (net.AffLignes) {
            if (net.LigneAffichee == -1) {
                OneNetPCActif(doc, tab, s);
            } else {
                PCLnActif(doc, tab, s, net.LigneAffichee);
                ObjCom::ChangeCurrentPC(doc, doc.CurrentPC.Surf, net.LigneAffichee, doc.CurrentPC.J);
            }
        }
    }
}

void SelPCinZone(const Document& doc, TTabCoor& tab, TListPC& sel, TPoint c1, TPoint c2) {
    DBG_SCOPE("TFormFille.SelPCinZone");
    const int x1 = std::min(c1.X, c2.X), x2 = std::max(c1.X, c2.X);
    const int y1 = std::min(c1.Y, c2.Y), y2 = std::max(c1.Y, c2.Y);
    PourChaqueNet(doc, [&](int s, const TSurface& sf) {
        if (!Editable(sf)) return;
        const int nl = Lignes(sf.Net), nc = Colonnes(sf.Net);
        for (int i = 0; i < nl; ++i)
            for (int j = 0; j < nc; ++j) {
                const TCellPC& c = tab.At(s, i, j);
                if (c.Etat == epInactif || !c.Valide) continue;
                if (c.X >= x1 && c.X <= x2 && c.Y >= y1 && c.Y <= y2) SelectPoint(tab, sel, TPC{s, i, j});
            }
    });
}

void EtatsDepuisListe(const Document& doc, TTabCoor& tab, const TListPC& sel, int surf) {
    const TSurface* sf = doc.SurfaceNurbs(surf);
    if (!sf || surf < 0 || surf >= TTabCoor::kSurf) return;
    // Every cell of the table's rows and columns: those beyond the net's
    // counts may become points again when the net grows.
    for (int i = 0; i < TTabCoor::kN; ++i)
        for (int j = 0; j < TTabCoor::kN; ++j) {
            TCellPC& c = tab.At(surf, i, j);
            if (c.Etat == epSelect) c.Etat = epNormal;
        }
    for (const TPC& pc : sel)
        if (pc.Surf == surf && TTabCoor::Dans(pc.Surf, pc.I, pc.J)) {
            TCellPC& c = tab.At(surf, pc.I, pc.J);
            if (c.Etat == epNormal) c.Etat = epSelect;
        }
}

void Revalide(const Document& doc, TTabCoor& tab, TListPC& sel) {
    DBG_SCOPE("TFormFille.Revalide");
    for (int k = sel.Count() - 1; k >= 0; --k)
        if (!Point(doc, sel[k])) sel.Delete(k);
    const int n = std::min(doc.NbSurf(), TTabCoor::kSurf);
    for (int s = 0; s < n; ++s) EtatsDepuisListe(doc, tab, sel, s);
}

bool SouderPC(Document& doc, const TListPC& sel) {
    DBG_SCOPE("TFormFille.SouderPC");
    if (sel.Count() < 2) {
        MessageDeuxVertex();
        return false;
    }
    // No record holds the welds: Annuler goes off rather than take back an
    // earlier move and leave the group's points apart.
    doc.RecordAction(TUndo::kSansRetour);
    TListPC groupe;
    for (const TPC& pc : sel) groupe.Add(pc);
    doc.AjouteSoudure(groupe);
    return true;
}

int DessouderPC(Document& doc, const TListPC& sel) {
    DBG_SCOPE("TFormFille.DessouderPC");
    TListPC aLiberer;
    if (sel.empty())
        aLiberer.Add(doc.CurrentPC);
    else
        aLiberer = sel;
    int retires = 0;
    for (const TPC& pc : aLiberer) {
        for (int g = static_cast<int>(doc.ListSoudures.size()) - 1; g >= 0; --g) {
            if (!doc.ListSoudures[static_cast<std::size_t>(g)].Contains(pc)) continue;
            if (retires == 0) doc.RecordAction(TUndo::kSansRetour);  // as for a weld
            doc.ListSoudures.erase(doc.ListSoudures.begin() + g);
            ++retires;
            break;
        }
    }
    doc.ListPCSoudes.Reconstruit(doc.ListSoudures);
    return retires;
}

bool GrouperPC(Document& doc, const TListPC& sel, int viewKind, bool enEspace) {
    DBG_SCOPE("TFormFille.GrouperPC");
    if (sel.Count() < 2) {
        MessageDeuxVertex();
        return false;
    }
    const TVertex4f* ref = Point(doc, sel[0]);
    if (!ref) {
        // The first selected point is not a point of the document any more.
        Debug::DbgMsgI(Debug::erDivers, "TFormFille.GrouperPC", sel[0].Surf, {sel[0].I, sel[0].J});
        return false;
    }
    doc.RecordAction(0);
    const TVertex4f r = *ref;
    for (int k = 1; k < sel.Count(); ++k) {
        TVertex4f* p = Point(doc, sel[k]);
        if (!p) {
            Debug::DbgMsgI(Debug::erDivers, "TFormFille.GrouperPC", sel[k].Surf, {sel[k].I, sel[k].J});
            continue;
        }
        if (enEspace) {
            p->X = r.X;
            p->Y = r.Y;
            p->Z = r.Z;
        } else {
            switch (viewKind) {
                case vkSection: p->X = r.X; p->Z = r.Z; break;
                case vkPlan: p->X = r.X; p->Y = r.Y; break;
                case vkProfile: p->Y = r.Y; p->Z = r.Z; break;
                default: break;  // the perspective shows no plane
            }
        }
        if (TEntity* e = doc.Surface(sel[k].Surf)) e->Calculee = 0;
    }
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajMinMaxAllNet(doc, false);
    return true;
}

}  // namespace Selection
