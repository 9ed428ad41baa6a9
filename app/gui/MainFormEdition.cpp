// The "Edition" menu: undo, redo and the copy of the active view's picture.
#include "app/gui/MainForm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/gui/MainFormInterne.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"

using namespace MainFormInterne;

void TMainForm::BrancheEdition() {
    Connecte(this, "MeAnnuler", &TMainForm::MeAnnulerClick);
    Connecte(this, "MeRefaireCommande", &TMainForm::MeRefaireCommandeClick);
    Connecte(this, "MeCopier", [this] {
        // The active view's picture as it is shown.
        QMdiSubWindow* sw = mdi_->activeSubWindow();
        auto* v = qobject_cast<TFormFille*>(sw ? sw->widget() : nullptr);
        if (v && !v->Image().isNull()) QGuiApplication::clipboard()->setImage(v->Image());
    });
}

void TMainForm::MeAnnulerClick() {
    if (undo_.Annuler(doc_)) {
        // Nets may have changed size: the views' selections follow.
        MouseCommandes::RevalideSelections();
        MarquerModifie();
        Redessine(false);
    }
    MajMenusAnnuler();
}

void TMainForm::MeRefaireCommandeClick() {
    if (undo_.Refaire(doc_)) {
        MouseCommandes::RevalideSelections();
        MarquerModifie();
        Redessine(false);
    }
    MajMenusAnnuler();
}
