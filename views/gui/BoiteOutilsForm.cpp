#include "views/gui/BoiteOutilsForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QToolButton>

#include "app/gui/AppliqueLangue.h"

const std::vector<TBoiteOutilsForm::TBouton>& TBoiteOutilsForm::Boutons() {
    static const std::vector<TBouton> b = {
        {"SB_PCIns", "MeAjouterVx", "+"},           {"SB_PCSup", "MeSupprimerVx", "−"},
        {"SB_Souder", "MeSouderPC", "S"},           {"SB_Dessouder", "MeDessouderPC", "DS"},
        {"SB_GrouperPlan", "MeGrouperPCPlan", "G2"}, {"SB_GrouperEspace", "MeGrouperPCEspace", "G3"},
        {"SB_AlignePlan", "MeAlignePCPlan", "A2"},  {"SB_AligneEsp", "MeAlignePCEspace", "A3"},
        {"SB_DeplH", "MeDeplHori", "↔"},            {"SB_DeplV", "MeDeplVert", "↕"},
        {"SB_SelAll", "MeSelectAllControles", "*"}, {"SpeedButton1", "MeFenSel", "Sel"},
        {"SB_Visibilite", "MeVisibiliteSurf", "V"}, {"SB_Verrou", "MeVerrouillageSurf", "Vr"},
        {"SB_Propr", "MeProprieteSurf", "P"},       {"SB_Transfo", "MeTransfo", "T"},
        {"SB_MesureMetre", "MeMesureMetre", "Mm"},  {"SB_CoteMetre", "MeCotMetre", "Cm"},
        {"SB_MesureAngle", "MeMesureAngle", "Ma"},  {"SB_CoteAngle", "MeCotAngle", "Ca"},
        {"SB_MesureRayon", "MeMesureCercle", "Mr"}, {"SB_CoteRayon", "MeCotRayon", "Cr"},
        {"SB_ListeCotes", "MeLstCotations", "LC"},  {"SB_Calculat", "MeCalculatrice", "="},
    };
    return b;
}

TBoiteOutilsForm::TBoiteOutilsForm(std::function<QAction*(const QString&)> action, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("BoiteOutilsForm"));
    setWindowTitle(QStringLiteral("Outils"));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(2, 2, 2, 2);
    g->setSpacing(1);
    int k = 0;
    for (const TBouton& b : Boutons()) {
        auto* t = new QToolButton(this);
        t->setObjectName(QLatin1String(b.Nom));
        t->setText(QString::fromUtf8(b.Sigle));
        t->setFixedSize(28, 26);
        g->addWidget(t, k / 2, k % 2);
        ++k;
        QAction* item = action ? action(QLatin1String(b.Item)) : nullptr;
        if (!item) {
            t->setEnabled(false);
            continue;
        }
        // The button runs its item, which decides its own state; the button follows.
        t->setCheckable(item->isCheckable());
        connect(t, &QToolButton::clicked, item, [item, t] {
            t->setChecked(item->isChecked());
            item->trigger();
        });
        auto suit = [item, t] {
            t->setEnabled(item->isEnabled());
            if (t->isCheckable()) t->setChecked(item->isChecked());
        };
        connect(item, &QAction::changed, t, suit);
        suit();
    }
    // The net selection window's button takes the hint of its tool-bar button.
    Langue::DonneCle(findChild<QToolButton*>(QStringLiteral("SpeedButton1")), {}, "rsSBFenSelHint");
    Langue::AppliqueLangue(this);
}

void TBoiteOutilsForm::Ancre(const QRect& principale, int largeurClient) {
    move(principale.left() + largeurClient + 4 - frameGeometry().width(), principale.top() + 72);
}

void TBoiteOutilsForm::showEvent(QShowEvent* e) {
    resize(65, height());
    QWidget::showEvent(e);
}

void TBoiteOutilsForm::closeEvent(QCloseEvent* e) {
    e->accept();
    if (Fermee) Fermee();
}

void TBoiteOutilsForm::mouseDoubleClickEvent(QMouseEvent*) {
    if (QWidget* p = parentWidget()) Ancre(p->frameGeometry(), p->width());
}
