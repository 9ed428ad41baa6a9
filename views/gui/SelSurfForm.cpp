#include "views/gui/SelSurfForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Langue.h"
#include "views/SurfNew.h"

TSelSurfForm::TSelSurfForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("SelSurfForm"));
    setWindowTitle(Langue::QTxt("rsSelSurfFormCaption"));  // each use names its own
    resize(256, 95);
    cb_ = new QComboBox(this);
    cb_->setObjectName(QStringLiteral("CBSurf"));
    cb_->setMaxVisibleItems(20);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("EditRenomer"));
    edit_->setMaxLength(static_cast<int>(kLongNomSurface));
    label_ = new QLabel(QStringLiteral("En :"), this);
    label_->setObjectName(QStringLiteral("LabelEn"));
    connect(cb_, &QComboBox::activated, this, [this](int i) { edit_->setText(cb_->itemText(i)); });
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* ann = new QPushButton(Langue::QTxt("rsBtnAnnuler"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ann->setObjectName(QStringLiteral("BtnAnnuler"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TSelSurfForm::Valider);
    connect(ann, &QPushButton::clicked, this, [this] {
        confirme_ = false;
        reject();
    });
    auto* v = new QVBoxLayout(this);
    v->addWidget(cb_);
    auto* h = new QHBoxLayout;
    h->addWidget(label_);
    h->addWidget(edit_);
    v->addLayout(h);
    auto* hb = new QHBoxLayout;
    hb->addStretch();
    hb->addWidget(ok);
    hb->addWidget(ann);
    v->addLayout(hb);
}

bool TSelSurfForm::Execute(int mode) {
    confirme_ = false;
    choix_ = -1;
    nouveau_.clear();
    if (mode != 2) {
        Ui::ui().msgDlg(Langue::Txt("rsErActionNonPrevue"), Ui::MsgType::Warning, Ui::mbOK);
        return false;
    }
    setWindowTitle(Langue::QTxt("rsSurfaceRename"));
    edit_->clear();
    edit_->show();
    label_->show();
    cb_->clear();
    for (const auto& s : main_.Doc().Surfaces) cb_->addItem(QString::fromStdString(s->Nom));
    cb_->setCurrentIndex(cb_->count() > 0 ? 0 : -1);
    exec();
    cb_->clear();
    return confirme_;
}

void TSelSurfForm::Valider() {
    std::vector<std::string> noms;
    for (int i = 0; i < cb_->count(); ++i) noms.push_back(cb_->itemText(i).toStdString());
    const int choix = cb_->findText(cb_->currentText()) >= 0 ? cb_->currentIndex() : -1;
    const std::string refus = SurfNew::RefusRenommer(noms, choix, edit_->text().toStdString());
    if (!refus.empty()) {
        Ui::ui().msgDlg(refus, Ui::MsgType::Warning, Ui::mbOK);
        confirme_ = false;
    } else {
        choix_ = choix;
        nouveau_ = ObjCom::Tronque(edit_->text().toStdString(), kLongNomSurface);
        cb_->setItemText(choix, QString::fromStdString(nouveau_));
        confirme_ = true;
    }
    // Confirmed or not, the dialog closes.
    accept();
}
