#include "calc/gui/DefPoidsForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/gui/AppliqueLangue.h"
#include "base/Chaines.h"
#include "base/Langue.h"
#include "calc/DevisPoids.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/UiPort.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "views/gui/Champs.h"

TDefPoidsForm::TDefPoidsForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("DefPoidsForm"));
    auto* l = new QFormLayout(this);
    EditValeur = new QLineEdit(this);
    EditNom = new QLineEdit(this);
    EditX = new QLineEdit(this);
    EditY = new QLineEdit(this);
    EditZ = new QLineEdit(this);
    CBSurf = new QComboBox(this);
    l->addRow(Langue::QTxt("rsValeur"), EditValeur);
    l->addRow(Langue::QTxt("rsNom"), EditNom);
    l->addRow(Langue::QTxt("rsX"), EditX);
    l->addRow(Langue::QTxt("rsY"), EditY);
    l->addRow(Langue::QTxt("rsZ"), EditZ);
    l->addRow(Langue::QTxt("rsAttacheA"), CBSurf);
    auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    BtnOK = b->button(QDialogButtonBox::Ok);
    BtnAnnuler = b->button(QDialogButtonBox::Cancel);
    l->addRow(b);
    connect(BtnOK, &QPushButton::clicked, this, [this] {
        if (BtnOKClick()) accept();
    });
    connect(BtnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    Langue::AppliqueLangue(this);
    setWindowTitle(Langue::QTxt("rsDefPoidsFormCaption"));
}

void TDefPoidsForm::Prepare(TVertex3f p, QPoint ecran) {
    move(ecran);
    EditValeur->clear();
    EditNom->clear();
    EditX->setText(QString::fromStdString(Chaines::FormatFixe(p.X, 4)));
    EditY->setText(QString::fromStdString(Chaines::FormatFixe(p.Y, 4)));
    EditZ->setText(QString::fromStdString(Chaines::FormatFixe(p.Z, 4)));
    CBSurf->clear();
    for (const auto& s : doc_.Surfaces) CBSurf->addItem(QString::fromStdString(s->Nom));
    CBSurf->setCurrentIndex(-1);
    EditValeur->setFocus();
}

bool TDefPoidsForm::ShowAt(TVertex3f p, QPoint ecran) {
    Prepare(p, ecran);
    const bool ok = exec() == QDialog::Accepted;
    CBSurf->clear();
    return ok;
}

bool TDefPoidsForm::BtnOKClick() {
    QLineEdit* champs[4] = {EditValeur, EditX, EditY, EditZ};
    for (QLineEdit* e : champs)
        if (e->text().trimmed().isEmpty()) {
            Ui::ui().showMessage(Langue::Txt("rsMsgChampsVide"));
            return false;
        }
    double v[4];
    const char* const libelles[4] = {"rsValeur", "rsX", "rsY", "rsZ"};
    for (int k = 0; k < 4; ++k) {
        if (!DevisPoids::LitNombre(champs[k]->text().toStdString(), v[k])) {
            champs[k]->setFocus();
            Ui::ui().showMessage(Langue::Txt("rsMsgChampsErrone"));
            return false;
        }
        if (const std::string r = Saisie::Refus(v[k], k == 0 ? Saisie::dMasseSignee : Saisie::dCoordonnee); !r.empty()) {
            Champs::Refuse(champs[k], Langue::QTxt(libelles[k]), r);
            return false;
        }
    }
    // Recorded like the weights window: Annuler takes the new weight away
    // rather than an older change of the geometry.
    doc_.RecordAction(TUndo::kGeometrie);
    doc_.ListPoids.push_back({EditNom->text().toStdString(), v[0], v[1], v[2], v[3], CBSurf->currentIndex()});
    ObjCom::MajTotalPoids(doc_);
    doc_.MarquerModifie();
    Ui::ui().markModified();
    Ui::ui().requestRedraw(false);
    return true;
}
