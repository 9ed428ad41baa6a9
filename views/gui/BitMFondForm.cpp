#include "views/gui/BitMFondForm.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "base/Langue.h"
#include "model/UiPort.h"
#include "views/BitMFond.h"
#include "views/gui/Champs.h"

TBitMFondForm::TBitMFondForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BitMFondForm"));
    setWindowTitle(QStringLiteral("Charger une image de fond"));
    auto* racine = new QVBoxLayout(this);

    auto* fichiers = new QGridLayout;
    racine->addLayout(fichiers);
    vues_ = new QButtonGroup(this);
    vues_->setExclusive(true);
    static const char* const nomsBoutons[4] = {"SB_Sec", "SB_Pl", "SB_Pf", "SB_Pe"};
    static const char* const textes[4] = {"Sections", "Plan", "Profile", "Perspective"};
    static const char* const nomsLabels[4] = {"LabelSec", "LabelPl", "LabelPf", "LabelPe"};
    for (int k = 0; k < 4; ++k) {
        auto* b = new QPushButton(QString::fromUtf8(textes[k]), this);
        b->setObjectName(QLatin1String(nomsBoutons[k]));
        b->setCheckable(true);
        Langue::DonneCle(b, "-");
        vues_->addButton(b, k);
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(nomsLabels[k]));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumWidth(320);
        Langue::DonneCle(l, "-");
        labels_[static_cast<std::size_t>(k)] = l;
        fichiers->addWidget(b, k, 0);
        fichiers->addWidget(l, k, 1);
    }
    connect(vues_, &QButtonGroup::idClicked, this, &TBitMFondForm::ChoisitVue);

    auto* milieu = new QHBoxLayout;
    racine->addLayout(milieu);
    auto* groupe = new QGroupBox(QStringLiteral("Ajustement de la taille de l'image"), this);
    groupe->setObjectName(QStringLiteral("RGAjustement"));
    auto* g = new QGridLayout(groupe);
    ajustement_ = new QButtonGroup(this);
    static const char* const cles[5] = {"", "rsAjLargFen", "rsAjHautFen", "rsAjLargFix", "rsAjHautFix"};
    for (int m = 0; m < 5; ++m) {
        auto* rb = new QRadioButton(m == 0 ? QStringLiteral("Aucun") : Langue::QTxt(cles[m]), groupe);
        rb->setObjectName(QStringLiteral("RBAjustement%1").arg(m));
        Langue::DonneCle(rb, m == 0 ? "-" : cles[m]);
        ajustement_->addButton(rb, m);
        g->addWidget(rb, m, 0);
    }
    largFixe_ = new QLineEdit(groupe);
    largFixe_->setObjectName(QStringLiteral("EditLargFixe"));
    hautFixe_ = new QLineEdit(groupe);
    hautFixe_->setObjectName(QStringLiteral("EditHautFixe"));
    g->addWidget(largFixe_, 3, 1);
    g->addWidget(hautFixe_, 4, 1);
    connect(ajustement_, &QButtonGroup::idClicked, this, &TBitMFondForm::AjustementClick);
    connect(largFixe_, &QLineEdit::editingFinished, this, [this] { LitTaille(largFixe_, &TFondFichier::Largeur); });
    connect(hautFixe_, &QLineEdit::editingFinished, this, [this] { LitTaille(hautFixe_, &TFondFichier::Hauteur); });
    milieu->addWidget(groupe, 1);

    auto* boutons = new QVBoxLayout;
    milieu->addLayout(boutons);
    auto* charger = new QPushButton(QStringLiteral("Charger..."), this);
    charger->setObjectName(QStringLiteral("ButtonCharger"));
    auto* effacer = new QPushButton(QStringLiteral("Effacer"), this);
    effacer->setObjectName(QStringLiteral("ButtonEffacer"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);
    auto* annul = new QPushButton(QStringLiteral("Annuler"), this);
    annul->setObjectName(QStringLiteral("BtnAnnuler"));
    for (QPushButton* b : {charger, effacer, ok, annul}) boutons->addWidget(b);
    boutons->addStretch(1);
    connect(charger, &QPushButton::clicked, this, &TBitMFondForm::ButtonChargerClick);
    connect(effacer, &QPushButton::clicked, this, &TBitMFondForm::ButtonEffacerClick);
    connect(ok, &QPushButton::clicked, this, &TBitMFondForm::BtnOKClick);
    connect(annul, &QPushButton::clicked, this, &TBitMFondForm::reject);

    ChoisirFichier = [this] {
        static const std::string filtre = Langue::FiltreQt(
            "Tout (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|Bitmaps (*.bmp)|*.bmp|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
            "GIF (*.gif)|*.gif");
        return QFileDialog::getOpenFileName(this, windowTitle(), QString(), QString::fromStdString(filtre));
    };
    Langue::DialogueFichier(this, "rsImagesFilter", false);
    Langue::AppliqueLangue(this);
}

