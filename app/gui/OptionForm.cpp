#include "app/gui/OptionForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Options.h"
#include "app/gui/AppliqueLangue.h"
#include "app/gui/CouleurForm.h"
#include "app/gui/MainForm.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "model/Update.h"

namespace {

QPointer<TOptionForm> g_options;

using Settings::TCouleurs;

// The colour panels in the order of the "Colors" section, with their label.
struct Panneau {
    const char* shape;
    const char* label;
    std::int32_t TCouleurs::*champ;
};
constexpr Panneau kPanneaux[15] = {
    {"ShapeArP", "LabelCoulArP", &TCouleurs::Arp},
    {"ShapeArPStudio", "LabelCoulArPStudio", &TCouleurs::ArpStudio},
    {"ShapeAxes", "LabelCoulAxes", &TCouleurs::Axes},
    {"ShapeAxesPlanSym", "LabelCoulAxesPlSym", &TCouleurs::AxesPlanSym},
    {"ShapeGrille", "LabelCoulGrille", &TCouleurs::Grille},
    {"ShapeMesure", "LabelCoulMes", &TCouleurs::Mesure},
    {"ShapeNet", "LabelCoulNet", &TCouleurs::ResVertex},
    {"ShapePC", "LabelCoulPC", &TCouleurs::Vertex},
    {"ShapePCSel", "LabelCoulPCSel", &TCouleurs::SelVertex},
    {"ShapePCSoude", "LabelCoulPCSoudes", &TCouleurs::SoudeVertex},
    {"ShapeBord", "LabelCoulSurfDef", &TCouleurs::BordSf},
    {"ShapeSec", "LabelCoulSec", &TCouleurs::Sec},
    {"ShapeLE", "LabelCoulLE", &TCouleurs::LE},
    {"ShapeLg", "LabelCoulLg", &TCouleurs::Longit},
    {"ShapeDiag", "LabelCoulDiag", &TCouleurs::Diag},
};

template <class W>
W* Nomme(W* w, const char* nom) {
    w->setObjectName(QLatin1String(nom));
    return w;
}

QString Txt(const char* nom, const char* suffixe = "Caption") {
    return Langue::QTxt(std::string("rs") + nom + suffixe);
}

QCheckBox* Case(QWidget* parent, const char* nom) { return Nomme(new QCheckBox(Txt(nom), parent), nom); }

QGroupBox* Groupe(QWidget* parent, const char* nom) { return Nomme(new QGroupBox(Txt(nom), parent), nom); }

QSlider* Barre(QWidget* parent, const char* nom, int min, int max) {
    auto* t = Nomme(new QSlider(Qt::Horizontal, parent), nom);
    t->setRange(min, max);
    return t;
}

// A radio group of two items: the group box named `nom`, its items named
// `nom` + each suffix.
QButtonGroup* Radios(QWidget* page, QVBoxLayout* dans, const char* nom, const char* item0, const char* item1) {
    QGroupBox* g = Groupe(page, nom);
    auto* l = new QVBoxLayout(g);
    auto* groupe = new QButtonGroup(g);
    int id = 0;
    for (const char* suffixe : {item0, item1}) {
        const std::string n = std::string(nom) + suffixe;
        auto* r = new QRadioButton(Txt(n.c_str()), g);
        r->setObjectName(QString::fromStdString(n));
        groupe->addButton(r, id++);
        l->addWidget(r);
    }
    dans->addWidget(g);
    return groupe;
}

}  // namespace

TOptionForm* OptionForm() { return g_options; }

TOptionForm* CreeOptionForm(TMainForm* principale) {
    if (!g_options) g_options = new TOptionForm(principale, principale);
    return g_options;
}

