#include "model/Undo.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/Debug.h"
#include "model/UiPort.h"
#include "model/Update.h"

namespace {
constexpr std::size_t kPointsNet = static_cast<std::size_t>(kMaxNetSize) * kMaxNetSize;
}

bool TUndo::Correspond(const Document& doc) const {
    if (nbSurf_ != doc.NbSurf()) return false;
    for (int i = 0; i < nbSurf_; ++i) {
        const TEntity* s = doc.Surface(i);
        const SurfSnap& snap = surfs_[static_cast<std::size_t>(i)];
        if (s != snap.identite) return false;
        if ((dynamic_cast<const TSurface*>(s) != nullptr) != snap.nurbs) return false;
    }
    if (kind_ == kAvecSoudures) return fini_ && doc.ListSoudures == souduresApres_;
    if (kind_ == kAvecReperes)
        return fini_ && doc.ListReperes == reperesApres_ && doc.ListReperesEnv == reperesEnvApres_;
    return true;
}

bool TUndo::Refuse(const Document& doc) const { return !Geometrique() || !Correspond(doc); }

void TUndo::NoteApres(const Document& doc) {
    fini_ = true;
    if (kind_ == kAvecSoudures) souduresApres_ = doc.ListSoudures;
    if (kind_ == kAvecReperes) {
        reperesApres_ = doc.ListReperes;
        reperesEnvApres_ = doc.ListReperesEnv;
    }
}

void TUndo::FinAction(const Document& doc) {
    if (Geometrique() && !fini_) NoteApres(doc);
}

void TUndo::RecordAction(const Document& doc, int kind) {
    DBG_SCOPE("TMainForm.RecordAction");
    try {
        annulerActif_ = true;
        refaireActif_ = false;
        kind_ = kind;
        fini_ = false;
        switch (kind) {
            case kGeometrie:
            case kAvecSoudures:
            case kAvecReperes: {
                nbSurf_ = doc.NbSurf();
                if (surfs_.size() < static_cast<std::size_t>(nbSurf_)) surfs_.resize(static_cast<std::size_t>(nbSurf_));
                for (int i = 0; i < nbSurf_; ++i) {
                    const TEntity* s = doc.Surface(i);
                    SurfSnap& snap = surfs_[static_cast<std::size_t>(i)];
                    snap.identite = s;
                    snap.planSym = s->PlanSym;
                    if (const auto* n = dynamic_cast<const TSurface*>(s)) {
                        snap.nurbs = true;
                        snap.nbL = n->Net.NbL;
                        snap.nbC = n->Net.NbC;
                        snap.pc.resize(kPointsNet);
                        std::copy_n(&n->Net.TabPC[0][0], kPointsNet, snap.pc.begin());
                        snap.points.clear();
                    } else {
                        snap.nurbs = false;
                        snap.dernLigne = s->DernLigne;
                        snap.dernCol = s->DernCol;
                        snap.points = s->Points;
                    }
                }
                poids_ = doc.ListPoids;
                if (kind == kAvecSoudures) {
                    soudures_ = doc.ListSoudures;
                    pcSoudes_ = doc.ListPCSoudes;
                }
                if (kind == kAvecReperes) {
                    reperes_ = doc.ListReperes;
                    reperesEnv_ = doc.ListReperesEnv;
                }
                // Nothing else changes what it holds: a plain record is
                // complete at once.
                if (kind == kGeometrie) fini_ = true;
                break;
            }
            case kTaillesNets: {
                // Kept as a record of its own; nothing reads it back.
                nbSurf_ = doc.NbSurf();
                if (surfs_.size() < static_cast<std::size_t>(nbSurf_)) surfs_.resize(static_cast<std::size_t>(nbSurf_));
                for (int i = 0; i < nbSurf_; ++i)
                    if (const TSurface* n = doc.SurfaceNurbs(i)) {
                        surfs_[static_cast<std::size_t>(i)].nbL = n->Net.NbL;
                        surfs_[static_cast<std::size_t>(i)].nbC = n->Net.NbC;
                    }
                break;
            }
            case kListeSurf:
                break;
            default:
                Ui::ui().showMessage("RecordAction Indéfini");
                break;
        }
    } catch (...) {
        Ui::ui().showMessage("Erreur TMainForm.RecordAction - Type Action = " + std::to_string(kind));
    }
}

