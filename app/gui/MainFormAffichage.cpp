// The "Affichage" menu: the display switches with the extra work of each,
// the facet check, and the switches kept in the settings.
#include "app/gui/MainForm.h"

#include <QAction>
#include <QToolBar>

#include "app/gui/MainFormInterne.h"
#include "base/Debug.h"
#include "model/Update.h"
#include "studio/gui/StudioForm.h"
#include "views/DrawAffiche.h"
#include "views/Selection.h"
#include "views/gui/Affiche.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

using namespace MainFormInterne;

void TMainForm::BrancheAffichage() {
    Connecte(this, "MeIcoStand", [this] { toolBar_->setVisible(Action(QStringLiteral("MeIcoStand"))->isChecked()); });
    // Display switches set the document's switch of the same name; a click
    // (menu or button) also does the switch's extra work and redraws.
    for (const Interrupteur& sw : kInterrupteurs) {
        QAction* a = Action(QLatin1String(sw.nom));
        if (!a) continue;
        const auto champ = sw.champ;
        connect(a, &QAction::toggled, this, [this, champ](bool on) { doc_.Aff.*champ = on; });
        if (champ != &TAffichage::MeFenSel)
            connect(a, &QAction::triggered, this, [this, champ](bool on) { InterrupteurClick(champ, on); });
    }
    Connecte(this, "MeFacettes", [this] {
        // The facets under the water plane in red on the active view, until its next redraw.
        if (!doc_.FormeAffichee) return;
        if (TFormFille* v = Vues::FenetreActive(numVueActive_))
            v->Elastique(kPenCopy, [this](const TViewRecord& r) { Affiche::TestFaceList(doc_, r); });
    });
}

void TMainForm::FixeCoche(const char* nom, bool on) {
    // The item's toggled signal sets the document's switch; changed moves the button.
    if (QAction* a = Action(QLatin1String(nom))) a->setChecked(on);
}

void TMainForm::InterrupteurClick(bool TAffichage::*champ, bool on) {
    DBG_SCOPE("TMainForm.InterrupteurClick");
    TAffichage& aff = doc_.Aff;
    aff.*champ = on;
    const auto vues = LesVues();
    if (champ == &TAffichage::MeCarene) {
        // The hull and the net are never both off.
        if (!on) {
            for (TFormFille* v : vues)
                if (v) {
                    Selection::PCActif(doc_, v->TabCoor());
                    Selection::Revalide(doc_, v->TabCoor(), v->Selection);
                }
            if (!aff.MeNet) FixeCoche("MeNet", true);
            FixeCoche("MeFenSel", false);
        } else if (!aff.MeNet) {
            for (TFormFille* v : vues)
                if (v) Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
            for (TFormFille* v : {vues[vkSection], vues[vkPerspective]})
                if (v) Selection::PCNonActif(doc_, v->TabCoor());
        }
        ObjCom::MajCoupesSurface(doc_);
    } else if (champ == &TAffichage::MeNet) {
        if (!on) {
            if (!aff.MeCarene) FixeCoche("MeCarene", true);
            for (TFormFille* v : vues)
                if (v) {
                    Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
                    Selection::PCNonActif(doc_, v->TabCoor());
                }
            ObjCom::MajCoupesSurface(doc_);
            // Without the net the points are picked row by row in the selection window.
            if (!aff.MeFenSel) FixeCoche("MeFenSel", true);
        } else {
            if (aff.MeCarene)
                for (TFormFille* v : {vues[vkSection], vues[vkPlan], vues[vkProfile]})
                    if (v) Selection::UnSelectAllPoints(v->TabCoor(), v->Selection);
            for (TFormFille* v : vues)
                if (v) {
                    Selection::PCActif(doc_, v->TabCoor());
                    Selection::Revalide(doc_, v->TabCoor(), v->Selection);
                }
            FixeCoche("MeFenSel", false);
        }
    } else if (champ == &TAffichage::MeSections || champ == &TAffichage::MeLignesdEau ||
               champ == &TAffichage::MeLongitudinales || champ == &TAffichage::MeDiagonales) {
        // The family's tables are computed for the surfaces that do not have them yet.
        if (on) ObjCom::MajCoupesSurface(doc_);
    } else if (champ == &TAffichage::MeSurfaceParam) {
        if (on) ObjCom::MajSurface(doc_, false, -1);
    } else if (champ == &TAffichage::MeHerisson) {
        // The combs are computed with the cuts: every cut again.
        for (auto& sf : doc_.Surfaces)
            if (sf) sf->SecFait = sf->LEFait = sf->LongFait = sf->DiagFait = 0;
        ObjCom::MajCoupesSurface(doc_);
    } else if (champ == &TAffichage::MeAffichePoids) {
        if (on) ObjCom::MajTotalPoids(doc_);
    } else if (champ == &TAffichage::MeCentredeVoilure) {
        if (on) ObjCom::MajCentreVoilure(doc_);
    }
    Redessine(false);
}

