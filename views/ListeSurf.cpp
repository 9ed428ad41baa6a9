#include "views/ListeSurf.h"

#include "app/doc/DocWriter.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/UiPort.h"
#include "model/Update.h"
#include "views/Transfo.h"

namespace ListeSurf {

namespace {

int NbChoisies(const std::vector<bool>& sel) {
    int n = 0;
    for (bool b : sel) n += b ? 1 : 0;
    return n;
}

bool Choisie(const std::vector<bool>& sel, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < sel.size() && sel[static_cast<std::size_t>(i)];
}

}  // namespace

std::vector<bool> SelectionInitiale(const Document& doc, int action) {
    std::vector<bool> sel(static_cast<std::size_t>(doc.NbSurf()), false);
    for (int i = 0; i < doc.NbSurf(); ++i) {
        const TEntity& s = *doc.Surface(i);
        if (action == laVerrou) sel[static_cast<std::size_t>(i)] = s.Verrou != 0;
        if (action == laPortee) sel[static_cast<std::size_t>(i)] = s.Calc != 0;
    }
    return sel;
}

void PremiereCourante(Document& doc) {
    for (int i = 0; i < doc.NbSurf(); ++i) {
        const TEntity& s = *doc.Surface(i);
        if (s.Visible && !s.Verrou) {
            ObjCom::ChangeCurrentPC(doc, i, 0, 0);
            return;
        }
    }
}

void Verrouille(Document& doc, const std::vector<bool>& sel) {
    DBG_SCOPE("TListeSurfForm.Verrouille");
    for (int i = 0; i < doc.NbSurf(); ++i) doc.Surface(i)->Verrou = Choisie(sel, i) ? 1 : 0;
    PremiereCourante(doc);
}

void Portee(Document& doc, const std::vector<bool>& sel) {
    DBG_SCOPE("TListeSurfForm.Portee");
    for (int i = 0; i < doc.NbSurf(); ++i) doc.Surface(i)->Calc = Choisie(sel, i) ? 1 : 0;
}

void SupprimeSurface(Document& doc, std::span<const EditNet::TVueSel> vues, int surf) {
    DBG_SCOPE("TListeSurfForm.SupprimeSurface");
    if (!doc.Surface(surf)) return;
    doc.Surfaces.erase(doc.Surfaces.begin() + surf);
    for (int i = surf; i < doc.NbSurf(); ++i) {
        TEntity* s = doc.Surface(i);
        s->Index = i;
        if (auto* n = dynamic_cast<TSurface*>(s)) n->Net.owner = i;
    }
    EditNet::DecaleSuppressionSurface(doc, vues, surf);
    for (TPoids& p : doc.ListPoids) {
        if (p.Surf == surf) p.Surf = -1;
        else if (p.Surf > surf) --p.Surf;
    }
    if (doc.CurrentPC.Surf > surf) {
        --doc.CurrentPC.Surf;
    } else if (doc.CurrentPC.Surf == surf) {
        // Somewhere that exists until the caller chooses better.
        doc.CurrentPC = {doc.NbSurf() > 0 ? std::min(surf, doc.NbSurf() - 1) : 0, 0, 0};
    }
    if (doc.CurrentBasePlanSym.Surf == surf) doc.CurrentBasePlanSym.Surf = -1;
    else if (doc.CurrentBasePlanSym.Surf > surf) --doc.CurrentBasePlanSym.Surf;
}

void Supprime(Document& doc, std::span<const EditNet::TVueSel> vues, const std::vector<bool>& sel) {
    DBG_SCOPE("TListeSurfForm.Supprime");
    for (int i = doc.NbSurf() - 1; i >= 0; --i)
        if (Choisie(sel, i)) SupprimeSurface(doc, vues, i);
    PremiereCourante(doc);
    ObjCom::MajTotalPoids(doc);
    ObjCom::MajCentreVoilure(doc);
}

int DupliqueSurface(Document& doc, int i) {
    DBG_SCOPE("TListeSurfForm.DupliqueSurface");
    const TEntity* src = doc.Surface(i);
    if (!src || doc.NbSurf() >= kMaxSurfaces) return -1;
    // A copy of everything the surface defines; what is evaluated follows
    // at the next update.
    std::unique_ptr<TEntity> copie = src->Clone();
    copie->SetNom(src->Nom + " " + std::to_string(doc.NbSurf() + 1));
    copie->Calculee = 0;
    return doc.AjouteSurface(std::move(copie));
}

bool Duplique(Document& doc, const std::vector<bool>& sel) {
    DBG_SCOPE("TListeSurfForm.Duplique");
    if (NbChoisies(sel) + doc.NbSurf() > kMaxSurfaces) {
        Ui::ui().msgDlg(Langue::Txt("rsSurfSelMax"), Ui::MsgType::Warning, Ui::mbOK);
        return false;
    }
    for (int i = doc.NbSurf() - 1; i >= 0; --i)
        if (Choisie(sel, i)) {
            const int n = DupliqueSurface(doc, i);
            ObjCom::MajSurface(doc, false, n);
        }
    ObjCom::MajCoupesSurface(doc);
    return true;
}

void Miroir(Document& doc, const std::vector<bool>& sel, int axe) {
    DBG_SCOPE("TListeSurfForm.Miroir");
    for (int i = doc.NbSurf() - 1; i >= 0; --i)
        if (Choisie(sel, i)) Transfo::MiroirSurf(doc, i, axe, true, false, false);
}

bool Exporte(const Document& doc, const std::vector<bool>& sel, const std::string& fichier) {
    DBG_SCOPE("TListeSurfForm.Exporte");
    std::vector<int> surfaces;
    for (int i = 0; i < doc.NbSurf(); ++i)
        if (Choisie(sel, i)) surfaces.push_back(i);
    try {
        DocWriter::EcritDocument(doc, surfaces, fichier);
    } catch (const DocWriter::TErreurEcriture& e) {
        Ui::ui().msgDlg("Enregistrement impossible : " + e.Fichier() + "\n" + e.Raison(), Ui::MsgType::Error,
                        Ui::mbOK);
        return false;
    }
    return true;
}

}  // namespace ListeSurf