void TBitMFondForm::Charge(const TFonds& fonds) {
    fonds_ = fonds;
    for (int k = 0; k < 4; ++k)
        LabelFichier(k)->setText(QString::fromStdString(fonds_[static_cast<std::size_t>(k)].Fichier));
    ChoisitVue(0);
}

void TBitMFondForm::ChoisitVue(int k) {
    if (k < 0 || k > 3) return;
    vue_ = k;
    vues_->button(k)->setChecked(true);
    MontreVue();
}

void TBitMFondForm::MontreVue() {
    const TFondFichier& f = fonds_[static_cast<std::size_t>(vue_)];
    const int mode = f.Ajuste <= 4 ? f.Ajuste : 0;
    ajustement_->button(mode)->setChecked(true);
    largFixe_->setText(QString::number(f.Largeur));
    hautFixe_->setText(QString::number(f.Hauteur));
    largFixe_->setEnabled(mode == BitMFond::ajLargeurFixe);
    hautFixe_->setEnabled(mode == BitMFond::ajHauteurFixe);
}

void TBitMFondForm::AjustementClick(int mode) {
    fonds_[static_cast<std::size_t>(vue_)].Ajuste = static_cast<std::uint8_t>(mode);
    largFixe_->setEnabled(mode == BitMFond::ajLargeurFixe);
    hautFixe_->setEnabled(mode == BitMFond::ajHauteurFixe);
}

bool TBitMFondForm::LitTaille(QLineEdit* e, int TFondFichier::*champ) {
    int& v = fonds_[static_cast<std::size_t>(vue_)].*champ;
    int lu = 0;
    if (!BitMFond::LitEntier(e->text().toStdString(), lu)) {
        const QString texte = e->text();
        e->setText(QString::number(v));
        Ui::ui().showMessage(Langue::Txt("rsExceptConv") + texte.toStdString());
        return false;
    }
    // A size in pixels, in use: neither negative nor beyond the working range.
    const std::string refus = Saisie::Refus(lu, e->isEnabled() ? Saisie::dTaille : Saisie::dLibre);
    if (!refus.empty()) {
        Champs::Refuse(e, Langue::QTxt(e == largFixe_ ? "rsAjLargFix" : "rsAjHautFix"), refus);
        return false;
    }
    v = lu;
    return true;
}

void TBitMFondForm::ButtonChargerClick() {
    const QString f = ChoisirFichier ? ChoisirFichier() : QString();
    if (f.isEmpty()) return;
    LabelFichier(vue_)->setText(f);
}

void TBitMFondForm::ButtonEffacerClick() {
    LabelFichier(vue_)->clear();
    if (Recharge) Recharge();
}

void TBitMFondForm::BtnOKClick() {
    // Fixed sizes still being typed are read first; a bad one stops here.
    if (!LitTaille(largFixe_, &TFondFichier::Largeur) || !LitTaille(hautFixe_, &TFondFichier::Hauteur)) return;
    for (int k = 0; k < 4; ++k) fonds_[static_cast<std::size_t>(k)].Fichier = LabelFichier(k)->text().toStdString();
    if (Applique) Applique(fonds_);
    accept();
}

void TBitMFondForm::reject() {
    if (Annule) Annule(fonds_);
    QDialog::reject();
}
