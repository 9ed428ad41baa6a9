#include "calc/gui/DevSurfForm.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

#include "app/gui/AppliqueLangue.h"
#include "base/Langue.h"
#include "calc/Developpement.h"
#include "calc/gui/GrilleResultats.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/Update.h"

TDevSurfForm::TDevSurfForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("DevSurfForm"));
    resize(560, 320);
    auto* racine = new QHBoxLayout(this);
    auto* gs = new QGroupBox(Langue::QTxt("rsSelection"), this);
    auto* ls = new QVBoxLayout(gs);
    LBSurf = new QListWidget(gs);
    LBSurf->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ls->addWidget(LBSurf);
    BtnTout = new QPushButton(Langue::QTxt("rsBtnToutes"), gs);
    BtnAucune = new QPushButton(Langue::QTxt("rsBtnAucune"), gs);
    ls->addWidget(BtnTout);
    ls->addWidget(BtnAucune);
    racine->addWidget(gs);
    auto* droite = new QVBoxLayout;
    BtnLancer = new QPushButton(Langue::QTxt("rsBtnOKCaption"), this);
    droite->addWidget(BtnLancer);
    auto* gc = new QGroupBox(Langue::QTxt("rsGBControlCaption"), this);
    auto* lc = new QVBoxLayout(gc);
    SG_Erreur = new TGrilleResultats(3, gc);
    SG_Erreur->setObjectName(QStringLiteral("SG_Erreur"));
    SG_Erreur->horizontalHeader()->setVisible(true);
    SG_Erreur->setHorizontalHeaderLabels({Langue::QTxt("rsSurface"), Langue::QTxt("rsDirectrice"), Langue::QTxt("rsErreur")});
    SG_Erreur->setColumnWidth(0, 130);
    SG_Erreur->setColumnWidth(1, 60);
    SG_Erreur->setColumnWidth(2, 135);
    // Every column shows at the dialog's size: the grid is never narrower than they are.
    int largeur = 2 * SG_Erreur->frameWidth() + SG_Erreur->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 3; ++c) largeur += SG_Erreur->columnWidth(c);
    SG_Erreur->setMinimumWidth(largeur);
    lc->addWidget(SG_Erreur);
    droite->addWidget(gc, 1);
    BtnFermer = new QPushButton(Langue::QTxt("rsBtnFermer"), this);
    droite->addWidget(BtnFermer);
    racine->addLayout(droite, 1);
    connect(BtnTout, &QPushButton::clicked, LBSurf, &QListWidget::selectAll);
    connect(BtnAucune, &QPushButton::clicked, LBSurf, &QListWidget::clearSelection);
    connect(BtnLancer, &QPushButton::clicked, this, &TDevSurfForm::BtnLancerClick);
    connect(BtnFermer, &QPushButton::clicked, this, &QDialog::accept);
    setWindowTitle(Langue::QTxt("rsDevSurfFormCaption"));
}

void TDevSurfForm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Prepare();
    QDialog::showEvent(e);
}

void TDevSurfForm::Prepare() {
    SG_Erreur->setRowCount(1);
    LBSurf->clear();
    candidats_ = Developpement::Candidats(doc_);
    for (int i : candidats_) LBSurf->addItem(QString::fromStdString(doc_.Surface(i)->Nom));
}

QColor TDevSurfForm::Couleur(double erreur) {
    if (erreur < 0.001) return QColor(0, 128, 0);
    if (erreur < 0.01) return QColor(255, 160, 0);
    return QColor(255, 0, 0);
}

void TDevSurfForm::BtnLancerClick() {
    SG_Erreur->setRowCount(0);
    for (int k = 0; k < LBSurf->count(); ++k) {
        if (!LBSurf->item(k)->isSelected()) continue;
        const int num = candidats_[static_cast<std::size_t>(k)];
        ObjCom::MajSurface(doc_, true, num);
        const auto* s = doc_.SurfaceNurbs(num);
        if (!s) continue;
        const auto d = Developpement::Developpe(*s);
        // The rulings run along the direction whose order is 2.
        const char* dir = d.DirectricePremiere ? "rsLabelFlexLongCaption" : "rsLabelFlexTransCaption";
        GrilleResultats::EcritLigne(SG_Erreur, SG_Erreur->rowCount(), 0,
                                    {s->Nom, Langue::Txt(dir), GrilleResultats::Nombre(d.Erreur, 6).toStdString()});
        SG_Erreur->item(SG_Erreur->rowCount() - 1, 2)->setForeground(Couleur(d.Erreur));
    }
    if (SG_Erreur->rowCount() == 0) SG_Erreur->setRowCount(1);
}
