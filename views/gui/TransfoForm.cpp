#include "views/gui/TransfoForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Chaines.h"
#include "model/Update.h"
#include "views/gui/SelSurfaces.h"

namespace {

QString F3(double v) { return QString::fromStdString(Chaines::FormatFixe(v, 3)); }
QString F2(double v) { return QString::fromStdString(Chaines::FormatFixe(v, 2)); }

constexpr const char* kPositive = "Valeur numérique positive demandée";
const char* const kTailles[3] = {"Largeur X", "Longueur Y", "Hauteur Z"};

TDimAxe TDim::*const kAxes[3] = {&TDim::X, &TDim::Y, &TDim::Z};

}  // namespace

TTransForm::TTransForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("TransForm"));
    setWindowTitle(Langue::QTxt("rsTransFormCaption"));
    setWindowFlag(Qt::Tool);
    setMinimumSize(475, 450);

    auto champ = [this](const char* nom, const QString& texte = QStringLiteral("0.000")) {
        auto* e = new QLineEdit(texte, this);
        e->setObjectName(QLatin1String(nom));
        return e;
    };
    pages_ = new QTabWidget(this);

    // Move.
    auto* wDepl = new QWidget;
    wDepl->setObjectName(QStringLiteral("TSDeplacement"));
    auto* gDepl = new QGroupBox(QStringLiteral("Déplacement"), wDepl);
    auto* fDepl = new QFormLayout(gDepl);
    const char* nDepl[] = {"EditDepX", "EditDepY", "EditDepZ"};
    const char* lDepl[] = {"Transversal X =", "Longitudinal Y =", "Vertical Z ="};
    for (int k = 0; k < 3; ++k) fDepl->addRow(QString::fromUtf8(lDepl[k]), depl_[k] = champ(nDepl[k]));
    (new QVBoxLayout(wDepl))->addWidget(gDepl);
    pages_->addTab(wDepl, QStringLiteral("&Déplacement"));

    // Rotation.
    auto* wRot = new QWidget;
    wRot->setObjectName(QStringLiteral("TSRotation"));
    auto* gC = new QGroupBox(QStringLiteral("Centre de la rotation"), wRot);
    auto* fC = new QFormLayout(gC);
    const char* nC[] = {"EditCRotX", "EditCRotY", "EditCRotZ"};
    const char* lC[] = {"Largeur X =", "Longueur Y =", "Hauteur Z ="};
    for (int k = 0; k < 3; ++k) fC->addRow(QString::fromUtf8(lC[k]), centre_[k] = champ(nC[k]));
    auto* gA = new QGroupBox(QStringLiteral("Angles de la rotation"), wRot);
    auto* fA = new QFormLayout(gA);
    const char* nA[] = {"EditAngX", "EditAngY", "EditAngZ"};
    const char* lA[] = {"Tangage  (axe transversal X)", "Gite  (axe longitudinal Y)", "Latéral  (axe vertical Z)"};
    for (int k = 0; k < 3; ++k) fA->addRow(QString::fromUtf8(lA[k]), angles_[k] = champ(nA[k]));
    auto* vRot = new QVBoxLayout(wRot);
    vRot->addWidget(gC);
    vRot->addWidget(gA);
    pages_->addTab(wRot, QStringLiteral("&Rotation"));

    // Mirror.
    auto* wMir = new QWidget;
    wMir->setObjectName(QStringLiteral("TSMiroir"));
    mirHor_ = new QPushButton(QStringLiteral("Miroir Horizontal"), wMir);
    mirVer_ = new QPushButton(QStringLiteral("Miroir Vertical"), wMir);
    mirHor_->setObjectName(QStringLiteral("BtnMirHor"));
    mirVer_->setObjectName(QStringLiteral("BtnMirVer"));
    auto* vMir = new QVBoxLayout(wMir);
    for (QPushButton* b : {mirHor_, mirVer_}) {
        b->setCheckable(true);
        b->setAutoDefault(false);
        vMir->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this] { edite_[pMiroir] = true; });
    }
    vMir->addStretch();
    pages_->addTab(wMir, QStringLiteral("&Miroir"));

    // Size.
    auto* wTai = new QWidget;
    wTai->setObjectName(QStringLiteral("TSTaille"));
    auto* gT = new QGroupBox(QStringLiteral("Taille"), wTai);
    auto* gl = new QGridLayout(gT);
    gl->addWidget(new QLabel(QStringLiteral("Prop."), gT), 0, 4);
    const char* nT[] = {"EditTaiX", "EditTaiY", "EditTaiZ"};
    const char* nP[] = {"EditPerX", "EditPerY", "EditPerZ"};
    const char* nB[] = {"CB_PropX", "CB_PropY", "CB_PropZ"};
    for (int k = 0; k < 3; ++k) {
        gl->addWidget(new QLabel(QString::fromUtf8(lC[k]), gT), k + 1, 0);
        gl->addWidget(taille_[k] = champ(nT[k]), k + 1, 1);
        gl->addWidget(pourcent_[k] = champ(nP[k], QStringLiteral("100")), k + 1, 2);
        gl->addWidget(new QLabel(QStringLiteral("%"), gT), k + 1, 3);
        gl->addWidget(prop_[k] = new QCheckBox(gT), k + 1, 4);
        prop_[k]->setObjectName(QLatin1String(nB[k]));
        connect(taille_[k], &QLineEdit::editingFinished, this, [this, k] { SortieTaille(k); });
        connect(pourcent_[k], &QLineEdit::editingFinished, this, [this, k] { SortiePourcent(k); });
        // Any change of a size counts, typed or worked out.
        for (QLineEdit* e : {taille_[k], pourcent_[k]})
            connect(e, &QLineEdit::textEdited, this, [this] { edite_[pTaille] = true; });
    }
    surPlace_ = new QRadioButton(QStringLiteral("Laisser les surfaces sur place"), wTai);
    consPos_ = new QRadioButton(QStringLiteral("Conserver les positions relatives"), wTai);
    surPlace_->setObjectName(QStringLiteral("RB_SurPlace"));
    consPos_->setObjectName(QStringLiteral("RB_ConsPosRel"));
    consPos_->setChecked(true);
    auto* vTai = new QVBoxLayout(wTai);
    vTai->addWidget(gT);
    vTai->addWidget(surPlace_);
    vTai->addWidget(consPos_);
    vTai->addStretch();
    pages_->addTab(wTai, QStringLiteral("&Taille"));

    for (auto* t : {&depl_}) for (QLineEdit* e : *t)
        connect(e, &QLineEdit::textEdited, this, [this] { edite_[pDepl] = true; });
    for (auto* t : {&centre_, &angles_}) for (QLineEdit* e : *t)
        connect(e, &QLineEdit::textEdited, this, [this] { edite_[pRot] = true; });

    // Beside the pages.
    sel_ = new TSelSurfaces(this);
    cbPlan_ = new QCheckBox(QStringLiteral("Modifier le plan de symétrie"), this);
    cbPlanSeul_ = new QCheckBox(QStringLiteral("Modifier uniquement le plan de symétrie"), this);
    cbPoids_ = new QCheckBox(QStringLiteral("Modifier les poids associés"), this);
    cbPlan_->setObjectName(QStringLiteral("CB_ModifPlanSym"));
    cbPlanSeul_->setObjectName(QStringLiteral("CB_ModifPlanSymSeul"));
    cbPoids_->setObjectName(QStringLiteral("CB_ModifLstPoids"));
    cbPoids_->setChecked(true);
    connect(cbPlan_, &QCheckBox::toggled, this, [this](bool on) {
        if (!on) cbPlanSeul_->setChecked(false);
        cbPlanSeul_->setEnabled(on);
    });
    auto* ok = new QPushButton(Langue::QTxt("rsBtnOK"), this);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    auto* appl = new QPushButton(QStringLiteral("&Appliquer"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    fermer->setObjectName(QStringLiteral("BtnFermer"));
    appl->setObjectName(QStringLiteral("BtnAppliquer"));
    for (QPushButton* b : {ok, fermer, appl}) b->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TTransForm::Valider);
    connect(fermer, &QPushButton::clicked, this, [this] {
        confirme_ = 0;
        reject();
    });
    connect(appl, &QPushButton::clicked, this, &TTransForm::Appliquer);

    connect(sel_, &TSelSurfaces::clic, this, [this] {
        TVertex3f c;
        if (Transfo::CentreSelection(main_.Doc(), sel_->Selection(), c))
            for (int k = 0; k < 3; ++k) centre_[k]->setText(F3(k == 0 ? c.X : k == 1 ? c.Y : c.Z));
        Tailles();
    });
    connect(sel_, &TSelSurfaces::bouton, this, &TTransForm::Tailles);
    connect(pages_, &QTabWidget::currentChanged, this, [this](int p) {
        if (p == pTaille) Tailles();
        edite_[static_cast<std::size_t>(p)] = false;
    });

    auto* droite = new QVBoxLayout;
    droite->addWidget(sel_, 1);
    droite->addWidget(cbPlan_);
    droite->addWidget(cbPlanSeul_);
    droite->addWidget(cbPoids_);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(ok);
    boutons->addWidget(fermer);
    boutons->addWidget(appl);
    droite->addLayout(boutons);
    auto* h = new QHBoxLayout(this);
    h->addWidget(pages_, 1);
    h->addLayout(droite);
    Langue::AppliqueLangue(this);
}