void TUndo::Echange(Document& doc) {
    DBG_SCOPE("TUndo.Echange");
    for (int i = 0; i < nbSurf_; ++i) {
        TEntity* s = doc.Surface(i);
        SurfSnap& snap = surfs_[static_cast<std::size_t>(i)];
        if (auto* n = dynamic_cast<TSurface*>(s)) {
            std::swap(n->Net.NbL, snap.nbL);
            std::swap(n->Net.NbC, snap.nbC);
            std::swap_ranges(&n->Net.TabPC[0][0], &n->Net.TabPC[0][0] + kPointsNet, snap.pc.begin());
        } else {
            std::swap(s->Points, snap.points);
            std::swap(s->DernLigne, snap.dernLigne);
            std::swap(s->DernCol, snap.dernCol);
            const int rows = s->Points.rows(), cols = s->Points.cols();
            s->ResizeGrilles(rows, cols);
            s->DernLigne = rows - 1;
            s->DernCol = cols - 1;
        }
        std::swap(s->PlanSym, snap.planSym);
        s->PlanSym.MajEquation();
        s->Calculee = 0;
    }
    std::swap(doc.ListPoids, poids_);
    if (kind_ == kAvecSoudures) {
        std::swap(doc.ListSoudures, soudures_);
        std::swap(doc.ListPCSoudes, pcSoudes_);
    }
    if (kind_ == kAvecReperes) {
        std::swap(doc.ListReperes, reperes_);
        std::swap(doc.ListReperesEnv, reperesEnv_);
    }
    NoteApres(doc);
}

void TUndo::RamenePCCourant(Document& doc) {
    if (doc.NbSurf() == 0) return;
    const TPC pc = doc.CurrentPC;
    const TEntity* s = doc.Surface(pc.Surf);
    bool valide = s != nullptr;
    if (const TSurface* n = doc.SurfaceNurbs(pc.Surf))
        valide = pc.I >= 0 && pc.I < n->Net.NbL && pc.J >= 0 && pc.J < n->Net.NbC;
    if (valide) return;
    for (int i = 0; i < doc.NbSurf(); ++i) {
        const TEntity* c = doc.Surface(i);
        if (c->Visible && !c->Verrou) {
            ObjCom::ChangeCurrentPC(doc, i, 0, 0);
            return;
        }
    }
    // No surface may take it: stay on the current surface when there is
    // one, else on the first, at its first point.
    ObjCom::ChangeCurrentPC(doc, s ? pc.Surf : 0, 0, 0);
}

bool TUndo::Annuler(Document& doc) {
    DBG_SCOPE("TMainForm.MeAnnulerClick");
    bool echange = false;
    try {
        if (!Refuse(doc)) {
            annulerActif_ = false;
            refaireActif_ = true;
            Echange(doc);
            echange = true;
            ObjCom::MajSurface(doc, false, -1);
            ObjCom::MajCoupesSurface(doc);
            ObjCom::MajMinMaxAllNet(doc, false);
            ObjCom::MajTotalPoids(doc);
            // The model is no longer what was saved, whichever way it went.
            doc.MarquerModifie();
            Ui::ui().requestRedraw(doc.Options.MultiFen);
        }
        RamenePCCourant(doc);
        ObjCom::MajFenetresPC(doc);
    } catch (...) {
        Ui::ui().showMessage("Erreur TMainForm.MeAnnulerClick - Type Action = " + std::to_string(kind_));
    }
    return echange;
}

bool TUndo::Refaire(Document& doc) {
    DBG_SCOPE("TMainForm.MeRefaireCommandeClick");
    const bool echange = Annuler(doc);
    // Whatever the record held: "Annuler" on, "Refaire" off. (A geometry
    // record that no longer matches keeps both items off anyway.)
    annulerActif_ = true;
    refaireActif_ = false;
    return echange;
}