TOptionForm::TOptionForm(TMainForm* principale, QWidget* parent) : QDialog(parent), principale_(principale) {
    DBG_SCOPE("TOptionForm.FormCreate");
    setObjectName(QStringLiteral("OptionForm"));
    setWindowTitle(Txt("OptionForm"));
    auto* haut = new QVBoxLayout(this);
    Pages = Nomme(new QTabWidget(this), "PageControl");
    haut->addWidget(Pages);

    // ---- Général
    auto* general = Nomme(new QWidget, "TS_General");
    {
        auto* l = new QVBoxLayout(general);
        QGroupBox* conf = Groupe(general, "GB_Config");
        auto* lc = new QVBoxLayout(conf);
        lc->addWidget(CB_PositionFen = Case(conf, "CB_PositionFen"));
        lc->addWidget(CB_PosLight = Case(conf, "CB_PosLight"));
        lc->addWidget(CB_SavConfig = Case(conf, "CB_SavConfig"));
        QGroupBox* aff = Groupe(general, "GB_Affichage");
        auto* la = new QVBoxLayout(aff);
        la->addWidget(CB_MultiF_Actif = Case(aff, "CB_MultiF_Actif"));
        la->addWidget(CB_CalcSplineTR = Case(aff, "CB_CalcSplineTR"));
        la->addWidget(CB_AxesPlanSym = Case(aff, "CB_AxesPlanSym"));
        QGroupBox* langue = Groupe(general, "GB_Langue");
        auto* ll = new QVBoxLayout(langue);
        ll->addWidget(CB_Langue = Nomme(new QComboBox(langue), "CB_Langue"));
        l->addWidget(conf);
        l->addWidget(aff);
        l->addWidget(langue);
        l->addStretch();
    }
    Pages->addTab(general, Txt("TS_General"));

    // ---- Couleurs
    auto* couleurs = Nomme(new QWidget, "TS_Couleurs");
    {
        auto* l = new QVBoxLayout(couleurs);
        QGroupBox* g = Groupe(couleurs, "GB_Couleur");
        auto* grille = new QGridLayout(g);
        for (int i = 0; i < 15; ++i) {
            const Panneau& p = kPanneaux[i];
            auto* shape = new TPanneauCouleur(g, false);
            shape->setObjectName(QLatin1String(p.shape));
            shape->setFixedSize(40, 18);
            shape->setCursor(Qt::PointingHandCursor);
            Shapes[i] = shape;
            auto* label = Nomme(new QLabel(Txt(p.label), g), p.label);
            grille->addWidget(shape, i % 8, (i / 8) * 2);
            grille->addWidget(label, i % 8, (i / 8) * 2 + 1);
            connect(shape, &TPanneauCouleur::clique, this, [this, shape](std::uint32_t c) {
                DBG_SCOPE("TOptionForm.ShapeArPClick");
                if (Couleur::Choisir(this, c)) shape->FixeValeur(c);
            });
        }
        auto* defauts = Nomme(new QPushButton(Txt("BtnCouleursDef"), couleurs), "BtnCouleursDef");
        connect(defauts, &QPushButton::clicked, this, &TOptionForm::BtnCouleursDefClick);
        l->addWidget(g);
        l->addWidget(defauts, 0, Qt::AlignLeft);
        l->addStretch();
    }
    Pages->addTab(couleurs, Txt("TS_Couleurs"));

    // ---- Courbure
    auto* courbure = Nomme(new QWidget, "TS_Courbure");
    {
        auto* l = new QVBoxLayout(courbure);
        RG_TypeRayon = Radios(courbure, l, "RG_TypeRayon", "Courb", "RCourb");
        QGroupBox* g = Groupe(courbure, "GB_FacteurLongRCourb");
        auto* lg = new QHBoxLayout(g);
        TB_LongRayonCourbure = Barre(g, "TB_LongRayonCourbure", Options::kLongRayonMin, Options::kLongRayonMax);
        LabelCourb = Nomme(new QLabel(g), "LabelCourb");
        LabelCourb->setMinimumWidth(60);
        Langue::DonneCle(LabelCourb, "-");  // shows the factor, not a text
        lg->addWidget(TB_LongRayonCourbure, 1);
        lg->addWidget(LabelCourb);
        l->addWidget(g);
        RG_OrientationRayon = Radios(courbure, l, "RG_OrientationRayon", "Int", "Ext");
        l->addStretch();
    }
    Pages->addTab(courbure, Txt("TS_Courbure"));

    // ---- Poids
    auto* poids = Nomme(new QWidget, "TS_Poids");
    {
        auto* l = new QVBoxLayout(poids);
        QGroupBox* g = Groupe(poids, "GB_RatioAffichPoids");
        auto* lg = new QGridLayout(g);
        LabelRatioVectPoids = Nomme(new QLabel(Txt("LabelRatioVectPoids"), g), "LabelRatioVectPoids");
        LabelRatioValeur = new QLabel(g);  // the scale, written by the track bar
        TB_RatioVectPoids = Barre(g, "TB_RatioVectPoids", Options::kRatioVectMin, Options::kRatioVectMax);
        auto* ratio = new QHBoxLayout;
        ratio->addWidget(LabelRatioVectPoids);
        ratio->addWidget(LabelRatioValeur, 1);
        lg->addLayout(ratio, 0, 0, 1, 2);
        lg->addWidget(TB_RatioVectPoids, 1, 0, 1, 2);
        lg->addWidget(new QLabel(QStringLiteral("0.1Kg"), g), 2, 0, Qt::AlignLeft);
        lg->addWidget(new QLabel(QStringLiteral("1000Kg"), g), 2, 1, Qt::AlignRight);
        l->addWidget(g);
        l->addStretch();
    }
    Pages->addTab(poids, Txt("TS_Poids"));

    // ---- Studio
    auto* studio = Nomme(new QWidget, "TS_Studio");
    {
        auto* l = new QVBoxLayout(studio);
        QGroupBox* g = Groupe(studio, "GR_ControlePartiesCachees");
        auto* lg = new QGridLayout(g);
        TB_PolyF = Barre(g, "TB_PolyF", Options::kPolyMin, Options::kPolyMax);
        TB_PolyU = Barre(g, "TB_PolyU", Options::kPolyMin, Options::kPolyMax);
        lg->addWidget(Nomme(new QLabel(Txt("LabelPolyFactor"), g), "LabelPolyFactor"), 0, 0);
        lg->addWidget(TB_PolyF, 0, 1);
        lg->addWidget(Nomme(new QLabel(Txt("LabelPolyUnits"), g), "LabelPolyUnits"), 1, 0);
        lg->addWidget(TB_PolyU, 1, 1);
        QGroupBox* a = Groupe(studio, "gbAffichageStudio");
        auto* la = new QGridLayout(a);
        la->addWidget(cb_NetVxStudio = Case(a, "cb_NetVxStudio"), 0, 0, 1, 2);
        la->addWidget(Nomme(new QLabel(Txt("lbTailleReperesStudio"), a), "lbTailleReperesStudio"), 1, 0);
        la->addWidget(edTailleReperesStudio = Nomme(new QLineEdit(a), "edTailleReperesStudio"), 1, 1);
        l->addWidget(g);
        l->addWidget(a);
        l->addStretch();
    }
    Pages->addTab(studio, Txt("TS_Studio"));

    auto* boutons = new QHBoxLayout;
    auto* ok = Nomme(new QPushButton(Langue::QTxt("rsBtnOK"), this), "BtnOK");
    auto* ann = Nomme(new QPushButton(Langue::QTxt("rsBtnAnnuler"), this), "BtnAnnuler");
    ok->setDefault(true);
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(ann);
    haut->addLayout(boutons);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (BtnOKClick()) accept();
    });
    connect(ann, &QPushButton::clicked, this, &TOptionForm::reject);

    // What acts at once.
    connect(TB_RatioVectPoids, &QSlider::valueChanged, this, &TOptionForm::ImmediatRatio);
    connect(TB_PolyF, &QSlider::valueChanged, this, &TOptionForm::ImmediatPoly);
    connect(TB_PolyU, &QSlider::valueChanged, this, &TOptionForm::ImmediatPoly);
    connect(TB_LongRayonCourbure, &QSlider::valueChanged, this, &TOptionForm::MajCourbure);
    connect(RG_TypeRayon, &QButtonGroup::idClicked, this, &TOptionForm::MajCourbure);
    connect(RG_OrientationRayon, &QButtonGroup::idClicked, this, &TOptionForm::MajCourbure);
}