QLineEdit* TTransForm::Champ(const char* nom) const { return findChild<QLineEdit*>(QLatin1String(nom)); }

int TTransForm::Execute() {
    cbPlan_->setChecked(true);
    cbPlanSeul_->setEnabled(true);
    for (auto* t : {&depl_, &centre_, &angles_, &taille_})
        for (QLineEdit* e : *t) e->setText(QStringLiteral("0.000"));
    for (QLineEdit* e : pourcent_) e->setText(QStringLiteral("100"));
    for (QCheckBox* c : prop_) c->setChecked(false);
    mirHor_->setChecked(false);
    mirVer_->setChecked(false);
    edite_ = {};
    confirme_ = 0;
    enregistre_ = false;
    Document& doc = main_.Doc();
    sel_->Remplit(doc);
    ObjCom::MajSurface(doc, true, -1);
    Mesure();
    sel_->ToutChoisir(true);
    Tailles();
    exec();
    sel_->Vide();
    dims_.clear();
    return confirme_;
}

void TTransForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Appliquer();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TTransForm::Mesure() {
    const Document& doc = main_.Doc();
    dims_.clear();
    for (const auto& s : doc.Surfaces) dims_.push_back(Transfo::DimSurf(*s));
}

void TTransForm::Tailles() {
    mesure_ = Transfo::DimSelection(dims_, sel_->Selection());
    for (int k = 0; k < 3; ++k) {
        taille_[k]->setText(F3((mesure_.*kAxes[k]).Size));
        pourcent_[k]->setText(F2(100.0));
    }
    Accepte();
}

