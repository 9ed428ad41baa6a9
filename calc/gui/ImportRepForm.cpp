#include "calc/gui/ImportRepForm.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/gui/AppliqueLangue.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "calc/Reperes.h"
#include "calc/gui/GrilleResultats.h"
#include "model/Document.h"
#include "model/UiPort.h"
#include "model/Undo.h"

TImportRepForm::TImportRepForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("ImportRepForm"));
    auto* l = new QVBoxLayout(this);
    CBNomRepere = new QCheckBox(this);
    CBNomRepere->setObjectName(QStringLiteral("CBNomRepere"));
    l->addWidget(CBNomRepere);
    auto* g = new QGroupBox(this);
    g->setObjectName(QStringLiteral("RGOrdre"));
    auto* lg = new QVBoxLayout(g);
    RGOrdre = new QButtonGroup(this);
    for (int k = 0; k < Reperes::kNbOrdres; ++k) {
        auto* r = new QRadioButton(QString::fromStdString(Reperes::NomOrdre(k)), g);
        Langue::DonneCle(r, "-");
        RGOrdre->addButton(r, k);
        lg->addWidget(r);
    }
    RGOrdre->button(0)->setChecked(true);
    l->addWidget(g);
    auto* gr = new QGroupBox(this);
    gr->setObjectName(QStringLiteral("GBResult"));
    auto* lr = new QVBoxLayout(gr);
    LabelLigne = new QLabel(gr);
    lr->addWidget(LabelLigne);
    l->addWidget(gr);
    auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    l->addWidget(b);
    connect(b->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] {
        const QString f = GrilleResultats::DemandeFichier(this, "rsCSVFilter", "csv", false);
        if (!f.isEmpty() && Importe(f)) accept();
    });
    connect(b, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(CBNomRepere, &QCheckBox::toggled, this, &TImportRepForm::MajLigne);
    connect(RGOrdre, &QButtonGroup::idClicked, this, &TImportRepForm::MajLigne);
    Langue::DialogueFichier(this, "rsCSVFilter", false);
    Langue::AppliqueLangue(this);
    MajLigne();
}

int TImportRepForm::Ordre() const { return std::max(0, RGOrdre->checkedId()); }

void TImportRepForm::SetOrdre(int ordre) {
    RGOrdre->button(ordre)->setChecked(true);
    MajLigne();
}

void TImportRepForm::MajLigne() {
    LabelLigne->setText(QString::fromStdString(Reperes::LigneAttendue(CBNomRepere->isChecked(), Ordre())));
}

bool TImportRepForm::Importe(const QString& fichier) {
    std::vector<std::string> lignes;
    if (!Encodage::LitFichierTexte(fichier.toStdString(), lignes)) {
        Ui::ui().showMessage(Langue::Txt("rsErrLectFich") + fichier.toStdString());
        return false;
    }
    int err = 0;
    auto points = Reperes::Importe(lignes, CBNomRepere->isChecked(), Ordre(), err);
    if (err != 0) {
        Ui::ui().showMessage(Langue::Txt("rsErrLectFichImport") + " (" + Langue::Txt("rsLigne") + " " +
                             std::to_string(err) + ") : " + Langue::Txt("rsAucunRepereImporte"));
        return false;
    }
    if (points.empty()) return true;  // a file without marks changes nothing
    doc_.RecordAction(TUndo::kSansRetour);  // no record holds the marks
    doc_.ListReperes.insert(doc_.ListReperes.end(), points.begin(), points.end());
    doc_.MarquerModifie();
    Ui::ui().markModified();
    Ui::ui().requestRedraw(false);
    return true;
}