void TOptionForm::FormShow() {
    DBG_SCOPE("TOptionForm.FormShow");
    courant_ = principale_->Options();
    const Settings::TOptions& o = courant_;
    Pages->setCurrentIndex(0);
    for (int i = 0; i < 15; ++i) Shapes[i]->FixeValeur(static_cast<std::uint32_t>(o.Couleurs.*(kPanneaux[i].champ)));
    CB_MultiF_Actif->setChecked(o.MultiFen);
    CB_SavConfig->setChecked(o.SavConfig);
    CB_PositionFen->setChecked(o.PosFen);
    CB_CalcSplineTR->setChecked(o.SplineTR);
    CB_AxesPlanSym->setChecked(o.OptAxesPlanSym);
    CB_PosLight->setChecked(o.PosLight);
    cb_NetVxStudio->setChecked(o.OptNetVxStudio);
    edTailleReperesStudio->setText(QString::fromStdString(Options::TexteTaille(o.OptTailleReperesStudio)));

    for (QSlider* t : {TB_RatioVectPoids, TB_PolyF, TB_PolyU, TB_LongRayonCourbure}) t->blockSignals(true);
    TB_RatioVectPoids->setValue(o.RatioVect);
    TB_PolyF->setValue(o.PolyFactor);
    TB_PolyU->setValue(o.PolyUnits);
    TB_LongRayonCourbure->setValue(Options::PositionLongRayon(o.LongRayon));
    for (QSlider* t : {TB_RatioVectPoids, TB_PolyF, TB_PolyU, TB_LongRayonCourbure}) t->blockSignals(false);
    if (QAbstractButton* b = RG_TypeRayon->button(o.TypeRayon)) b->setChecked(true);
    if (QAbstractButton* b = RG_OrientationRayon->button(o.OrientationRayon)) b->setChecked(true);
    LabelRatioValeur->setText(QString::fromStdString(Options::TexteRatio(TB_RatioVectPoids->value())));
    LabelCourb->setText(QString::asprintf("%.3f", o.LongRayon));

    CB_Langue->clear();
    for (const std::string& n : Options::Langues(Debug::ProgramDir())) CB_Langue->addItem(QString::fromStdString(n));
    const QString langue = principale_->Langage().isEmpty() ? QString::fromUtf8(Options::kFrancais)
                                                              : principale_->Langage();
    CB_Langue->setCurrentIndex(CB_Langue->findText(langue));
}

