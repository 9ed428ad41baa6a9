#include "views/gui/BoiteOutilsForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QToolButton>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Icones.h"

const std::vector<TBoiteOutilsForm::TBouton>& TBoiteOutilsForm::Boutons() {
    static const std::vector<TBouton> b = {
        {"SB_PCIns", "MeAjouterVx", "ajout-ligne"},          {"SB_PCSup", "MeSupprimerVx", "suppr-ligne"},
        {"SB_Souder", "MeSouderPC", "souder"},               {"SB_Dessouder", "MeDessouderPC", "dessouder"},
        {"SB_GrouperPlan", "MeGrouperPCPlan", "grouper-plan"}, {"SB_GrouperEspace", "MeGrouperPCEspace", "grouper-espace"},
        {"SB_AlignePlan", "MeAlignePCPlan", "aligner-plan"}, {"SB_AligneEsp", "MeAlignePCEspace", "aligner-espace"},
        {"SB_DeplH", "MeDeplHori", "depl-horizontal"},       {"SB_DeplV", "MeDeplVert", "depl-vertical"},
        {"SB_SelAll", "MeSelectAllControles", "tout-selectionner"}, {"SpeedButton1", "MeFenSel", "fenetre-selection"},
        {"SB_Visibilite", "MeVisibiliteSurf", "visibilite"}, {"SB_Verrou", "MeVerrouillageSurf", "verrou"},
        {"SB_Propr", "MeProprieteSurf", "proprietes"},       {"SB_Transfo", "MeTransfo", "transformation"},
        {"SB_MesureMetre", "MeMesureMetre", "mesure-longueur"}, {"SB_CoteMetre", "MeCotMetre", "cote-longueur"},
        {"SB_MesureAngle", "MeMesureAngle", "mesure-angle"}, {"SB_CoteAngle", "MeCotAngle", "cote-angle"},
        {"SB_MesureRayon", "MeMesureCercle", "mesure-rayon"}, {"SB_CoteRayon", "MeCotRayon", "cote-rayon"},
        {"SB_ListeCotes", "MeLstCotations", "liste-cotes"},  {"SB_Calculat", "MeCalculatrice", "calculatrice"},
        // The surface moves that have no menu item.
        {"SB_DeplacerPC", "MeDeplacerPC", "deplacer-surfaces"}, {"SB_RotationPC", "MeRotationPC", "tourner-surfaces"},
        {"SB_RetournVert", "MeRetournVert", "miroir-vertical"}, {"SB_RetournHoriz", "MeRetournHoriz", "miroir-horizontal"},
        {"SB_DeplacerSurf", "MeDeplacerSurf", "repere-surfaces"},
    };
    return b;
}

TBoiteOutilsForm::TBoiteOutilsForm(std::function<QAction*(const QString&)> action, QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("BoiteOutilsForm"));
    setWindowTitle(QStringLiteral("Outils"));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(2, 2, 2, 2);
    g->setSpacing(1);
    int k = 0;
    for (const TBouton& b : Boutons()) {
        auto* t = new QToolButton(this);
        t->setObjectName(QLatin1String(b.Nom));
        t->setIcon(Icones::Icone(QLatin1String(b.Icone)));
        t->setIconSize(QSize(24, 24));
        t->setFixedSize(30, 30);
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
    // A button with no hint of its own shows its command's caption.
    for (const TBouton& b : Boutons())
        if (auto* t = findChild<QToolButton*>(QLatin1String(b.Nom)); t && t->toolTip().isEmpty())
            if (QAction* item = action ? action(QLatin1String(b.Item)) : nullptr) t->setToolTip(item->text());
    // Sized once made: a window resized while it shows loses the frame
    // position it was given, and opens a title bar's height off it.
    setFixedWidth(65);
    resize(65, sizeHint().height());
}

void TBoiteOutilsForm::Ancre(const QRect& principale, int largeurClient) {
    move(principale.left() + largeurClient + 4 - frameGeometry().width(), principale.top() + 72);
}

void TBoiteOutilsForm::closeEvent(QCloseEvent* e) {
    e->accept();
    if (Fermee) Fermee();
}

void TBoiteOutilsForm::mouseDoubleClickEvent(QMouseEvent*) {
    if (QWidget* p = parentWidget()) Ancre(p->frameGeometry(), p->width());
}