void TTransForm::Accepte() {
    for (int k = 0; k < 3; ++k) {
        acceptes_[static_cast<std::size_t>(k)] = taille_[k]->text();
        acceptes_[static_cast<std::size_t>(k + 3)] = pourcent_[k]->text();
    }
}

void TTransForm::SortieTaille(int axe) {
    double v = 0;
    if (!Chaines::TexteVersReel(taille_[axe]->text().toStdString(), v)) {
        Champs::Refuse(taille_[axe], QString::fromUtf8(kTailles[axe]), kPositive);
        return;
    }
    v = std::max(v, 0.0);
    const QString& ancien = acceptes_[static_cast<std::size_t>(axe)];
    if (taille_[axe]->text() == ancien) {
        for (QLineEdit* e : pourcent_) e->setText(F2(100.0));
    } else {
        double a = 0;
        Chaines::TexteVersReel(ancien.toStdString(), a);
        // A size measured as 0 cannot be a ratio: the percentage stays at 100.
        const double p = a == 0.0 ? 100.0 : v / a * 100.0;
        pourcent_[axe]->setText(F2(p));
        taille_[axe]->setText(F3(v));
        if (prop_[axe]->isChecked())
            for (int k = 0; k < 3; ++k) {
                if (k == axe || !prop_[k]->isChecked()) continue;
                double t = 0;
                Chaines::TexteVersReel(taille_[k]->text().toStdString(), t);
                taille_[k]->setText(F3(t * p / 100.0));
                pourcent_[k]->setText(pourcent_[axe]->text());
            }
    }
    Accepte();
}

void TTransForm::SortiePourcent(int axe) {
    double p = 0;
    if (!Chaines::TexteVersReel(pourcent_[axe]->text().toStdString(), p)) {
        Champs::Refuse(pourcent_[axe], QString::fromUtf8(kTailles[axe]) + QStringLiteral(" %"), kPositive);
        return;
    }
    if (p < 0) {
        p = 0;
        pourcent_[axe]->setText(F2(0.0));
    }
    if (pourcent_[axe]->text() == acceptes_[static_cast<std::size_t>(axe + 3)]) return;
    for (int k = 0; k < 3; ++k) {
        if (k != axe && !(prop_[axe]->isChecked() && prop_[k]->isChecked())) continue;
        double t = 0;
        Chaines::TexteVersReel(taille_[k]->text().toStdString(), t);
        taille_[k]->setText(F3(t * p / 100.0));
        if (k != axe) pourcent_[k]->setText(F2(p));
    }
    Accepte();
}