bool TOptionForm::Execute() {
    FormShow();
    return exec() == QDialog::Accepted;
}

void TOptionForm::LitControles(Settings::TOptions& o) const {
    for (int i = 0; i < 15; ++i) o.Couleurs.*(kPanneaux[i].champ) = static_cast<std::int32_t>(Shapes[i]->Valeur());
    o.MultiFen = CB_MultiF_Actif->isChecked();
    o.SavConfig = CB_SavConfig->isChecked();
    o.PosFen = CB_PositionFen->isChecked();
    o.SplineTR = CB_CalcSplineTR->isChecked();
    o.OptAxesPlanSym = CB_AxesPlanSym->isChecked();
    o.PosLight = CB_PosLight->isChecked();
    o.OptNetVxStudio = cb_NetVxStudio->isChecked();
    o.RatioVect = TB_RatioVectPoids->value();
    o.PolyFactor = TB_PolyF->value();
    o.PolyUnits = TB_PolyU->value();
    o.LongRayon = Options::LongRayonDe(TB_LongRayonCourbure->value());
    o.TypeRayon = std::max(0, RG_TypeRayon->checkedId());
    o.OrientationRayon = std::max(0, RG_OrientationRayon->checkedId());
}

bool TOptionForm::BtnOKClick() {
    DBG_SCOPE("TOptionForm.BtnOKClick");
    // Every field first: nothing is applied while one is wrong.
    Settings::TOptions o = courant_;
    LitControles(o);
    if (!Options::LitTaille(edTailleReperesStudio->text().toStdString(), o.OptTailleReperesStudio)) {
        Pages->setCurrentWidget(edTailleReperesStudio->parentWidget()->parentWidget());
        edTailleReperesStudio->setFocus();
        edTailleReperesStudio->selectAll();
        Ui::ui().msgDlg(Langue::Txt("rsMsgChampsErrone") + " : " + Langue::Txt("rslbTailleReperesStudioCaption"),
                        Ui::MsgType::Error, Ui::mbOK);
        return false;
    }
    courant_ = o;
    principale_->AppliqueOptions(o);
    {
        auto s = Settings::Ouvrir();
        Settings::EcrireOptions(*s, o);
        const QString choisie = CB_Langue->currentText();
        if (Options::LangueChangee(choisie.toStdString(), principale_->Langage().toStdString())) {
            principale_->ChangeLangue(choisie);
            Settings::EcrireLangue(*s, choisie);
        }
    }
    principale_->Redessine(true);
    return true;
}

void TOptionForm::reject() {
    DBG_SCOPE("TOptionForm.BtnAnnClick");
    // What acted at once stays until the program ends; only the settings
    // file and the other fields wait for "OK".
    QDialog::reject();
}

void TOptionForm::BtnCouleursDefClick() {
    DBG_SCOPE("TOptionForm.BtnCouleursDefClick");
    const TCouleurs defauts;
    for (int i = 0; i < 15; ++i) Shapes[i]->FixeValeur(static_cast<std::uint32_t>(defauts.*(kPanneaux[i].champ)));
}

void TOptionForm::ImmediatRatio(int position) {
    DBG_SCOPE("TOptionForm.TB_RatioVectPoidsChange");
    // The scale itself is taken on "OK".
    LabelRatioValeur->setText(QString::fromStdString(Options::TexteRatio(position)));
    principale_->Redessine(false);
}

void TOptionForm::ImmediatPoly() {
    DBG_SCOPE("TOptionForm.TB_PolyFChange");
    courant_.PolyFactor = TB_PolyF->value();
    courant_.PolyUnits = TB_PolyU->value();
    principale_->AppliqueOptions(courant_);
    principale_->Redessine(false);
}

void TOptionForm::MajCourbure() {
    DBG_SCOPE("TOptionForm.MajCourbure");
    courant_.LongRayon = Options::LongRayonDe(TB_LongRayonCourbure->value());
    courant_.TypeRayon = std::max(0, RG_TypeRayon->checkedId());
    courant_.OrientationRayon = std::max(0, RG_OrientationRayon->checkedId());
    LabelCourb->setText(QString::asprintf("%.3f", courant_.LongRayon));
    principale_->AppliqueOptions(courant_);
    RecalculeCoupes();
}

void TOptionForm::RecalculeCoupes() {
    Document& doc = principale_->Doc();
    for (auto& sf : doc.Surfaces)
        if (sf && sf->Visible) sf->SecFait = sf->LEFait = sf->LongFait = sf->DiagFait = 0;
    ObjCom::MajCoupesSurface(doc);
    principale_->Redessine(false);
}
