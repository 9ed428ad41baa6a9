#include "views/gui/EditPCForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Chaines.h"
#include "base/Langue.h"
#include "model/Update.h"
#include "views/EditPC.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/SelSurfaces.h"

namespace {

const char* const kNoms[4] = {"X", "Y", "Z", "W"};

Saisie::TDomaine Domaine(int k) { return k == 3 ? Saisie::dPoidsPC : Saisie::dCoordonnee; }

}  // namespace

TEditPCForm::TEditPCForm(TMainForm& main, QWidget* parent) : QWidget(parent, Qt::Tool), main_(main) {
    setObjectName(QStringLiteral("EditPCForm"));
    setWindowTitle(Langue::QTxt("rsEditPCFormCaption"));
    resize(139, 241);
    cb_ = new QComboBox(this);
    cb_->setObjectName(QStringLiteral("CBSurf"));
    labLigne_ = new QLabel(this);
    labColonne_ = new QLabel(this);
    labLigne_->setObjectName(QStringLiteral("LabLigne"));
    labColonne_->setObjectName(QStringLiteral("LabColonne"));
    auto* g = new QGridLayout(this);
    g->addWidget(cb_, 0, 0, 1, 3);
    auto fleches = [this, g](int ligne, QLabel* lab, int dI, int dJ) {
        g->addWidget(lab, ligne, 0);
        auto* moins = new QToolButton(this);
        auto* plus = new QToolButton(this);
        moins->setArrowType(Qt::DownArrow);
        plus->setArrowType(Qt::UpArrow);
        g->addWidget(moins, ligne, 1);
        g->addWidget(plus, ligne, 2);
        connect(moins, &QToolButton::clicked, this, [this, dI, dJ] { Pas(-dI, -dJ); });
        connect(plus, &QToolButton::clicked, this, [this, dI, dJ] { Pas(dI, dJ); });
    };
    fleches(1, labLigne_, 1, 0);
    fleches(2, labColonne_, 0, 1);
    const char* objets[4] = {"EditX", "EditY", "EditZ", "EditW"};
    const char* labels[4] = {"X  =", "Y  =", "Z  =", "W ="};
    for (int k = 0; k < 4; ++k) {
        champs_[k] = new QLineEdit(this);
        champs_[k]->setObjectName(QLatin1String(objets[k]));
        // Wide enough for every coordinate written with four decimals: a
        // shorter limit would cut the text written back and move the point.
        champs_[k]->setMaxLength(20);
        g->addWidget(new QLabel(QLatin1String(labels[k]), this), 3 + k, 0);
        g->addWidget(champs_[k], 3 + k, 1, 1, 2);
        connect(champs_[k], &QLineEdit::editingFinished, this, [this, k] { Sortie(k); });
    }
    auto* appl = new QPushButton(QStringLiteral("OK"), this);
    auto* fermer = new QPushButton(QStringLiteral("X"), this);
    appl->setObjectName(QStringLiteral("BtnApper"));
    fermer->setObjectName(QStringLiteral("BtnAnn"));
    appl->setToolTip(QStringLiteral("Appliquer"));
    fermer->setToolTip(QStringLiteral("Fermer"));
    g->addWidget(appl, 7, 0, 1, 2);
    g->addWidget(fermer, 7, 2);
    connect(appl, &QPushButton::clicked, this, &TEditPCForm::Appliquer);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(cb_, &QComboBox::activated, this, [this](int i) {
        ObjCom::ChangeCurrentPC(main_.Doc(), i, 0, 0);
        AffichePoint(main_.Doc().CurrentPC);
        main_.Redessine(false);
    });
    connect(&main_, &TMainForm::fenetresPC, this, [this] {
        if (!isVisible()) return;
        if (main_.Doc().NbSurf() == 0) {
            close();
            return;
        }
        Remplit();
        AffichePoint(main_.Doc().CurrentPC);
    });
    MouseCommandes::Branchements().EditeurAffichePoint = [this] {
        if (isVisible()) AffichePoint(main_.Doc().CurrentPC);
    };
    MouseCommandes::Branchements().EditeurSelPoint = MouseCommandes::Branchements().EditeurAffichePoint;
    Langue::AppliqueLangue(this);
}

