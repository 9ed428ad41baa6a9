#include "views/PropSurf.h"

#include <algorithm>

#include "base/Debug.h"
#include "model/Undo.h"

namespace PropSurf {

const char* NomOrdre(int ordre) {
    switch (ordre) {
        case 2: return "Rigide";
        case 3: return "Peu flexible";
        case 4: return "Flexible";
        case 5: return "Souple";
        case 6: return "Très souple";
        default: return "";
    }
}

std::vector<TPropSurf> Remplit(const Document& doc) {
    DBG_SCOPE("TPropSurfForm.RemplieListe");
    std::vector<TPropSurf> r;
    r.reserve(static_cast<std::size_t>(doc.NbSurf()));
    for (int i = 0; i < doc.NbSurf(); ++i) {
        const TEntity& s = *doc.Surface(i);
        TPropSurf c;
        c.Nom = s.Nom;
        if (const TSurface* n = doc.SurfaceNurbs(i)) {
            c.Nurbs = true;
            c.LFlex = n->Net.LFlex;
            c.CFlex = n->Net.CFlex;
        }
        c.Visible = s.Visible;
        c.Verrou = s.Verrou;
        c.Sym = s.Sym;
        c.Calc = s.Calc;
        c.Voile = s.Voile;
        c.Couleur = s.Couleur;
        c.Alpha = s.Alpha;
        c.Plan = s.PlanSym;
        c.Ambient = s.Ambient;
        c.Specular = s.Specular;
        c.Shininess = s.Shininess;
        c.Emission = s.Emission;
        c.Orientation = s.Orientation;
        c.Jonction = s.Jonction;
        c.CG = s.CG;
        c.TypePoids = s.TypePoids;
        c.Epaisseur = s.Epaisseur;
        c.Densite = s.Densite;
        c.PoidsParM2 = s.PoidsParM2;
        c.Masse = s.Poids.Masse;
        r.push_back(std::move(c));
    }
    return r;
}

void Ecrit(Document& doc, const std::vector<TPropSurf>& copies) {
    DBG_SCOPE("TPropSurfForm.BtnOKClick");
    // A frame reset moves its surface: recorded, so that Annuler gives the
    // surface and its frame back. A frame already at the origin moves nothing.
    // No record holds the other properties: a change of one of them leaves
    // Annuler off instead.
    const std::vector<TPropSurf> actuelles = Remplit(doc);
    bool cadre = false, autre = false;
    for (int i = 0; i < doc.NbSurf() && i < static_cast<int>(copies.size()); ++i) {
        const TPropSurf& c = copies[static_cast<std::size_t>(i)];
        const TPropSurf& a = actuelles[static_cast<std::size_t>(i)];
        cadre = cadre || (c.RAZPlan && !(a.Plan == TPlanSym{}));
        if (!c.Modifie) continue;
        TPropSurf ecrite = c;  // what OK writes, against what the surface holds
        ecrite.Plan = a.Plan;
        ecrite.Modifie = ecrite.RAZPlan = false;
        ecrite.Nom = ecrite.Nom.empty() ? a.Nom : ObjCom::Tronque(ecrite.Nom, kLongNomSurface);
        ecrite.TypePoids = std::clamp(c.TypePoids, static_cast<int>(tpEpaisseur), static_cast<int>(tpVolume));
        autre = autre || !(ecrite == a);
    }
    if (autre)
        doc.RecordAction(TUndo::kSansRetour);
    else if (cadre)
        doc.RecordAction(TUndo::kGeometrie);
    for (int i = 0; i < doc.NbSurf() && i < static_cast<int>(copies.size()); ++i) {
        const TPropSurf& c = copies[static_cast<std::size_t>(i)];
        TEntity& s = *doc.Surface(i);
        if (c.Modifie) {
            if (!c.Nom.empty()) s.SetNom(c.Nom);
            s.Visible = c.Visible;
            s.Verrou = c.Verrou;
            s.Sym = c.Sym;
            s.Calc = c.Calc;
            s.Voile = c.Voile;
            s.Couleur = c.Couleur;
            s.Alpha = c.Alpha;
            s.Ambient = c.Ambient;
            s.Specular = c.Specular;
            s.Shininess = c.Shininess;
            s.Emission = c.Emission;
            s.Orientation = c.Orientation;
            s.Jonction = c.Jonction;
            s.CG = c.CG;
            s.TypePoids = std::clamp(c.TypePoids, static_cast<int>(tpEpaisseur), static_cast<int>(tpVolume));
            s.Epaisseur = c.Epaisseur;
            s.Densite = c.Densite;
            s.PoidsParM2 = c.PoidsParM2;
            s.Poids.Masse = c.Masse;
            if (TSurface* n = doc.SurfaceNurbs(i)) {
                n->Net.LFlex = c.LFlex;
                n->Net.CFlex = c.CFlex;
            }
            s.Calculee = 0;
        }
        if (c.RAZPlan) RAZPlanSym(doc, i);
    }
}

int NomPris(const Document& doc, const std::vector<TPropSurf>& copies) {
    const int n = std::min(doc.NbSurf(), static_cast<int>(copies.size()));
    for (int i = 0; i < n; ++i) {
        const std::string& nom = copies[static_cast<std::size_t>(i)].Nom;
        if (nom.empty() || nom == doc.Surface(i)->Nom) continue;
        for (int j = 0; j < n; ++j)
            if (j != i && copies[static_cast<std::size_t>(j)].Nom == nom) return i;
    }
    return -1;
}

void RAZPlanSym(Document& doc, int surf) {
    DBG_SCOPE("TPropSurfForm.RAZPlanSym");
    TEntity* s = doc.Surface(surf);
    if (!s) return;
    TPlanSym& f = s->PlanSym;
    TMatrice t, r, m;
    Matrice::MatTranslation({-f.Origin.X, -f.Origin.Y, -f.Origin.Z}, t);
    const TVertex3f a = f.CalcAnglesRotation();
    Matrice::MatRotationInv3D({0, 0, 0}, {-a.X, -a.Y, -a.Z}, r);
    Matrice::ProduitMatrice4(r, t, m);
    s->Transformation(m);
    f.RAZ();
    s->Calculee = 0;
}

}  // namespace PropSurf
