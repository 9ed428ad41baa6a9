#include "views/gui/PrecisForm.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <utility>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "views/Taille.h"

TPrecisForm::TPrecisForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrecisForm"));
    setWindowTitle(Langue::QTxt("rsPrecisFormCaption"));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("EditPrecision"));
    edit_->setMaxLength(3);
    edit_->setValidator(new QIntValidator(0, 999, edit_));
    // The arrow pair steps by one within 2..200; leaving the field clamps.
    auto* bas = new QToolButton(this);
    auto* haut = new QToolButton(this);
    bas->setArrowType(Qt::DownArrow);
    haut->setArrowType(Qt::UpArrow);
    for (auto [b, pas] : {std::pair{bas, -1}, std::pair{haut, 1}})
        connect(b, &QToolButton::clicked, this, [this, pas] {
            const int v = Taille::BornePrecision(edit_->text().toStdString(), courante_, true) + pas;
            edit_->setText(QString::number(std::clamp(v, Taille::kPrecisionMinDebug, Taille::kPrecisionMax)));
        });
    auto* ok = new QPushButton(Langue::QTxt("rsBtnOK"), this);
    auto* ann = new QPushButton(Langue::QTxt("rsBtnAnnuler"), this);
    ok->setObjectName(QStringLiteral("BtnOk"));
    ann->setObjectName(QStringLiteral("BtnAnnuler"));
    ok->setDefault(true);
    connect(edit_, &QLineEdit::editingFinished, this, [this] {
        edit_->setText(QString::number(Taille::BornePrecision(edit_->text().toStdString(), courante_, debug_)));
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(ann, &QPushButton::clicked, this, &QDialog::reject);
    auto* v = new QVBoxLayout(this);
    auto* h = new QHBoxLayout;
    h->addWidget(new QLabel(Langue::QTxt("rsLabelPrecisionCaption"), this));
    h->addWidget(edit_);
    h->addWidget(bas);
    h->addWidget(haut);
    v->addLayout(h);
    auto* hb = new QHBoxLayout;
    hb->addWidget(ok);
    hb->addWidget(ann);
    v->addLayout(hb);
}

int TPrecisForm::Execute(int courante, bool debug) {
    courante_ = courante;
    debug_ = debug;
    edit_->setText(QString::number(courante));
    edit_->selectAll();
    edit_->setFocus();
    // Whichever way out, the number in the field, brought within its range.
    exec();
    return Taille::BornePrecision(edit_->text().toStdString(), courante, debug);
}
