#include "app/Precision.h"

#include "base/Debug.h"
#include "model/Bounds.h"
#include "model/Document.h"
#include "model/Update.h"

namespace Precision {

void Applique(Document& doc, int p) {
    DBG_SCOPE("TMainForm.MePrecisionClick");
    doc.Precision = p;
    for (auto& s : doc.Surfaces) {
        if (!dynamic_cast<TSurface*>(s.get())) continue;
        s->ResizeGrilles(p + 1, p + 1);
        s->Grille5.resize(2 * (p + 1), p + 3);
        s->Calculee = 0;
    }
    ObjCom::MajSurface(doc, false, -1);
    Calcs::CalcTabLignesSec(doc);
    if (doc.Aff.MeLignesdEau) Calcs::CalcTabLignesLE(doc);
    if (doc.Aff.MeLongitudinales) Calcs::CalcTabLignesLgt(doc);
    if (doc.Aff.MeDiagonales) Calcs::CalcTabLignesDiag(doc);
}

}  // namespace Precision
