#include "views/Gestes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "base/Debug.h"
#include "base/Format.h"
#include "base/Langue.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "views/Selection.h"
#include "views/Zoom.h"

namespace Gestes {

namespace {

inline int Arrondi(double v) { return static_cast<int>(std::nearbyint(v)); }
inline bool Editable(const TEntity& e) { return e.Visible != 0 && e.Verrou == 0; }
inline TVertex3f Xyz(const TVertex4f& p) { return {p.X, p.Y, p.Z}; }
inline TVertex3f Plus(TVertex3f a, TVertex3f b) { return {a.X + b.X, a.Y + b.Y, a.Z + b.Z}; }
inline bool Egaux(const TVertex3f& a, const TVertex3f& b) { return a.X == b.X && a.Y == b.Y && a.Z == b.Z; }

// The pixel square of a marker: x - 3 .. x + 4, y - 3 .. y + 4.
inline bool DansMarqueur(TPoint m, TPoint c) {
    return m.X >= c.X - 3 && m.X <= c.X + 4 && m.Y >= c.Y - 3 && m.Y <= c.Y + 4;
}
inline bool Proche(TPoint m, TPoint c) { return std::abs(m.X - c.X) <= kTolerance && std::abs(m.Y - c.Y) <= kTolerance; }

std::string Fixe2(double v) { return Format::Fixe(v, 2); }

// The off-view coordinate of a model point in a view: Y in the section,
// Z in the plan, X in the profile.
double HorsVue(int kind, const TVertex3f& p) {
    switch (kind) {
        case vkSection: return p.Y;
        case vkPlan: return p.Z;
        case vkProfile: return p.X;
        default: return 0.0;
    }
}

TMesure NouvelleMesure(int outil) {
    return TMesure(outil == otMesureRayon || outil == otCoteRayon ? TMesure::gCercle : TMesure::gMetre);
}

}  // namespace

const char* NomItem(TItem item) {
    static constexpr const char* kNoms[kNbItems] = {
        "MeZoom",     "MeDeplacerVue", "MeAjoutRepere", "MeMesureMetre", "MeMesureCercle", "MeMesureAngle",
        "MeCotMetre", "MeCotRayon",    "MeCotAngle",    "MeAjoutPoids",  "MeAjouterVx",    "MeSupprimerVx",
        "MeDeplHori", "MeDeplVert",    "MeDeplHoriProp", "MeDeplVertProp",
    };
    const int k = static_cast<int>(item);
    return k >= 0 && k < kNbItems ? kNoms[k] : "";
}

TVertex3f DeltaModele(int kind, double scale, int dx, int dy) {
    if (!(scale > 0.0)) return {};
    const double h = dx / scale, v = dy / scale;
    switch (kind) {
        case vkSection: return {h, 0.0, -v};
        case vkPlan: return {v, h, 0.0};
        case vkProfile: return {0.0, h, -v};
        default: return {};
    }
}

TVertex3f TGestes::PointModele(TPoint p, double hors) const {
    TVertex3f r;
    Calcs::PixelVersPoint(v_.Vue, p, hors, r);
    return r;
}

bool TGestes::PixelPC(const TPC& pc, TPoint& px) const {
    if (!TTabCoor::Dans(pc.Surf, pc.I, pc.J)) return false;
    const TCellPC& c = v_.Tab.At(pc.Surf, pc.I, pc.J);
    px = {c.X, c.Y};
    return c.Valide;
}

void TGestes::SauvePrec() {
    v_.PrecOrigX = v_.Vue.OriginX;
    v_.PrecOrigY = v_.Vue.OriginY;
    v_.PrecEchelle = v_.Vue.Scale;
}

// ---- Choice of the tool -----------------------------------------------------------

int TGestes::SelAction(int bouton, const Ui::KeyState& k, TPoint p) {
    DBG_SCOPE("TFormFille.SelAction");
    if (bouton != btGauche) return otAucun;
    if (h_.Coche(TItem::MeZoom)) return otZoom;
    if (h_.Coche(TItem::MeDeplacerVue)) return otPan;
    if (h_.Coche(TItem::MeAjoutRepere)) return otRepere;
    if (h_.Coche(TItem::MeMesureMetre)) return otMesureMetre;
    if (h_.Coche(TItem::MeMesureCercle)) return otMesureRayon;
    if (h_.Coche(TItem::MeMesureAngle)) return otMesureAngle;
    if (v_.Kind() != vkPerspective) {
        if (h_.Coche(TItem::MeCotMetre)) return otCoteMetre;
        if (h_.Coche(TItem::MeCotRayon)) return otCoteRayon;
        if (h_.Coche(TItem::MeCotAngle)) return otCoteAngle;
        if (h_.Coche(TItem::MeAjoutPoids)) return otPoids;
    }
    if (h_.Coche(TItem::MeAjouterVx)) return otAjoutLnCol;
    if (EstCeUneBaseNet(p)) return doc_.CurrentBasePlanSym.Part == TCurrentBasePlanSym::Origine ? otDeplBase : otRotBase;
    if (doc_.Aff.MeOrientSurf && EstCeVectOrient(p)) return otOrientation;
    if (EstCeUnPC(p)) {
        if (h_.Coche(TItem::MeSupprimerVx)) return otSupprLnCol;
        if (k.shift && v_.Selection.Contains(doc_.CurrentPC)) return otDeselect;
        if (k.ctrl) return otSelectNet;
        return otDeplacePC;
    }
    if (!v_.Selection.empty() && !k.shift) return otEffaceSel;
    if (EstCeUnNet(p)) return otSegment;
    return otZone;
}

// ---- Hit tests -------------------------------------------------------------------------

bool TGestes::EstCeUnPC(TPoint p) {
    DBG_SCOPE("TFormFille.EstCeUnPC");
    const int n = std::min(doc_.NbSurf(), TTabCoor::kSurf);
    for (int s = 0; s < n; ++s) {
        const TSurface* sf = doc_.SurfaceNurbs(s);
        if (!sf || !Editable(*sf)) continue;
        const int nl = std::clamp(sf->Net.NbL, 0, kMaxNetSize), nc = std::clamp(sf->Net.NbC, 0, kMaxNetSize);
        for (int i = 0; i < nl; ++i)
            for (int j = 0; j < nc; ++j) {
                const TCellPC& c = v_.Tab.At(s, i, j);
                if (c.Etat == epInactif || !c.Valide) continue;
                if (Proche(p, {c.X, c.Y})) {
                    ObjCom::ChangeCurrentPC(doc_, s, i, j);
                    return true;
                }
            }
    }
    return false;
}

bool TGestes::EstCeUneBaseNet(TPoint p) {
    DBG_SCOPE("TFormFille.EstCeUneBaseNet");
    if (!doc_.Aff.MeBasePlanSym) return false;
    for (int s = 0; s < doc_.NbSurf(); ++s) {
        const TEntity* e = doc_.Surface(s);
        if (!e || !Editable(*e)) continue;
        const TPlanSym& b = e->PlanSym;
        const TVertex3f pts[4] = {b.Origin, Plus(b.Origin, b.Axis1), Plus(b.Origin, b.Axis2), Plus(b.Origin, b.Axis3)};
        for (int part = 0; part < 4; ++part) {
            TPoint px;
            if (!Calcs::VueVersPixel(pts[part], px, v_.Vue)) continue;
            const bool touche = part < 3 ? DansMarqueur(p, px) : Proche(p, px);
            if (!touche) continue;
            doc_.CurrentBasePlanSym.Surf = s;
            doc_.CurrentBasePlanSym.Part = part;
            if (part == TCurrentBasePlanSym::Origine) ObjCom::ChangeCurrentPC(doc_, s, 0, 0);
            return true;
        }
    }
    return false;
}

bool TGestes::EstCeVectOrient(TPoint p) {
    DBG_SCOPE("TFormFille.EstCeVectOrient");
    for (int s = 0; s < doc_.NbSurf(); ++s) {
        const TEntity* e = doc_.Surface(s);
        if (!e || !Editable(*e) || e->DernLigne < 0 || e->DernCol < 0) continue;
        const int i = e->DernLigne / 2, j = e->DernCol / 2;
        if (i >= e->Points.rows() || j >= e->Points.cols() || i >= e->Normales.rows() || j >= e->Normales.cols())
            continue;
        const TVertex3f q = e->Points[i][j], n = e->Normales[i][j];
        const double sens = e->Orientation == 1 ? -1.0 : 1.0;
        TPoint px;
        if (!Calcs::VueVersPixel({q.X + sens * n.X, q.Y + sens * n.Y, q.Z + sens * n.Z}, px, v_.Vue)) continue;
        if (DansMarqueur(p, px)) {
            ObjCom::ChangeCurrentPC(doc_, s, 0, 0);
            return true;
        }
    }
    return false;
}

bool TGestes::EstCeUnNet(TPoint p) {
    DBG_SCOPE("TFormFille.EstCeUnNet");
    Ui::ui().writeStatusBar(3, "");
    const int n = std::min(doc_.NbSurf(), TTabCoor::kSurf);
    for (int s = 0; s < n; ++s) {
        const TSurface* sf = doc_.SurfaceNurbs(s);
        if (!sf || !Editable(*sf)) continue;
        const int nl = std::clamp(sf->Net.NbL, 0, kMaxNetSize), nc = std::clamp(sf->Net.NbC, 0, kMaxNetSize);
        auto segment = [&](int i1, int j1, int i2, int j2) {
            const TCellPC& a = v_.Tab.At(s, i1, j1);
            const TCellPC& b = v_.Tab.At(s, i2, j2);
            return a.Valide && b.Valide && Calcs::SurSegment(p, {a.X, a.Y}, {b.X, b.Y});
        };
        for (int i = 0; i < nl; ++i)
            for (int j = 0; j + 1 < nc; ++j)
                if (segment(i, j, i, j + 1)) {
                    Ui::ui().writeStatusBar(3, sf->Nom + ", " + Langue::Txt("rsLigne") + " ( " + std::to_string(i) + ", " +
                                                   std::to_string(j) + " )");
                    return true;
                }
        for (int i = 0; i + 1 < nl; ++i)
            for (int j = 0; j < nc; ++j)
                if (segment(i, j, i + 1, j)) {
                    Ui::ui().writeStatusBar(3, sf->Nom + ", " + Langue::Txt("rsColonne") + " ( " + std::to_string(i) + ", " +
                                                   std::to_string(j) + " )");
                    return true;
                }
    }
    return false;
}

// ---- Where a row or column goes ------------------------------------------------------------

namespace {

// The line r of pixels c(r) nearest to the mouse, then before (r) or after
// (r + 1) it depending on the mouse's side of the line through c(r) square
// to its neighbours.
template <class Cell>
int LigneInsertion(TPoint m, int dernier, Cell&& c) {
    int r = 0;
    double dmin = 10000.0;
    for (int k = 0; k <= dernier; ++k) {
        const TPoint q = c(k);
        const double d = std::hypot(static_cast<double>(m.X - q.X), static_cast<double>(m.Y - q.Y));
        if (d < dmin) {
            dmin = d;
            r = k;
        }
    }
    if (r == 0) return 1;
    if (r >= dernier) return r;
    const TPoint prev = c(r - 1), cur = c(r), next = c(r + 1);
    const double a = next.Y == prev.Y ? 10000.0 : static_cast<double>(prev.X - next.X) / (next.Y - prev.Y);
    const double b = cur.Y - a * cur.X;
    const double cm = m.Y - (a * m.X + b), cp = prev.Y - (a * prev.X + b);
    const bool memeCote = (cm > 0 && cp > 0) || (cm < 0 && cp < 0);
    return memeCote ? r : r + 1;
}

// Where a row (`ligne`) or a column goes on the current surface of view `t`:
// its index, 1 when the surface cannot take one.
int IndiceInsertion(const Document& doc, const TTabCoor& t, TPoint p, bool ligne) {
    const int s = doc.CurrentPC.Surf;
    const TSurface* sf = doc.SurfaceNurbs(s);
    if (!sf || !Editable(*sf) || s >= TTabCoor::kSurf) return 1;
    const int fixe = std::clamp(ligne ? doc.CurrentPC.J : doc.CurrentPC.I, 0, kMaxNetSize - 1);
    const int dernier = std::clamp(ligne ? sf->Net.NbL : sf->Net.NbC, 1, kMaxNetSize) - 1;
    return LigneInsertion(p, dernier, [&](int k) {
        const TCellPC& c = ligne ? t.At(s, k, fixe) : t.At(s, fixe, k);
        return TPoint{c.X, c.Y};
    });
}

}  // namespace

void TGestes::SelectLnInser(TPoint p) {
    DBG_SCOPE("TFormFille.SelectLnInser");
    ObjCom::ChangeCurrentPC(doc_, -1, IndiceInsertion(doc_, v_.Tab, p, true), -1);
}

void TGestes::SelectColInser(TPoint p) {
    DBG_SCOPE("TFormFille.SelectColInser");
    ObjCom::ChangeCurrentPC(doc_, -1, -1, IndiceInsertion(doc_, v_.Tab, p, false));
}

// ---- Feedback drawn on the picture ------------------------------------------------------------

void TGestes::DrawBarresCurs(TPoint p) {
    const TColor c = h_.Couleurs().Arp ^ 0x808080u;
    const int w = v_.Largeur, hgt = v_.Hauteur;
    h_.Dessine(kPenXor, [&](const TViewRecord& vue) {
        if (!vue.Canvas) return;
        vue.Canvas->SetPen(TPen{c, 1, TPenStyle::Solid, TPenMode::Not});
        vue.Canvas->Line(0, p.Y, w, p.Y);
        vue.Canvas->Line(p.X, 0, p.X, hgt);
    });
}

void TGestes::DrawZoneControle(TPoint m) {
    const TColor arp = h_.Couleurs().Arp;
    TPoint c2 = m;
    TPen pen{arp ^ 0x00FF00u, 1, TPenStyle::Dot, TPenMode::Xor};
    if (h_.Coche(TItem::MeZoom) && m.X > g_.Coin1.X && v_.Largeur > 0) {
        c2.Y = g_.Coin1.Y + Arrondi(static_cast<double>(v_.Hauteur) / v_.Largeur * (m.X - g_.Coin1.X));
        pen = TPen{arp ^ 0x808080u, 2, TPenStyle::Dot, TPenMode::Not};
        g_.BoiteProportionnelle = true;
    } else {
        g_.BoiteProportionnelle = false;
    }
    const TPoint c1 = g_.Coin1;
    h_.Dessine(kPenXor, [&](const TViewRecord& vue) {
        if (!vue.Canvas) return;
        vue.Canvas->SetPen(pen);
        vue.Canvas->SetBrushStyle(TBrushStyle::Clear);
        vue.Canvas->Rectangle(c1.X, c1.Y, c2.X, c2.Y);
    });
}

void TGestes::EffaceBande() {
    if (g_.BandeTracee) DrawZoneControle(g_.Courant);
    g_.BandeTracee = false;
}

// ---- Press -------------------------------------------------------------------------------------------

void TGestes::MouseDown(int bouton, const Ui::KeyState& k, TPoint p) {
    DBG_SCOPE("TFormFille.MouseDown");
    g_.Bouton = bouton;
    g_.BoutonBas = true;
    g_.A = g_.B = g_.Courant = p;
    g_.Delta = {};
    g_.PremierMouvement = true;
    g_.BandeTracee = false;
    g_.Outil = SelAction(bouton, k, p);
    Presse(k, p);
}

void TGestes::Presse(const Ui::KeyState& k, TPoint p) {
    switch (g_.Outil) {
        case otAucun: break;
        case otZoom:
            SauvePrec();
            g_.BoiteZoom = true;
            g_.Coin1 = p;
            DrawBarresCurs(p);
            break;
        case otPan: SauvePrec(); break;
        case otMesureMetre:
        case otCoteMetre:
        case otMesureRayon:
        case otCoteRayon:
        case otMesureAngle:
        case otCoteAngle: PresseMesure(p); break;
        case otSupprLnCol: PresseSuppression(); break;
        case otAjoutLnCol: PresseInsertion(p); break;
        case otSelectNet:
        case otDeplacePC: PressePoint(k); break;
        case otDeselect:
            if (v_.Selection.Contains(doc_.CurrentPC)) Selection::UnSelectPoint(v_.Tab, v_.Selection, doc_.CurrentPC);
            h_.Redessine();
            break;
        case otEffaceSel:
            Selection::UnSelectAllPoints(v_.Tab, v_.Selection);
            g_.Coin1 = p;
            g_.Outil = otZone;
            h_.Redessine();
            break;
        case otZone: g_.Coin1 = p; break;
        case otSegment: break;
        case otDeplBase:
            g_.Deplace = false;
            if (!k.shift && !v_.Selection.Contains(doc_.CurrentPC)) {
                Selection::UnSelectAllPoints(v_.Tab, v_.Selection);
                h_.Redessine();
            }
            break;
        case otRotBase: BasePtRot(p); break;
        case otOrientation:
            if (TEntity* e = doc_.Surface(doc_.CurrentPC.Surf)) {
                e->Orientation = static_cast<std::uint8_t>(1 - e->Orientation);
                doc_.MarquerModifie();
            }
            h_.Redessine();
            break;
        case otPoids:
        case otRepere: break;
        default:
            Ui::ui().showMessage("Action non pr\xC3\xA9vue");
            g_.Outil = otAucun;
            break;
    }
}

void TGestes::PresseMesure(TPoint p) {
    const TVertex3f P = PointModele(p, 0.0);
    const TColor couleur = CouleurMesure();
    if (g_.Outil == otMesureAngle || g_.Outil == otCoteAngle) {
        TMesure& m = g_.MesureAngle;
        if (!g_.MesureAngleEnCours) {
            g_.MesureAngleEnCours = true;
            m = TMesure(TMesure::gAngle);
            m.NbPts = 1;
            m.P1 = m.P3 = m.P2 = P;
            m.View = v_.Vue.Kind;
            h_.Dessine(kPenCopy, [&](const TViewRecord& vue) { m.Draw(TMesure::mFinal, vue, couleur); });
        } else if (m.NbPts == 1) {
            m.P2 = P;
            h_.Dessine(kPenCopy, [&](const TViewRecord& vue) { m.Draw(TMesure::mElastique, vue, couleur); });
        } else if (m.NbPts == 2) {
            m.P3 = P;
            h_.Dessine(kPenCopy, [&](const TViewRecord& vue) { m.Draw(TMesure::mElastique, vue, couleur); });
        }
        return;
    }
    TMesure& m = g_.Mesure;
    m = NouvelleMesure(g_.Outil);
    m.P1 = m.P2 = P;
    m.View = v_.Vue.Kind;
    h_.Dessine(kPenCopy, [&](const TViewRecord& vue) { m.Draw(TMesure::mElastique, vue, couleur); });
}

void TGestes::PresseSuppression() {
    DBG_SCOPE("TFormFille.SupprPC");
    Retire(TItem::MeSupprimerVx);
    const std::vector<EditNet::TVueSel> vues = h_.Vues();
    // The undo snapshot is taken only when the net does lose the line: a
    // refused removal keeps the previous change undoable.
    EditNet::SupprPC(doc_, v_.Kind(), vues, [this] { doc_.RecordAction(TUndo::kAvecSoudures); });
    h_.Redessine();
    h_.MajFenetresPC();
    h_.CurseurDefaut();
}

void TGestes::PresseInsertion(TPoint p) {
    DBG_SCOPE("TFormFille.AjoutPC");
    Retire(TItem::MeAjouterVx);
    // Nothing to insert into: refused with its message.
    const TSurface* sf = doc_.SurfaceNurbs(doc_.CurrentPC.Surf);
    if (!sf) {
        EditNet::AjoutPC(doc_, {}, v_.Kind(), v_.Vue, {});  // gives the message
        h_.CurseurDefaut();
        return;
    }
    // A hidden or locked surface takes no line, and its current point stays.
    if (Editable(*sf)) {
        if (v_.Kind() == vkSection)
            SelectLnInser(p);
        else
            SelectColInser(p);
        const TVertex3f P = PointModele(p, 0.0);
        const std::vector<EditNet::TVueSel> vues = h_.Vues();
        // The undo snapshot only for an insertion that is made.
        EditNet::AjoutPC(doc_, P, v_.Kind(), v_.Vue, vues, [this] { doc_.RecordAction(TUndo::kAvecSoudures); });
    }
    h_.Redessine();
    h_.CurseurDefaut();
}

void TGestes::PressePoint(const Ui::KeyState& k) {
    g_.Deplace = false;
    if (!k.shift && !v_.Selection.Contains(doc_.CurrentPC)) {
        Selection::UnSelectAllPoints(v_.Tab, v_.Selection);
        h_.Redessine();
    }
    if (g_.Outil == otDeplacePC)
        Selection::SelectPoint(v_.Tab, v_.Selection, doc_.CurrentPC);
    else
        Selection::SelectNet(doc_, v_.Tab, v_.Selection, doc_.CurrentPC.Surf);
    h_.EditeurSelPoint();
    g_.ListeDeplace.Clear();
    ObjCom::MakeLstMovePC(doc_, v_.Selection, g_.ListeDeplace);
    if (g_.Outil == otSelectNet) h_.Redessine();
}

// ---- Moves -------------------------------------------------------------------------------------------

void TGestes::MouseMove(const Ui::KeyState& /*k*/, TPoint p) {
    if (g_.Outil != otRotBase) h_.Coordonnees(p);
    if (g_.BoutonBas && g_.Bouton == btGauche) {
        if (p == g_.A) return;
        switch (g_.Outil) {
            case otZoom:
            case otZone:
                EffaceBande();
                g_.Courant = p;
                DrawZoneControle(p);
                g_.BandeTracee = true;
                break;
            case otPan:
                v_.Vue.OriginX += g_.Courant.X - g_.A.X;
                v_.Vue.OriginY += g_.Courant.Y - g_.A.Y;
                g_.A = g_.Courant;
                g_.Courant = p;
                h_.Redessine();
                break;
            case otMesureMetre:
            case otCoteMetre:
            case otMesureRayon:
            case otCoteRayon:
            case otMesureAngle:
            case otCoteAngle: BougeMesure(p); break;
            case otDeplacePC:
                // The perspective moves no point: no snapshot, nothing modified.
                if (v_.Kind() == vkPerspective) break;
                if (g_.PremierMouvement) doc_.RecordAction(0);
                VertexMove(p);
                break;
            case otDeplBase:
                BasePtMove(p.X - g_.A.X, p.Y - g_.A.Y);
                g_.A = p;
                break;
            case otRotBase: BasePtRot(p); break;
            case otAucun:
            case otSupprLnCol:
            case otAjoutLnCol:
            case otSelectNet:
            case otDeselect:
            case otEffaceSel:
            case otSegment:
            case otOrientation:
            case otPoids:
            case otRepere: break;
            default:
                Ui::ui().showMessage("Action non pr\xC3\xA9vue");
                g_.Outil = otAucun;
                break;
        }
        return;
    }
    if (!g_.BoutonBas && h_.Coche(TItem::MeZoom)) {
        // The cross-hair follows the mouse.
        if (g_.PremierMouvement) {
            DrawBarresCurs(p);
            g_.PremierMouvement = false;
        } else {
            DrawBarresCurs(g_.A);
            DrawBarresCurs(p);
        }
        g_.A = p;
    }
}

void TGestes::BougeMesure(TPoint p) {
    const TVertex3f P = PointModele(p, 0.0);
    const TColor couleur = CouleurMesure();
    const bool angle = g_.Outil == otMesureAngle || g_.Outil == otCoteAngle;
    TMesure& m = angle ? g_.MesureAngle : g_.Mesure;
    h_.Dessine(kPenCopy, [&](const TViewRecord& vue) { m.Draw(TMesure::mEfface, vue, couleur); });
    // The first drag of an angle moves the end of the first leg (P2), the
    // second drag the end of the second leg (P3).
    if (angle && m.NbPts == 2)
        m.P3 = P;
    else
        m.P2 = P;
    h_.Dessine(kPenCopy, [&](const TViewRecord& vue) { m.Draw(TMesure::mElastique, vue, couleur); });
}

void TGestes::VertexMove(TPoint p) {
    DBG_SCOPE("TFormFille.VertexMove");
    const int kind = v_.Kind();
    int dx = p.X - g_.A.X, dy = p.Y - g_.A.Y;
    TPoint ref = p;
    g_.Deplace = true;
    TPoint courant{};
    const bool courantConnu = PixelPC(doc_.CurrentPC, courant);
    if (g_.PremierMouvement && courantConnu) {
        // The picked point jumps under the cursor.
        dx = p.X - courant.X;
        dy = p.Y - courant.Y;
    }

    const bool hori = h_.Coche(TItem::MeDeplHori) || h_.Coche(TItem::MeDeplHoriProp);
    const bool vert = !hori && (h_.Coche(TItem::MeDeplVert) || h_.Coche(TItem::MeDeplVertProp));
    if (hori) {
        dy = 0;
        if (courantConnu) ref.Y = courant.Y;
    } else if (vert) {
        dx = 0;
        if (courantConnu) ref.X = courant.X;
    }

    // A point of a symmetric surface stops on its symmetry plane, and every
    // other dragged point stops by the same amount.
    if (kind != vkPerspective) {
        for (const TPC& pc : g_.ListeDeplace) {
            if (pc.I < 0 || pc.J < 0) {
                Debug::DbgMsgStr(Debug::waTrace, "TFormFille.VertexMove", pc.Surf, {"I ou J < 0 "});
                continue;
            }
            const TVertex4f* pt = Selection::Point(doc_, pc);
            const TEntity* e = doc_.Surface(pc.Surf);
            TPoint px;
            if (!pt || !e || !PixelPC(pc, px) || e->Sym == 0) continue;
            const TPoint q{px.X + dx, px.Y + dy};
            TVertex3f P;
            if (!Calcs::PixelVersPoint(v_.Vue, q, HorsVue(kind, Xyz(*pt)), P)) continue;
            const TPlanSym& ps = e->PlanSym;
            if (Calcs::ProduitScalaire(ps.Normal, P) + ps.D >= 0) continue;
            TVertex3f S;
            if (hori) {
                const TVertex3f u = kind == vkSection ? TVertex3f{1, 0, 0} : TVertex3f{0, 1, 0};
                Calcs::CalcProjeteVect(P, u, ps.Normal, ps.D, S);
            } else if (vert) {
                const TVertex3f u = kind == vkPlan ? TVertex3f{1, 0, 0} : TVertex3f{0, 0, 1};
                Calcs::CalcProjeteVect(P, u, ps.Normal, ps.D, S);
            } else if (kind == vkSection) {
                Calcs::CalcProjeteNY(P, ps.Normal, ps.D, S);
            } else if (kind == vkPlan) {
                Calcs::CalcProjeteNZ(P, ps.Normal, ps.D, S);
            } else {
                Calcs::CalcProjeteNX(P, ps.Normal, ps.D, S);
            }
            TPoint ps2;
            if (!Calcs::VueVersPixel(S, ps2, v_.Vue)) continue;
            dx -= q.X - ps2.X;
            dy -= q.Y - ps2.Y;
            if (courantConnu) ref = {courant.X + dx, courant.Y + dy};
        }
    }

    for (const TPC& pc : g_.ListeDeplace) {
        if (!Selection::Point(doc_, pc)) continue;
        if (TTabCoor::Dans(pc.Surf, pc.I, pc.J)) {
            TCellPC& c = v_.Tab.At(pc.Surf, pc.I, pc.J);
            c.X += dx;
            c.Y += dy;
        }
        DeplacePC(pc, dx, dy);
    }
    ObjCom::MajMinMaxAllNet(doc_, false);
    g_.Delta.X += dx;
    g_.Delta.Y += dy;
    g_.PremierMouvement = false;

    if (doc_.Options.SplineTR) {
        for (const TPC& pc : g_.ListeDeplace)
            if (TEntity* e = doc_.Surface(pc.Surf)) e->Calculee = 0;
        ObjCom::MajSurface(doc_, false, -1);
        ObjCom::MajCoupesSurface(doc_);
    }
    g_.A = ref;
    h_.Redessine();
}

void TGestes::DeplacePC(const TPC& pc, int dx, int dy) {
    TVertex4f* pt = Selection::Point(doc_, pc);
    if (!pt) return;
    const TVertex3f d = DeltaModele(v_.Kind(), v_.Vue.Scale, dx, dy);
    pt->X += d.X;
    pt->Y += d.Y;
    pt->Z += d.Z;
}

void TGestes::BasePtMove(int dx, int dy) {
    DBG_SCOPE("TFormFille.BasePtMove");
    // The perspective moves nothing: no snapshot, nothing modified.
    if (v_.Kind() == vkPerspective) return;
    if (g_.PremierMouvement) {
        doc_.RecordAction(0);
        g_.PremierMouvement = false;
    }
    if (h_.Coche(TItem::MeDeplHori))
        dy = 0;
    else if (h_.Coche(TItem::MeDeplVert))
        dx = 0;
    const int s = doc_.CurrentBasePlanSym.Surf;
    TEntity* e = doc_.Surface(s);
    if (!e) return;
    const TVertex3f d = DeltaModele(v_.Kind(), v_.Vue.Scale, dx, dy);
    TMatrice m;
    Matrice::MatTranslation(d, m);
    e->Transformation(m);
    bool poids = false;
    for (TPoids& w : doc_.ListPoids)
        if (w.Surf == s) {
            w.X += d.X;
            w.Y += d.Y;
            w.Z += d.Z;
            poids = true;
        }
    if (poids) ObjCom::MajTotalPoids(doc_);
    e->PlanSym.Origin = Plus(e->PlanSym.Origin, d);
    e->PlanSym.MajEquation();
    e->Calculee = 0;
    g_.Deplace = true;
    if (doc_.Options.SplineTR) {
        ObjCom::MajSurface(doc_, false, -1);
        ObjCom::MajCoupesSurface(doc_);
    }
    doc_.MarquerModifie();
    h_.Redessine();
}

void TGestes::BasePtRot(TPoint m) {
    DBG_SCOPE("TFormFille.BasePtRot");
    const int s = doc_.CurrentBasePlanSym.Surf;
    TEntity* e = doc_.Surface(s);
    if (!e) return;
    TPoint o;
    if (!Calcs::VueVersPixel(e->PlanSym.Origin, o, v_.Vue)) return;
    // Screen points with y upwards.
    auto haut = [](TPoint p) { return TVertex2f{static_cast<float>(p.X), static_cast<float>(-p.Y)}; };
    const double increment = Calcs::AngleOriente2D(haut(g_.A), haut(o), haut(m));
    const double total = Calcs::AngleOriente2D(haut(g_.B), haut(o), haut(m));
    Debug::DbgMsgF(Debug::waTrace, "TFormFille.BasePtRot", s, {increment});
    Ui::ui().writeStatusBar(2, Fixe2(total) + "\xC2\xB0");
    TVertex3f angles;
    switch (v_.Kind()) {
        case vkSection: angles = {0, increment, 0}; break;
        case vkPlan: angles = {0, 0, increment}; break;
        case vkProfile: angles = {increment, 0, 0}; break;
        default: g_.A = m; return;  // the perspective turns nothing (and records nothing)
    }
    // No angle (the press, or a move back onto the same direction): nothing turns.
    if (increment == 0.0) {
        g_.A = m;
        return;
    }
    if (g_.PremierMouvement) {
        doc_.RecordAction(0);
        g_.PremierMouvement = false;
    }
    TPlanSym& b = e->PlanSym;
    Matrice::Rotation3D({0, 0, 0}, angles, b.Axis1);
    Matrice::Rotation3D({0, 0, 0}, angles, b.Axis2);
    Matrice::Rotation3D({0, 0, 0}, angles, b.Axis3);
    b.MajEquation();
    TMatrice rot;
    Matrice::MatRotation3D(b.Origin, angles, rot);
    e->Transformation(rot);
    bool poids = false;
    for (TPoids& w : doc_.ListPoids)
        if (w.Surf == s) {
            const TVertex3f c = Matrice::Transformed(rot, {w.X, w.Y, w.Z});
            w.X = c.X;
            w.Y = c.Y;
            w.Z = c.Z;
            poids = true;
        }
    if (poids) ObjCom::MajTotalPoids(doc_);
    g_.A = m;
    e->Calculee = 0;
    if (doc_.Options.SplineTR) {
        ObjCom::MajSurface(doc_, false, s);
        ObjCom::MajCoupesSurface(doc_);
    }
    doc_.MarquerModifie();
    h_.Redessine();
}

// ---- Release -----------------------------------------------------------------------------------------

void TGestes::MouseUp(int /*bouton*/, const Ui::KeyState& k, TPoint p) {
    DBG_SCOPE("TFormFille.MouseUp");
    g_.BoutonBas = false;
    switch (g_.Outil) {
        case otZoom:
            EffaceBande();
            g_.Coin2 = p;
            g_.BoiteZoom = false;
            if (g_.BoiteProportionnelle) {
                g_.BoiteProportionnelle = false;
                // A box that ends left of its first corner is not applied.
                if (Zoom::ZoomBoite(v_.Vue, v_.Largeur, g_.Coin1, p.X, doc_.Options.ZoomMax)) {
                    Retire(TItem::MeZoom);
                    h_.MajControleVue();
                }
            }
            h_.Redessine();
            break;
        case otPan:
            if (!k.shift) {
                Retire(TItem::MeDeplacerVue);
                h_.CurseurDefaut();
            }
            h_.Redessine();
            h_.MajControleVue();
            break;
        case otMesureMetre:
        case otCoteMetre:
        case otMesureRayon:
        case otCoteRayon:
        case otMesureAngle:
        case otCoteAngle: RelacheMesure(k, p); break;
        case otDeplacePC: RelachePoint(k); break;
        case otDeselect:
        case otEffaceSel: h_.Redessine(); break;
        case otZone:
            EffaceBande();
            g_.Coin2 = p;
            Selection::SelPCinZone(doc_, v_.Tab, v_.Selection, g_.Coin1, g_.Coin2);
            h_.Redessine();
            break;
        case otDeplBase:
        case otRotBase:
            if (g_.Outil == otDeplBase) {
                Retire(TItem::MeDeplHori);
                Retire(TItem::MeDeplVert);
            }
            ObjCom::MajMinMaxAllNet(doc_, false);
            if (!doc_.Options.SplineTR) {
                ObjCom::MajSurface(doc_, false, -1);
                ObjCom::MajCoupesSurface(doc_);
                h_.Redessine();
            }
            break;
        case otPoids:
        case otRepere: {
            const TVertex3f P = PointModele(p, 0.0);
            if (g_.Outil == otPoids) {
                h_.NouveauPoids(p, P);
                if (!k.shift) Retire(TItem::MeAjoutPoids);
            } else {
                h_.NouveauRepere(p, P);
                if (!k.shift) Retire(TItem::MeAjoutRepere);
            }
            break;
        }
        case otAucun:
        case otSupprLnCol:
        case otAjoutLnCol:
        case otSelectNet:
        case otSegment:
        case otOrientation: break;
        default: Ui::ui().showMessage("Action non pr\xC3\xA9vue"); break;
    }
    g_.Outil = otAucun;
}

void TGestes::RelacheMesure(const Ui::KeyState& k, TPoint p) {
    const TColor couleur = CouleurMesure();
    const TVertex3f P = PointModele(p, 0.0);
    auto finale = [&](TMesure& m) {
        h_.Dessine(kPenCopy, [&](const TViewRecord& vue) { m.Draw(TMesure::mFinal, vue, couleur); });
    };
    auto garde = [&](const TMesure& m, const char* cle) {
        doc_.ListCotes.push_back(TCote{Langue::Txt(cle), m.Text, m});
        doc_.MarquerModifie();
    };
    switch (g_.Outil) {
        case otMesureMetre:
        case otMesureRayon:
            finale(g_.Mesure);
            if (!k.shift) Retire(g_.Outil == otMesureMetre ? TItem::MeMesureMetre : TItem::MeMesureCercle);
            break;
        case otCoteMetre:
        case otCoteRayon:
            finale(g_.Mesure);
            garde(g_.Mesure, g_.Outil == otCoteMetre ? "rsMetre" : "rsRayon");
            if (!k.shift) Retire(g_.Outil == otCoteMetre ? TItem::MeCotMetre : TItem::MeCotRayon);
            break;
        default: {  // angles
            TMesure& m = g_.MesureAngle;
            if (m.NbPts == 1) {
                // A first leg of no length does not arm the second one.
                if (Egaux(m.P1, P)) break;
                m.P2 = P;
                finale(m);
                m.P3 = P;
                m.NbPts = 2;
            } else if (m.NbPts == 2) {
                m.P3 = P;
                if (Egaux(m.P3, m.P2)) break;
                finale(m);
                g_.MesureAngleEnCours = false;
                if (g_.Outil == otCoteAngle) {
                    garde(m, "rsAngle");
                    if (!k.shift) Retire(TItem::MeCotAngle);
                } else if (!k.shift) {
                    Retire(TItem::MeMesureAngle);
                }
                m = TMesure(TMesure::gAngle);
            }
            break;
        }
    }
}

void TGestes::RelachePoint(const Ui::KeyState& k) {
    if (g_.Deplace) {
        doc_.MarquerModifie();
        for (const TPC& pc : g_.ListeDeplace)
            if (TEntity* e = doc_.Surface(pc.Surf)) e->Calculee = 0;
        ObjCom::MajSurface(doc_, false, -1);
        ObjCom::MajCoupesSurface(doc_);
    }
    g_.ListeDeplace.Clear();
    h_.EditeurAffichePoint();
    if (!k.shift && v_.Selection.Count() == 1 && v_.Selection[0] == doc_.CurrentPC)
        Selection::UnSelectPoint(v_.Tab, v_.Selection, doc_.CurrentPC);
    Retire(TItem::MeDeplHori);
    Retire(TItem::MeDeplVert);
    Retire(TItem::MeDeplHoriProp);
    Retire(TItem::MeDeplVertProp);
    h_.Redessine();
}

}  // namespace Gestes
