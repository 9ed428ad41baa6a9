#include "views/gui/ListeSurfVisiblesForm.h"

#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "model/Update.h"
#include "views/Taille.h"
#include "views/gui/SelSurfaces.h"

TListeSurfVisiblesForm::TListeSurfVisiblesForm(TMainForm& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("ListeSurfVisiblesForm"));
    setWindowTitle(Langue::QTxt("rsListeSurfVisiblesFormCaption"));
    setMinimumSize(115, 140);
    sel_ = new TSelSurfaces(this);
    sel_->setTitle(QString());
    (new QVBoxLayout(this))->addWidget(sel_);
    connect(sel_, &TSelSurfaces::clic, this, &TListeSurfVisiblesForm::Applique);
    connect(sel_, &TSelSurfaces::bouton, this, &TListeSurfVisiblesForm::Applique);
    connect(&main_, &TMainForm::fenetresPC, this, [this] {
        if (isVisible()) FillSurfList();
    });
    Langue::AppliqueLangue(this);
}

void TListeSurfVisiblesForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    FillSurfList();
}

void TListeSurfVisiblesForm::FillSurfList() {
    const Document& doc = main_.Doc();
    sel_->Remplit(doc);
    std::vector<bool> sel;
    for (const auto& s : doc.Surfaces) sel.push_back(s->Visible != 0);
    sel_->Choisit(sel);
}

void TListeSurfVisiblesForm::ClearSurfList() { sel_->Vide(); }

void TListeSurfVisiblesForm::Applique() {
    Document& doc = main_.Doc();
    Taille::Visibilite(doc, sel_->Selection());
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    main_.MarquerModifie();
    main_.Redessine(false);
}
