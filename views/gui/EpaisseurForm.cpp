#include "views/gui/EpaisseurForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Langue.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "views/Epaisseur.h"
#include "views/gui/SelSurfaces.h"

TEpaisseurForm::TEpaisseurForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("EpaisseurForm"));
    setWindowTitle(Langue::QTxt("rsEpaisseurFormCaption"));
    sel_ = new TSelSurfaces(this, false, false);
    edit_ = new QLineEdit(QStringLiteral("0.000"), this);
    edit_->setObjectName(QStringLiteral("EditEpaisseurCreate"));
    int_ = new QRadioButton(Langue::QTxt("rsRB_EpaisseurInterieurCaption"), this);
    ext_ = new QRadioButton(Langue::QTxt("rsRB_EpaisseurExterieurCaption"), this);
    int_->setObjectName(QStringLiteral("RB_EpaisseurInterieur"));
    ext_->setObjectName(QStringLiteral("RB_EpaisseurExterieur"));
    int_->setChecked(true);
    auto* ok = new QPushButton(Langue::QTxt("rsBtnOK"), this);
    auto* ann = new QPushButton(Langue::QTxt("rsBtnAnnuler"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ann->setObjectName(QStringLiteral("BtnAnnuler"));
    connect(ok, &QPushButton::clicked, this, &TEpaisseurForm::Valider);
    connect(ann, &QPushButton::clicked, this, &QDialog::reject);
    auto* v = new QVBoxLayout(this);
    v->addWidget(sel_);
    auto* h = new QHBoxLayout;
    h->addWidget(new QLabel(Langue::QTxt("rsLabelEpaisseurCaption"), this));
    h->addWidget(edit_);
    v->addLayout(h);
    v->addWidget(int_);
    v->addWidget(ext_);
    auto* hb = new QHBoxLayout;
    hb->addWidget(ok);
    hb->addWidget(ann);
    v->addLayout(hb);
    Langue::AppliqueLangue(this);
}

bool TEpaisseurForm::Execute() {
    ajoute_ = false;
    sel_->Remplit(main_.Doc());
    exec();
    sel_->Vide();
    return ajoute_;
}

void TEpaisseurForm::Valider() {
    Document& doc = main_.Doc();
    const int i = sel_->Courante();
    if (i < 0) {
        accept();  // no surface chosen: nothing added, the document as it was
        return;
    }
    double t = 0;
    if (!Champs::LitReel(edit_, Langue::QTxt("rsLabelEpaisseurCaption"), t, Saisie::dTaille)) return;
    if (doc.NbSurf() >= kMaxSurfaces) {
        Epaisseur::CreerEpaisseur(doc, i, t, int_->isChecked());  // says why
        return;
    }
    // A surface is added: the previous snapshot could not be given back.
    main_.RecordAction(TUndo::kListeSurf);
    ObjCom::MajSurface(doc, true, i);  // the offset starts from the surface as it stands
    ajoute_ = Epaisseur::CreerEpaisseur(doc, i, t, int_->isChecked()) >= 0;
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    main_.MarquerModifie();
    ObjCom::MajFenetresPC(doc);
    main_.Redessine(false);
    accept();
}