bool TTransForm::LitParams(const std::array<bool, 4>& pages) {
    auto lit3 = [](const std::array<QLineEdit*, 3>& champs, const char* const* noms, TVertex3f& v) {
        double* c[3] = {&v.X, &v.Y, &v.Z};
        for (int k = 0; k < 3; ++k)
            if (!Champs::LitReel(champs[k], QString::fromUtf8(noms[k]), *c[k])) return false;
        return true;
    };
    static const char* const nDepl[] = {"Transversal X", "Longitudinal Y", "Vertical Z"};
    static const char* const nC[] = {"Centre X", "Centre Y", "Centre Z"};
    static const char* const nA[] = {"Tangage", "Gite", "Latéral"};
    Transfo::TParams p;
    if (pages[pDepl] && !lit3(depl_, nDepl, p.Depl)) return false;
    if (pages[pRot] && (!lit3(centre_, nC, p.Centre) || !lit3(angles_, nA, p.Angles))) return false;
    if (pages[pTaille]) {
        // A percentage typed and not yet left still counts.
        for (int k = 0; k < 3; ++k)
            if (pourcent_[k]->text() != acceptes_[static_cast<std::size_t>(k + 3)]) SortiePourcent(k);
        if (!lit3(taille_, kTailles, p.Taille)) return false;
        p.Taille = {std::max(p.Taille.X, 0.0), std::max(p.Taille.Y, 0.0), std::max(p.Taille.Z, 0.0)};
        // A size left as measured is the measure itself, not its rounded
        // text: that axis keeps its scale exactly.
        double* t[3] = {&p.Taille.X, &p.Taille.Y, &p.Taille.Z};
        for (int k = 0; k < 3; ++k)
            if (taille_[k]->text() == F3((mesure_.*kAxes[k]).Size)) *t[k] = (mesure_.*kAxes[k]).Size;
    }
    p.Mesure = mesure_;
    p.MirVer = mirVer_->isChecked();
    p.MirHor = mirHor_->isChecked();
    p.ConsPosRel = consPos_->isChecked();
    p.PlanSym = cbPlan_->isChecked();
    p.PlanSymSeul = cbPlanSeul_->isChecked();
    p.Poids = cbPoids_->isChecked();
    params_ = p;
    return true;
}

void TTransForm::Applique(std::array<bool, 4> pages) {
    Document& doc = main_.Doc();
    const std::vector<bool> sel = sel_->Selection();
    for (int k = 0; k < 4; ++k)
        if (pages[static_cast<std::size_t>(k)]) edite_[static_cast<std::size_t>(k)] = false;
    // Nothing to apply, or to no surface: nothing changes, nothing is recorded.
    const bool aucunePage = std::find(pages.begin(), pages.end(), true) == pages.end();
    if (aucunePage || std::find(sel.begin(), sel.end(), true) == sel.end()) return;
    // One record per opening, at its first change: one Annuler after the
    // dialog brings back the model as it was when it opened.
    if (!enregistre_) main_.RecordAction(TUndo::kGeometrie);
    enregistre_ = true;
    if (pages[pDepl]) Transfo::Deplace(doc, sel, params_);
    if (pages[pRot]) Transfo::Tourne(doc, sel, params_);
    if (pages[pMiroir]) Transfo::Miroirs(doc, sel, params_);
    if (pages[pTaille]) Transfo::Redimensionne(doc, sel, params_);
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajMinMaxAllNet(doc, false);
    main_.MarquerModifie();
    main_.Redessine(false);
}

bool TTransForm::Appliquer() {
    std::array<bool, 4> pages{};
    const int p = pages_->currentIndex();
    pages[static_cast<std::size_t>(p)] = p != pTaille || edite_[pTaille];
    if (!LitParams(pages)) return false;
    Applique(pages);
    ObjCom::MajSurface(main_.Doc(), true, -1);
    Mesure();
    Tailles();
    return true;
}

void TTransForm::Valider() {
    if (!LitParams(edite_)) return;
    Applique(edite_);
    confirme_ = 1;
    accept();
}
