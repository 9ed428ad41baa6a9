#include "views/DeplSurf.h"

#include "base/Debug.h"

namespace DeplSurf {

void Applique(Document& doc, int mode, const std::vector<bool>& sel, const TParams& p) {
    DBG_SCOPE("TDeplSurfForm.BtnOKClick");
    for (int i = 0; i < doc.NbSurf() && i < static_cast<int>(sel.size()); ++i) {
        if (!sel[static_cast<std::size_t>(i)]) continue;
        TEntity& s = *doc.Surface(i);
        TMatrice m;
        switch (mode) {
            case dmDeplace:
                Matrice::MatTranslation(p.E, m);
                s.Transformation(m);
                break;
            case dmRotation:
                Matrice::MatRotation3D(p.E, p.A, m);
                s.Transformation(m);
                break;
            case dmPlanSym: {
                TPlanSym& f = s.PlanSym;
                if (p.Conjoint) {
                    // Turned about the old origin, then carried with it.
                    TMatrice r, t;
                    Matrice::MatRotation3D(f.Origin, p.A, r);
                    Matrice::MatTranslation(p.E, t);
                    Matrice::ProduitMatrice4(t, r, m);
                    s.Transformation(m);
                }
                Matrice::Translation3D(p.E, f.Origin);
                TMatrice m0;
                Matrice::MatRotation3D({0, 0, 0}, p.A, m0);
                f.Axis1 = Matrice::Transformed(m0, f.Axis1);
                f.Axis2 = Matrice::Transformed(m0, f.Axis2);
                f.Axis3 = Matrice::Transformed(m0, f.Axis3);
                f.MajEquation();
                break;
            }
            default:
                return;
        }
        s.Calculee = 0;
    }
}

}  // namespace DeplSurf
