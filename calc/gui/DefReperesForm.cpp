#include "calc/gui/DefReperesForm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/gui/AppliqueLangue.h"
#include "base/Chaines.h"
#include "base/Langue.h"
#include "calc/DevisPoids.h"
#include "model/Document.h"
#include "model/UiPort.h"
#include "model/Undo.h"
#include "views/gui/Champs.h"

TDefReperesForm::TDefReperesForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("DefReperesForm"));
    auto* l = new QFormLayout(this);
    EditNom = new QLineEdit(this);
    EditX = new QLineEdit(this);
    EditY = new QLineEdit(this);
    EditZ = new QLineEdit(this);
    l->addRow(Langue::QTxt("rsNom"), EditNom);
    l->addRow(Langue::QTxt("rsX"), EditX);
    l->addRow(Langue::QTxt("rsY"), EditY);
    l->addRow(Langue::QTxt("rsZ"), EditZ);
    auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    l->addRow(b);
    connect(b->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] {
        if (BtnOKClick()) accept();
    });
    connect(b, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Langue::AppliqueLangue(this);
    setWindowTitle(Langue::QTxt("rsDefReperesFormCaption"));
}

void TDefReperesForm::Prepare(TVertex3f p, QPoint ecran) {
    move(ecran);
    EditNom->clear();
    EditX->setText(QString::fromStdString(Chaines::FormatFixe(p.X, 4)));
    EditY->setText(QString::fromStdString(Chaines::FormatFixe(p.Y, 4)));
    EditZ->setText(QString::fromStdString(Chaines::FormatFixe(p.Z, 4)));
    EditNom->setFocus();
}

bool TDefReperesForm::ShowAt(TVertex3f p, QPoint ecran) {
    Prepare(p, ecran);
    return exec() == QDialog::Accepted;
}

bool TDefReperesForm::BtnOKClick() {
    QLineEdit* champs[3] = {EditX, EditY, EditZ};
    double v[3];
    for (int k = 0; k < 3; ++k) {
        if (champs[k]->text().trimmed().isEmpty()) {
            Ui::ui().showMessage(Langue::Txt("rsMsgChampsVide"));
            return false;
        }
        if (!DevisPoids::LitNombre(champs[k]->text().toStdString(), v[k])) {
            Ui::ui().showMessage(Langue::Txt("rsMsgChampsErrone"));
            return false;
        }
        static const char* const libelles[3] = {"rsX", "rsY", "rsZ"};
        if (const std::string r = Saisie::Refus(v[k], Saisie::dCoordonnee); !r.empty()) {
            Champs::Refuse(champs[k], Langue::QTxt(libelles[k]), r);
            return false;
        }
    }
    doc_.RecordAction(TUndo::kSansRetour);  // no record holds the marks
    doc_.ListReperes.push_back({EditNom->text().toStdString(), v[0], v[1], v[2]});
    doc_.MarquerModifie();
    Ui::ui().markModified();
    Ui::ui().requestRedraw(false);
    return true;
}
