#include "views/Epaisseur.h"

#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Calcs.h"
#include "model/UiPort.h"

namespace Epaisseur {

int CreerEpaisseur(Document& doc, int i, double t, bool interieur) {
    DBG_SCOPE("TEpaisseurForm.CreerEpaisseur");
    const TEntity* src = doc.Surface(i);
    if (!src) return -1;
    if (doc.NbSurf() >= kMaxSurfaces) {
        Ui::ui().msgDlg(Langue::Txt("rsErrMaxSurfOuv"), Ui::MsgType::Warning, Ui::mbOK);
        return -1;
    }
    const int rows = src->DernLigne + 1, cols = src->DernCol + 1;
    auto e = std::make_unique<TDXFSurface>(0, std::max(rows, 0), std::max(cols, 0), doc.DefGrille);
    static_cast<TEntityA&>(*e) = static_cast<const TEntityA&>(*src);
    e->SetNom(src->Nom + " " + std::to_string(doc.NbSurf() + 1));
    e->Calc = 0;
    e->DernLigne = src->DernLigne;
    e->DernCol = src->DernCol;
    const double s = (interieur == (e->Orientation == 1)) ? 1.0 : -1.0;
    const TPlanSym& plan = src->PlanSym;
    for (int r = 0; r < rows && r < src->Points.rows() && r < src->Normales.rows(); ++r)
        for (int c = 0; c < cols && c < src->Points.cols() && c < src->Normales.cols(); ++c) {
            const TVertex3f& p = src->Points[r][c];
            const TVertex3f& n = src->Normales[r][c];
            TVertex3f q{p.X + s * t * n.X, p.Y + s * t * n.Y, p.Z + s * t * n.Z};
            if (src->Sym && plan.Normal.X * q.X + plan.Normal.Y * q.Y + plan.Normal.Z * q.Z + plan.D < 0)
                Calcs::CalcProjeteVect(q, n, plan.Normal, plan.D, q);
            e->Points[r][c] = q;
        }
    e->Calculee = 0;
    return doc.AjouteSurface(std::move(e));
}

}  // namespace Epaisseur
