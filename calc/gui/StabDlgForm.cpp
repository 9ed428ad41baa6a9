#include "calc/gui/StabDlgForm.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "calc/Hydrostat.h"
#include "calc/VolumesNegatifs.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/UiPort.h"

TStabDlgForm::TStabDlgForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("StabDlgForm"));
    setWindowTitle(QStringLiteral("Volumes négatifs"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Les surfaces cochées représentent\ndes volumes comptés négativement"), this));
    LBSurfaces = new QListWidget(this);
    LBSurfaces->setSelectionMode(QAbstractItemView::ExtendedSelection);
    l->addWidget(LBSurfaces);
    auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    l->addWidget(b);
    connect(b->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] {
        BtnOKClick();
        accept();
    });
    connect(b, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TStabDlgForm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Prepare();
    QDialog::showEvent(e);
}

void TStabDlgForm::Prepare() {
    liste_ = Hydrostat::ListeCalcul(doc_);
    LBSurfaces->clear();
    const auto negatifs = VolumesNegatifs::Lit(doc_, liste_);
    for (int k = 0; k < liste_.Count(); ++k) {
        LBSurfaces->addItem(QString::fromStdString(doc_.Surface(liste_.NumSurf(k))->Nom));
        LBSurfaces->item(k)->setSelected(negatifs[static_cast<std::size_t>(k)]);
    }
}

bool TStabDlgForm::BtnOKClick() {
    std::vector<bool> negatifs;
    for (int k = 0; k < LBSurfaces->count(); ++k) negatifs.push_back(LBSurfaces->item(k)->isSelected());
    if (!VolumesNegatifs::Applique(doc_, liste_, negatifs)) return false;
    Ui::ui().markModified();
    return true;
}
