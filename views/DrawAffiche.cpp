#include "views/DrawAffiche.h"

#include <algorithm>

#include "base/Debug.h"
#include "model/Bounds.h"
#include "model/Face.h"
#include "model/Update.h"

namespace Affiche {

void MajTabCoor(const Document& doc, TTabCoor& tab, const TViewRecord& vue) {
    DBG_SCOPE("TFormFille.MajTabCoor");
    const int n = std::min(doc.NbSurf(), TTabCoor::kSurf);
    for (int s = 0; s < n; ++s)
        if (const TSurface* sf = doc.SurfaceNurbs(s)) MajTabCoorNet(tab, s, sf->Net, sf->PlanSym, vue);
}

void RefreshFond(ICanvas& cv, TColor arp) {
    DBG_SCOPE("TFormFille.RefreshFond");
    cv.SetPen(TPen{arp, 1, TPenStyle::Solid, TPenMode::Copy});
    cv.SetBrush(TBrush{arp, TBrushStyle::Solid});
    cv.Rectangle(-1, -1, cv.Width() + 1, cv.Height() + 1);
}

void AfficheVue(Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vue,
                const TBitmapRef* image) {
    DBG_SCOPE("Affiche.AfficheVue");
    if (!vue.Canvas) return;
    vue.Canvas->BeginLayer(kCoucheFond);
    RefreshFond(*vue.Canvas, o.Couleurs.Arp);
    if (image && !image->empty()) {
        vue.Canvas->BeginLayer(kCoucheImage);
        vue.Canvas->Draw(0, 0, *image);
    }
    AfficheNetOne(doc, tab, o, vue);
}

int SecScindUtil(const TDefGrille& g) { return std::clamp(g.SecScind, 0, g.NbSecUtil()); }

int SecEnValeurUtil(const TDefGrille& g) {
    if (!g.MiseEnValeur || g.SecEnValeur < 1 || g.SecEnValeur > g.NbSecUtil()) return -1;
    return g.SecEnValeur;
}

namespace {

inline bool Visible(const TEntity& e) { return e.Visible != 0; }

inline int Taille(const TNet& net, bool lignes) {
    return std::clamp(lignes ? net.NbL : net.NbC, 0, kMaxNetSize);
}

// A 7 x 7 square, filled at the corners of the net; the current point gets
// a yellow square inside.
void Marqueur(ICanvas& cv, const Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TNet& net,
              int s, int i, int j, TPenMode mode) {
    const TCellPC& c = tab.At(s, i, j);
    if (c.Etat == epInactif || !c.Valide) return;
    const TCouleursDessin& k = o.Couleurs;
    const TPC pc{s, i, j};
    const TColor couleur = c.Etat == epSelect ? k.SelVertex : doc.EstSoude(pc) ? k.SoudeVertex : k.Vertex;
    const int li = Taille(net, true) - 1, lj = Taille(net, false) - 1;
    const bool coin = (i == 0 || i == li) && (j == 0 || j == lj);
    cv.SetPen(TPen{couleur, 1, TPenStyle::Solid, mode});
    cv.SetBrush(TBrush{couleur, coin ? TBrushStyle::Solid : TBrushStyle::Clear});
    cv.Rectangle(c.X - 3, c.Y - 3, c.X + 4, c.Y + 4);
    if (doc.CurrentPC == pc) {
        constexpr TColor kJaune = 0x00FFFF;
        cv.SetPen(TPen{kJaune, 1, TPenStyle::Solid, mode});
        cv.SetBrushStyle(TBrushStyle::Clear);
        cv.Rectangle(c.X - 2, c.Y - 2, c.X + 3, c.Y + 3);
    }
}

}  // namespace

void AffichePC(const Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TFormFille.AffichePC");
    if (!vue.Canvas) return;
    const TPenMode mode = PenModeOf(vue.PenMode);
    const int n = std::min(doc.NbSurf(), TTabCoor::kSurf);
    for (int s = 0; s < n; ++s) {
        const TSurface* sf = doc.SurfaceNurbs(s);
        if (!sf || !Visible(*sf) || sf->Verrou) continue;
        const int nl = Taille(sf->Net, true), nc = Taille(sf->Net, false);
        for (int i = 0; i < nl; ++i)
            for (int j = 0; j < nc; ++j) Marqueur(*vue.Canvas, doc, tab, o, sf->Net, s, i, j, mode);
    }
}

void AfficheUnPC(const Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vue,
                 const TPC& pc) {
    DBG_SCOPE("TFormFille.AfficheUnPC");
    if (!vue.Canvas) return;
    const TSurface* sf = doc.SurfaceNurbs(pc.Surf);
    if (!sf || !Visible(*sf) || sf->Verrou) return;
    if (pc.I < 0 || pc.I >= Taille(sf->Net, true) || pc.J < 0 || pc.J >= Taille(sf->Net, false)) return;
    if (!TTabCoor::Dans(pc.Surf, pc.I, pc.J)) return;
    Marqueur(*vue.Canvas, doc, tab, o, sf->Net, pc.Surf, pc.I, pc.J, PenModeOf(vue.PenMode));
}

void AfficheNetOne(Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vueFenetre) {
    AfficheNetOne(doc, tab, o, vueFenetre, vueFenetre.Kind);
}

void AfficheNetOne(Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vueFenetre,
                   int kind) {
    DBG_SCOPE("Affiche.AfficheNetOne");
    if (!vueFenetre.Canvas) return;
    TViewRecord vue = vueFenetre;
    vue.PenMode = kPenCopy;
    ICanvas& cv = *vue.Canvas;
    const TAffichage& a = doc.Aff;
    const TCouleursDessin& k = o.Couleurs;
    const TDefGrille& g = doc.DefGrille;
    const bool vue2D = kind >= vkSection && kind <= vkPerspective;
    const int nb = doc.NbSurf();

    if (a.MeAfficheAxes) {
        cv.BeginLayer(kCoucheAxes);
        doc.ExtremitesAxes = ExtremitesAxes(doc.MinMaxNet.Min, doc.MinMaxNet.Max);
        DrawAxes(doc.ExtremitesAxes, k.Axes, vue);
        if (o.OptAxesPlanSym)
            for (int s = 0; s < nb; ++s)
                if (const TEntity* e = doc.Surface(s); e && Visible(*e)) DrawAxesPlanSym(*e, k.AxesPlanSym, vue);
    }
    if (a.MeGrille) {
        cv.BeginLayer(kCoucheGrille);
        AfficheGrille(g, k.Grille, vue);
    }
    if (a.MeSurfaceParam) {
        cv.BeginLayer(kCoucheSurfaces);
        for (int s = nb - 1; s >= 0; --s)
            if (const TEntity* e = doc.Surface(s); e && Visible(*e)) AfficheSurface(*e, a, o, vue);
    }
    if (a.MeOrientSurf) {
        cv.BeginLayer(kCoucheOrientation);
        for (int s = nb - 1; s >= 0; --s)
            if (const TEntity* e = doc.Surface(s); e && Visible(*e)) AfficheBordSurface(*e, vue);
    }
    if (a.MeCarene) {
        cv.BeginLayer(kCoucheBords);
        const int scinde = a.MeSections && a.MeScinder ? 1 : 0;
        for (int s = 0; s < nb; ++s)
            if (const TEntity* e = doc.Surface(s); e && Visible(*e)) AfficheBordSurface(*e, scinde, a, o, vue);
        if (a.MeFenSel)
            for (int s = 0; s < nb; ++s) {
                const TSurface* sf = doc.SurfaceNurbs(s);
                if (!sf || !Visible(*sf) || sf->Verrou) continue;
                AfficheLignes(sf->Net, k.ResVertex, vue);
                AfficheColonnes(sf->Net, k.ResVertex, vue);
            }
    }
    if (a.MeSections && a.MeCarene) {
        cv.BeginLayer(kCoucheCouples);
        const int nsec = g.NbSecUtil();
        if (a.MeScinder && !a.MeMoitie) {
            const int scind = SecScindUtil(g);
            for (int s = 0; s < nb; ++s) {
                const TEntity* e = doc.Surface(s);
                if (!e || !Visible(*e)) continue;
                for (int i = 1; i <= scind; ++i) DrawOneSecSym(*e, i, a, o, vue);
                for (int i = scind + 1; i <= nsec; ++i) DrawOneSec(*e, i, a, o, vue);
            }
        } else {
            for (int s = 0; s < nb; ++s)
                if (const TEntity* e = doc.Surface(s); e && Visible(*e)) DrawAllSec(*e, nsec, a, o, vue);
        }
    }
    if (a.MeCarene) {
        const int sv = SecEnValeurUtil(g);
        if (sv > 0) {
            cv.BeginLayer(kCoucheCoupleEnValeur);
            for (int s = 0; s < nb; ++s) {
                const TEntity* e = doc.Surface(s);
                if (!e || !Visible(*e)) continue;
                DrawOneSec(*e, sv, a, o, vue);
                if (!a.MeMoitie) DrawOneSecSym(*e, sv, a, o, vue);
            }
        }
    }
    if (a.MeCarene && a.MeLignesdEau) {
        cv.BeginLayer(kCoucheLignesEau);
        for (int s = 0; s < nb; ++s)
            if (const TEntity* e = doc.Surface(s); e && Visible(*e)) DrawAllLgE(*e, g.NbLEUtil(), a, o, vue);
    }
    if (a.MeCarene && a.MeLongitudinales) {
        cv.BeginLayer(kCoucheLongitudinales);
        for (int s = 0; s < nb; ++s)
            if (const TEntity* e = doc.Surface(s); e && Visible(*e)) DrawAllLong(*e, g.NbLongitUtil(), a, o, vue);
    }
    if (a.MeCarene && a.MeDiagonales) {
        cv.BeginLayer(kCoucheDiagonales);
        for (int s = 0; s < nb; ++s)
            if (const TEntity* e = doc.Surface(s); e && Visible(*e)) DrawAllDiag(*e, g.NbDiagUtil(), a, o, vue);
    }
    if (a.MeNet) {
        cv.BeginLayer(kCoucheReseaux);
        for (int s = 0; s < nb; ++s) {
            const TSurface* sf = doc.SurfaceNurbs(s);
            if (!sf || !Visible(*sf)) continue;
            DrawArray(sf->Net, sf->Sym && !a.MeMoitie ? &sf->PlanSym : nullptr, k.ResVertex, vue);
        }
    }
    if (vue2D) {
        cv.BeginLayer(kCoucheVertex);
        AffichePC(doc, tab, o, vue);
    }
    if (a.MeBasePlanSym) {
        cv.BeginLayer(kCoucheBases);
        for (int s = 0; s < nb; ++s)
            if (const TEntity* e = doc.Surface(s); e && Visible(*e) && !e->Verrou) DrawBase(e->PlanSym, vue);
    }
    if (a.MeAfficheCotes) {
        cv.BeginLayer(kCoucheCotes);
        for (TCote& c : doc.ListCotes)
            if (kind == vkPerspective || c.Mesure.View == kind) c.Mesure.Draw(TMesure::mFinal, vue, k.Mesure, false);
    }
    if (a.MeAffichePoids && vue2D) {
        cv.BeginLayer(kCouchePoids);
        int dessines = 0;
        for (int s = 0; s < nb; ++s)
            if (const TEntity* e = doc.Surface(s); e && e->Poids.Masse != 0.0) {
                ObjCom::AffichePoids(e->Poids, o.RatioVect, k.Mesure, vue);
                ++dessines;
            }
        for (const TPoids& w : doc.ListPoids) {
            ObjCom::AffichePoids(w, o.RatioVect, k.Mesure, vue);
            ++dessines;
        }
        if (doc.PoidsTotal.Masse != 0.0 && dessines != 1)
            ObjCom::AffichePoids(doc.PoidsTotal, o.RatioVect, k.Mesure, vue);
    }
    if (a.MeCentredeVoilure && vue2D) {
        cv.BeginLayer(kCoucheCentreVoilure);
        int dessines = 0;
        for (int s = 0; s < nb; ++s)
            if (const TEntity* e = doc.Surface(s); e && e->Voile && e->Aire != 0.0) {
                ObjCom::AfficheCentre(e->CentreBordeVal, 2, "", k.Mesure, vue);
                ++dessines;
            }
        const TCentreVoilure& cvl = doc.CentreVoilure;
        if (cvl.Aire != 0.0 && dessines >= 2) ObjCom::AfficheCentre({cvl.X, cvl.Y, cvl.Z}, 4, "CV", k.Mesure, vue);
        if (cvl.Aire != 0.0 && dessines > 1) ObjCom::AfficheCentre({cvl.X, cvl.Y, cvl.Z}, 1, "", k.Mesure, vue);
    }
    if (a.MeAfficheReperes && vue2D) {
        cv.BeginLayer(kCoucheReperes);
        for (const TRepere& m : doc.ListReperes) ObjCom::AfficheRepere(m, k.Mesure, vue);
    }
    if (a.MeAfficheReperesEnv && vue2D) {
        cv.BeginLayer(kCoucheEnvahissement);
        for (const TRepereEnv& f : doc.ListReperesEnv) ObjCom::AfficheRepereEnv(f, k.Mesure, vue);
    }
}

void TestFaceList(const Document& doc, const TViewRecord& vue) {
    DBG_SCOPE("Face.TestFaceList");
    TListFace list;
    for (int s = 0; s < doc.NbSurf(); ++s)
        if (const TEntity* e = doc.Surface(s); e && e->Calc) Face::BuildFaceListFull(*e, list, 0.0);
    DrawFaces(list, vue);
}


}  // namespace Affiche