TEditPCForm::~TEditPCForm() {
    MouseCommandes::Branchements().EditeurAffichePoint = nullptr;
    MouseCommandes::Branchements().EditeurSelPoint = nullptr;
    // A field losing the focus while the children go must not reach this
    // window any more.
    for (QLineEdit* c : champs_)
        if (c) c->disconnect(this);
}

void TEditPCForm::Remplit() {
    const QSignalBlocker b(cb_);
    cb_->clear();
    for (const auto& s : main_.Doc().Surfaces) cb_->addItem(QString::fromStdString(s->Nom));
}

void TEditPCForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Remplit();
    AffichePoint(main_.Doc().CurrentPC);
}

void TEditPCForm::closeEvent(QCloseEvent* e) {
    if (QAction* a = main_.Action(QStringLiteral("MeEditeurPC"))) {
        const QSignalBlocker b(a);
        a->setChecked(false);
    }
    {
        const QSignalBlocker b(cb_);
        cb_->clear();
    }
    QWidget::closeEvent(e);
}

void TEditPCForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // A field whose text was just refused keeps it: nothing more to say.
        for (QLineEdit* c : champs_)
            if (c == focusWidget() && c->isModified()) return;
        Appliquer();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TEditPCForm::AffichePoint(const TPC& pc) {
    pc_ = pc;
    const Document& doc = main_.Doc();
    {
        const QSignalBlocker b(cb_);
        cb_->setCurrentIndex(pc.Surf < cb_->count() ? pc.Surf : -1);
    }
    if (const TEntity* s = doc.Surface(pc.Surf)) cb_->setToolTip(QString::fromStdString(s->Nom));
    labLigne_->setText(QStringLiteral("Ln : %1").arg(pc.I));
    labColonne_->setText(QStringLiteral("Col : %1").arg(pc.J));
    const TSurface* n = doc.SurfaceNurbs(pc.Surf);
    nurbs_ = n && pc.I >= 0 && pc.J >= 0 && pc.I < n->Net.NbL && pc.J < n->Net.NbC;
    if (nurbs_) {
        copie_ = n->Net.TabPC[pc.I][pc.J];
        EcritChamps();
    } else {
        for (QLineEdit* c : champs_) c->clear();
    }
}

void TEditPCForm::EcritChamps() {
    const double v[4] = {copie_.X, copie_.Y, copie_.Z, copie_.W};
    for (int k = 0; k < 4; ++k) champs_[k]->setText(QString::fromStdString(Chaines::FormatFixe(v[k], 4)));
}

void TEditPCForm::Sortie(int k) {
    if (!nurbs_ || !champs_[k]->isModified()) return;
    double v = 0;
    if (!Champs::LitReel(champs_[k], QLatin1String(kNoms[k]), v, Domaine(k))) return;
    double* c[4] = {&copie_.X, &copie_.Y, &copie_.Z, &copie_.W};
    *c[k] = v;
    EcritChamps();
}

bool TEditPCForm::Appliquer() {
    Document& doc = main_.Doc();
    TVertex4f p = copie_;
    if (nurbs_) {
        // Only a field the user typed in is read: the others keep the point's
        // own values, not their four-decimal texts.
        double* c[4] = {&p.X, &p.Y, &p.Z, &p.W};
        for (int k = 0; k < 4; ++k)
            if (champs_[k]->isModified() &&
                !Champs::LitReel(champs_[k], QLatin1String(kNoms[k]), *c[k], Domaine(k)))
                return false;
    }
    const TSurface* n = doc.SurfaceNurbs(pc_.Surf);
    if (!nurbs_ || !n || p == n->Net.TabPC[pc_.I][pc_.J]) return true;  // nothing to record
    main_.RecordAction(0);
    EditPC::Applique(doc, pc_, p);
    copie_ = p;
    EcritChamps();
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    main_.MarquerModifie();
    main_.Redessine(false);
    return true;
}

void TEditPCForm::Pas(int dI, int dJ) {
    if (!EditPC::Pas(main_.Doc(), dI, dJ)) return;
    AffichePoint(main_.Doc().CurrentPC);
    main_.Redessine(false);
}