void TMainForm::MajCochesAffichage() {
    for (const Interrupteur& sw : kInterrupteurs)
        if (QAction* a = Action(QLatin1String(sw.nom))) {
            const QSignalBlocker b(a);
            a->setChecked(doc_.Aff.*(sw.champ));
            emit a->changed();  // the tool-bar buttons follow
        }
}

// ---- Settings of the display --------------------------------------------------------------

Settings::TConf TMainForm::ConfDesMenus() const {
    Settings::TConf c;
    const TAffichage& a = doc_.Aff;
    c.AffCarene = a.MeCarene;
    c.AffNet = a.MeNet;
    c.AffBasePlanSym = a.MeBasePlanSym;
    c.AffMoitie = a.MeMoitie;
    c.AffScinder = a.MeScinder;
    c.AffSections = a.MeSections;
    c.AffLignesE = a.MeLignesdEau;
    c.AffLongits = a.MeLongitudinales;
    c.AffDiags = a.MeDiagonales;
    c.AffSurfParam = a.MeSurfaceParam;
    c.AffGrille = a.MeGrille;
    c.AffOrientSurf = a.MeOrientSurf;
    c.AffHerisson = a.MeHerisson;
    c.AffAxes = a.MeAfficheAxes;
    c.AffReperes = a.MeAfficheReperes;
    c.AffReperesEnv = a.MeAfficheReperesEnv;
    c.AffPoids = a.MeAffichePoids;
    c.AffCentreVoil = a.MeCentredeVoilure;
    c.AffCotes = a.MeAfficheCotes;
    c.AffImages = a.MeAfficheBitmapFond;
    c.VoirFenSel = a.MeFenSel;
    c.AffPlanEau = TStudioForm::Instance() ? TStudioForm::Instance()->PlanEau() : planEau_;
    c.Precision = MotPrecision();
    return c;
}

void TMainForm::Clique(const char* nom, bool on) {
    QAction* a = Action(QLatin1String(nom));
    if (!a || a->isChecked() == on) return;
    // As a click would: the command runs; one that is not available only ticks.
    if (a->isEnabled())
        a->trigger();
    else
        a->setChecked(on);
}

void TMainForm::AppliqueConf(const Settings::TConf& c) {
    TAffichage& a = doc_.Aff;
    // The hull and the net always start shown.
    a.MeBasePlanSym = c.AffBasePlanSym;
    a.MeMoitie = c.AffMoitie;
    a.MeScinder = c.AffScinder;
    a.MeSections = c.AffSections;
    a.MeLignesdEau = c.AffLignesE;
    a.MeLongitudinales = c.AffLongits;
    a.MeDiagonales = c.AffDiags;
    a.MeSurfaceParam = c.AffSurfParam;
    a.MeGrille = c.AffGrille;
    a.MeOrientSurf = c.AffOrientSurf;
    a.MeHerisson = c.AffHerisson;
    a.MeAfficheAxes = c.AffAxes;
    a.MeAfficheReperes = c.AffReperes;
    a.MeAfficheReperesEnv = c.AffReperesEnv;
    a.MeAffichePoids = c.AffPoids;
    a.MeCentredeVoilure = c.AffCentreVoil;
    a.MeAfficheCotes = c.AffCotes;
    a.MeAfficheBitmapFond = c.AffImages;
    planEau_ = c.AffPlanEau;
    if (TStudioForm* st = TStudioForm::Instance()) st->SetPlanEau(planEau_);
    MajCochesAffichage();
    // A personal precision is not kept: it starts as the "Moyenne" preset.
    // An unknown word leaves the precision as it is.
    FixeMotPrecision(c.Precision == QLatin1String("Perso") ? QStringLiteral("Moyenne") : c.Precision);
    Clique("MeFenSel", c.VoirFenSel);
}
