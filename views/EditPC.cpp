#include "views/EditPC.h"

#include "base/Chaines.h"
#include "base/Debug.h"
#include "model/Update.h"
#include "views/Selection.h"

namespace EditPC {

bool Applique(Document& doc, const TPC& pc, const TVertex4f& p) {
    DBG_SCOPE("TEditPCForm.BtnApperClick");
    TVertex4f* point = Selection::Point(doc, pc);
    if (!point) return false;
    const TVertex3f d{point->X - p.X, point->Y - p.Y, point->Z - p.Z};
    TListPC un, liste;
    un.Add(pc);
    ObjCom::MakeLstMovePC(doc, un, liste);
    for (const TPC& m : liste) {
        TVertex4f* q = Selection::Point(doc, m);
        if (!q) continue;
        q->X -= d.X;
        q->Y -= d.Y;
        q->Z -= d.Z;
        doc.Surface(m.Surf)->Calculee = 0;
    }
    *point = p;
    return true;
}

bool Pas(Document& doc, int dI, int dJ) {
    const TSurface* s = doc.SurfaceNurbs(doc.CurrentPC.Surf);
    if (!s) return false;
    const int i = doc.CurrentPC.I + dI, j = doc.CurrentPC.J + dJ;
    if (i < 0 || j < 0 || i >= s->Net.NbL || j >= s->Net.NbC) return false;
    ObjCom::ChangeCurrentPC(doc, -1, i, j);
    return true;
}

std::vector<TPC> Lignes(const Document& doc) {
    std::vector<TPC> r;
    for (int s = 0; s < doc.NbSurf(); ++s)
        if (const TSurface* n = doc.SurfaceNurbs(s))
            for (int i = 0; i < n->Net.NbL; ++i)
                for (int j = 0; j < n->Net.NbC; ++j) r.push_back({s, i, j});
    return r;
}

bool EcritCellule(Document& doc, const TPC& pc, int colonne, const std::string& texte, bool* refus,
                  const std::function<void()>& avant) {
    if (refus) *refus = false;
    TVertex4f* p = Selection::Point(doc, pc);
    const std::string_view t = Chaines::SansBlancs(texte);
    if (!p || colonne < 0 || colonne > 3 || t.empty() || t == "-") return false;
    double v = 0;
    if (!Chaines::TexteVersReel(t, v)) {
        if (refus) *refus = true;
        return false;
    }
    double* champs[] = {&p->X, &p->Y, &p->Z, &p->W};
    if (avant) avant();
    *champs[colonne] = v;
    doc.Surface(pc.Surf)->Calculee = 0;
    return true;
}

std::vector<std::string> TexteListe(const Document& doc) {
    std::vector<std::string> r{"Surface;Numéro;Ligne;Colonne;X;Y;Z;W;"};
    for (const TPC& pc : Lignes(doc)) {
        const TVertex4f& p = *Selection::Point(doc, pc);
        std::string l = doc.Surface(pc.Surf)->Nom + ";" + std::to_string(pc.Surf) + ";" + std::to_string(pc.I) + ";" +
                        std::to_string(pc.J) + ";";
        for (double v : {p.X, p.Y, p.Z, p.W}) l += Chaines::FormatFixe(v, 3) + ";";
        r.push_back(std::move(l));
    }
    return r;
}

}  // namespace EditPC
