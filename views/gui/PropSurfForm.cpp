#include "views/gui/PropSurfForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/CouleurForm.h"
#include "app/gui/MainForm.h"
#include "base/Chaines.h"
#include "base/Langue.h"
#include "model/Update.h"
#include "studio/gui/scene/VisGL.h"
#include "studio/gui/scene/VisView.h"
#include "views/gui/SelSurfaces.h"

namespace {

QString F3(double v) { return QString::fromStdString(Chaines::FormatFixe(v, 3)); }

int Arrondi(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

TPropSurfForm::TPropSurfForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("PropSurfForm"));
    setWindowTitle(Langue::QTxt("rsPropSurfFormCaption"));
    setWindowFlag(Qt::Tool);
    resize(822, 530);

    auto* gSel = new QGroupBox(Langue::QTxt("rsSelection"), this);
    liste_ = new QListWidget(gSel);
    liste_->setObjectName(QStringLiteral("LBSurf"));
    (new QVBoxLayout(gSel))->addWidget(liste_);

    auto coche = [this](const char* nom, const char* texte) {
        auto* c = new QCheckBox(QString::fromUtf8(texte), this);
        c->setObjectName(QLatin1String(nom));
        connect(c, &QCheckBox::toggled, this, &TPropSurfForm::Change);
        return c;
    };
    nom_ = new QLineEdit(this);
    nom_->setObjectName(QStringLiteral("edNom"));
    nom_->setMaxLength(static_cast<int>(kLongNomSurface));
    connect(nom_, &QLineEdit::textEdited, this, &TPropSurfForm::Change);
    visible_ = coche("CheckBoxVisible", "Visible");
    verrou_ = coche("CheckBoxVerrou", "Verrouillée");
    sym_ = coche("CheckBoxSym", "Symétrique");
    jonction_ = coche("CB_JonctionSym", "Fermer le volume");
    auto* gCalc = new QGroupBox(QStringLiteral("Calculs"), this);
    calc_ = coche("CheckBoxACalc", "Flotteur");
    voile_ = coche("CheckBoxVoile", "Voile");
    auto* vCalc = new QVBoxLayout(gCalc);
    vCalc->addWidget(calc_);
    vCalc->addWidget(voile_);
    orientD_ = new QRadioButton(QStringLiteral("Orientation directe"), this);
    orientI_ = new QRadioButton(QStringLiteral("Orientation indirecte"), this);
    orientD_->setObjectName(QStringLiteral("RB_OrientDirecte"));
    orientI_->setObjectName(QStringLiteral("RB_OrientIndirecte"));
    connect(orientD_, &QRadioButton::toggled, this, &TPropSurfForm::Change);
    auto* gOrient = new QButtonGroup(this);
    gOrient->addButton(orientD_);
    gOrient->addButton(orientI_);

    // Orders.
    flex_ = new QGroupBox(QStringLiteral("Flexibilité"), this);
    auto* fFlex = new QGridLayout(flex_);
    flexLong_ = new QSpinBox(flex_);
    flexTrans_ = new QSpinBox(flex_);
    flexLong_->setObjectName(QStringLiteral("FlexLong"));
    flexTrans_->setObjectName(QStringLiteral("FlexTrans"));
    labFlexLong_ = new QLabel(flex_);
    labFlexTrans_ = new QLabel(flex_);
    fFlex->addWidget(new QLabel(QStringLiteral("Longitudinale"), flex_), 0, 0);
    fFlex->addWidget(flexLong_, 0, 1);
    fFlex->addWidget(labFlexLong_, 0, 2);
    fFlex->addWidget(new QLabel(QStringLiteral("Transversale"), flex_), 1, 0);
    fFlex->addWidget(flexTrans_, 1, 1);
    fFlex->addWidget(labFlexTrans_, 1, 2);
    for (QSpinBox* s : {flexLong_, flexTrans_}) s->setRange(PropSurf::kOrdreMin, PropSurf::kOrdreMax);
    for (QSpinBox* s : {flexLong_, flexTrans_})
        connect(s, &QSpinBox::valueChanged, this, [this] {
            labFlexLong_->setText(QString::fromUtf8(PropSurf::NomOrdre(flexLong_->value())));
            labFlexTrans_->setText(QString::fromUtf8(PropSurf::NomOrdre(flexTrans_->value())));
            Change();
        });

    // Colour and material.
    auto* gCoul = new QGroupBox(QStringLiteral("Couleur"), this);
    coulDef_ = new QRadioButton(QStringLiteral("Défaut"), gCoul);
    coulPers_ = new QRadioButton(QStringLiteral("Personnalisée"), gCoul);
    coulDef_->setObjectName(QStringLiteral("RB_CouleurDef"));
    coulPers_->setObjectName(QStringLiteral("RB_CouleurPers"));
    panneau_ = new QPushButton(gCoul);
    panneau_->setObjectName(QStringLiteral("ShapeCouleur"));
    panneau_->setFixedSize(40, 24);
    panneau_->setAutoDefault(false);
    auto* hCoul = new QHBoxLayout(gCoul);
    hCoul->addWidget(coulDef_);
    hCoul->addWidget(coulPers_);
    hCoul->addWidget(panneau_);
    connect(coulDef_, &QRadioButton::toggled, this, &TPropSurfForm::Change);
    connect(panneau_, &QPushButton::clicked, this, [this] {
        std::uint32_t c = CouleurCourante();
        if (!Couleur::Choisir(this, c)) return;
        Cur().Couleur = static_cast<std::int32_t>(c & 0xFFFFFF);
        const QSignalBlocker b(coulPers_);
        coulPers_->setChecked(true);
        Cur().Modifie = true;
        AfficheCouleur();
    });
    auto curseur = [this](const char* nom, int lo, int hi) {
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setObjectName(QLatin1String(nom));
        s->setRange(lo, hi);
        connect(s, &QSlider::valueChanged, this, &TPropSurfForm::Change);
        return s;
    };
    alpha_ = curseur("TB_AlphaColor", 0, 100);
    ambient_ = curseur("TB_Ambient", 0, 100);
    specular_ = curseur("TB_Specular", 0, 100);
    shininess_ = curseur("TB_Shininess", 0, 128);
    shininess_->setSingleStep(10);
    emission_ = curseur("TB_Emission", -100, 100);
    auto* gMat = new QGroupBox(QStringLiteral("Matière"), this);
    auto* fMat = new QFormLayout(gMat);
    fMat->addRow(QStringLiteral("Transparence"), alpha_);
    fMat->addRow(QStringLiteral("Ambiance"), ambient_);
    fMat->addRow(QStringLiteral("Réflexivité : Intensité"), specular_);
    fMat->addRow(QStringLiteral("Réflexivité : Tache"), shininess_);
    fMat->addRow(QStringLiteral("Emissivité"), emission_);

    // Frame.
    auto* gPlan = new QGroupBox(QStringLiteral("Plan de symétrie"), this);
    auto* gl = new QGridLayout(gPlan);
    for (int k = 0; k < 6; ++k) {
        labPlan_[static_cast<std::size_t>(k)] = new QLabel(gPlan);
        gl->addWidget(labPlan_[static_cast<std::size_t>(k)], k % 3, k / 3);
    }
    auto* raz = new QPushButton(QStringLiteral("&Réinitialiser"), gPlan);
    raz->setObjectName(QStringLiteral("BtnRAZBasePlanSym"));
    raz->setAutoDefault(false);
    gl->addWidget(raz, 3, 0, 1, 2);
    connect(raz, &QPushButton::clicked, this, [this] {
        Cur().Plan.RAZ();
        Cur().Modifie = true;
        Cur().RAZPlan = true;
        Affiche();
    });

    // Weight definition.
    auto* gPoids = new QGroupBox(QStringLiteral("Définition du poids"), this);
    centreB_ = new QRadioButton(QStringLiteral("Poids au centre du bordé"), gPoids);
    centreV_ = new QRadioButton(QStringLiteral("Poids au centre du volume"), gPoids);
    centreB_->setObjectName(QStringLiteral("RBPoidsCentreB"));
    centreV_->setObjectName(QStringLiteral("RBPoidsCentreV"));
    gB_ = new QGroupBox(gPoids);
    gV_ = new QGroupBox(gPoids);
    auto* fB = new QGridLayout(gB_);
    auto* fV = new QGridLayout(gV_);
    const char* nTypes[] = {"RB_EpaisseurDens", "RB_PoidsFixeB", "RB_PoidsParM2", "RB_PoidsFixeV", "RB_Dens"};
    const char* tTypes[] = {"Epaisseur / densité", "Poids fixe", "Poids par m²", "Poids fixe", "Densité"};
    const char* nVal[] = {"EditEpaisseur", "EditDensiteB", "EditPoidsFixeB", "EditPoidsParM2", "EditPoidsFixeV",
                          "EditDensiteV"};
    auto* grpTypes = new QButtonGroup(this);
    for (int k = 0; k < 5; ++k) {
        auto* rb = new QRadioButton(QString::fromUtf8(tTypes[k]), k < 3 ? gB_ : gV_);
        rb->setObjectName(QLatin1String(nTypes[k]));
        types_[static_cast<std::size_t>(k)] = rb;
        grpTypes->addButton(rb, k);
    }
    for (int k = 0; k < kNbValeurs; ++k) {
        auto* e = new QLineEdit(k < 4 ? gB_ : gV_);
        e->setObjectName(QLatin1String(nVal[k]));
        valeurs_[static_cast<std::size_t>(k)] = e;
        connect(e, &QLineEdit::editingFinished, this, [this, k] {
            if (charge_ || !isVisible()) return;
            if (!LitValeurs()) return;
            const int type = k == vFixeV ? tpFixeVolume : k == vDensiteV ? tpVolume : Cur().TypePoids;
            if (type != Cur().TypePoids) {
                Cur().TypePoids = type;
                Cur().Modifie = true;
            }
            Affiche();
        });
    }
    fB->addWidget(types_[0], 0, 0);
    fB->addWidget(valeurs_[vEpaisseur], 0, 1);
    fB->addWidget(new QLabel(QStringLiteral("Densité"), gB_), 0, 2);
    fB->addWidget(valeurs_[vDensiteB], 0, 3);
    fB->addWidget(types_[1], 1, 0);
    fB->addWidget(valeurs_[vFixeB], 1, 1);
    fB->addWidget(types_[2], 2, 0);
    fB->addWidget(valeurs_[vParM2], 2, 1);
    fV->addWidget(types_[3], 0, 0);
    fV->addWidget(valeurs_[vFixeV], 0, 1);
    fV->addWidget(types_[4], 1, 0);
    fV->addWidget(valeurs_[vDensiteV], 1, 1);
    auto* vPoids = new QGridLayout(gPoids);
    vPoids->addWidget(centreB_, 0, 0);
    vPoids->addWidget(centreV_, 0, 1);
    vPoids->addWidget(gB_, 1, 0, 1, 2);
    vPoids->addWidget(gV_, 2, 0, 1, 2);
    connect(centreB_, &QRadioButton::clicked, this, [this] { ChoixCentre(false, false); });
    connect(centreV_, &QRadioButton::clicked, this, [this] { ChoixCentre(true, true); });
    connect(grpTypes, &QButtonGroup::idClicked, this, [this](int k) {
        if (charge_) return;
        Cur().TypePoids = k;
        Cur().Modifie = true;
        ActiveValeurs();
    });

    connect(liste_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (charge_ || row < 0 || row == cur_) return;
        // A value typed on the surface left is checked before it is left.
        if (!LitValeurs()) {
            const QSignalBlocker b(liste_);
            liste_->setCurrentRow(cur_);
            return;
        }
        cur_ = row;
        Affiche();
    });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* ann = new QPushButton(QStringLiteral("Annuler"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ann->setObjectName(QStringLiteral("BtnAnnuler"));
    ok->setAutoDefault(false);
    ann->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TPropSurfForm::Valider);
    connect(ann, &QPushButton::clicked, this, [this] {
        confirme_ = 0;
        reject();
    });

    // Three columns within the dialog's 822 pixels: the surfaces; the name,
    // flags, orders and frame; the colour, material with its preview, and weight.
    auto* gen = new QVBoxLayout;
    gen->addWidget(nom_);
    for (QWidget* w : {static_cast<QWidget*>(visible_), static_cast<QWidget*>(verrou_), static_cast<QWidget*>(sym_),
                       static_cast<QWidget*>(jonction_), static_cast<QWidget*>(orientD_),
                       static_cast<QWidget*>(orientI_), static_cast<QWidget*>(gCalc), static_cast<QWidget*>(flex_),
                       static_cast<QWidget*>(gPlan)})
        gen->addWidget(w);
    gen->addStretch();
    auto* mat = new QHBoxLayout;
    mat->addWidget(gMat, 1);
    if (QWidget* apercu = CreeApercu()) mat->addWidget(apercu, 0, Qt::AlignCenter);
    auto* dro = new QVBoxLayout;
    dro->addWidget(gCoul);
    dro->addLayout(mat);
    dro->addWidget(gPoids);
    dro->addStretch();
    auto* hb = new QHBoxLayout;
    hb->addStretch();
    hb->addWidget(ok);
    hb->addWidget(ann);
    dro->addLayout(hb);
    auto* h = new QHBoxLayout(this);
    h->addWidget(gSel);
    h->addLayout(gen);
    h->addLayout(dro, 1);
    Langue::AppliqueLangue(this);
}

TPropSurfForm::~TPropSurfForm() {
    // The preview goes first: it holds the camera.
    delete apercu_;
}

QWidget* TPropSurfForm::CreeApercu() {
    if (!TVisView::Disponible()) return nullptr;
    camera_.Position.Assign(TVisPosition(0, 0, 3));
    camera_.SetViewNear(0.1f);
    camera_.SetViewFar(10.0f);
    camera_.SetViewAngle(35.0f);
    camera_.SetViewOrtho(2.0f);
    lumiere_.SetKind(TVisLightKind::Direction);
    lumiere_.Direction.Assign(TVisVector(0.2f, 0.3f, 1.0f));
    lumiere_.ColorAmbient.SetColor(0x000000);
    lumiere_.ColorDiffuse.SetColor(0xFFFFFF);
    lumiere_.ColorSpecular.SetColor(0xFFFFFF);
    interieure_.Radius = 0.35f;
    interieure_.SetSlices(40);
    interieure_.SetStacks(40);
    exterieure_.Radius = 0.65f;
    exterieure_.SetSlices(100);
    exterieure_.SetStacks(100);
    apercu_ = new TVisView(this);
    apercu_->setObjectName(QStringLiteral("glVisual"));
    apercu_->setFixedSize(160, 160);
    apercu_->SetBackgroundColor(0x000000);
    apercu_->ColorAmbient.Assign(TVisColor(0x333333, 1.0f));
    apercu_->SetLighting(true);
    apercu_->SetTransparency(true);
    apercu_->SetCamera(&camera_);
    apercu_->OnRender = [this](TVisView&) { DessineApercu(); };
    return apercu_;
}

int TPropSurfForm::Execute() {
    const Document& doc = main_.Doc();
    if (doc.NbSurf() == 0) return 0;
    confirme_ = 0;
    copies_ = PropSurf::Remplit(doc);
    charge_ = true;
    liste_->clear();
    int largeur = 100;  // the names show whole
    for (const auto& c : copies_) {
        liste_->addItem(QString::fromStdString(c.Nom));
        largeur = std::max(largeur, liste_->fontMetrics().horizontalAdvance(QString::fromStdString(c.Nom)));
    }
    liste_->setFixedWidth(largeur + 2 * liste_->frameWidth() + liste_->verticalScrollBar()->sizeHint().width() + 4);
    cur_ = 0;
    liste_->setCurrentRow(0);
    charge_ = false;
    Affiche();
    exec();
    liste_->clear();
    copies_.clear();
    return confirme_;
}

void TPropSurfForm::Affiche() {
    charge_ = true;
    const PropSurf::TPropSurf& c = Cur();
    nom_->setText(QString::fromStdString(c.Nom));
    visible_->setChecked(c.Visible);
    verrou_->setChecked(c.Verrou);
    sym_->setChecked(c.Sym);
    calc_->setChecked(c.Calc);
    voile_->setChecked(c.Voile);
    jonction_->setChecked(c.Jonction);
    (c.Orientation == 1 ? orientD_ : orientI_)->setChecked(true);
    flex_->setEnabled(c.Nurbs);
    flexLong_->setValue(c.Nurbs ? c.LFlex : 3);
    flexTrans_->setValue(c.Nurbs ? c.CFlex : 3);
    labFlexLong_->setText(QString::fromUtf8(PropSurf::NomOrdre(flexLong_->value())));
    labFlexTrans_->setText(QString::fromUtf8(PropSurf::NomOrdre(flexTrans_->value())));
    (c.Couleur < 0 ? coulDef_ : coulPers_)->setChecked(true);
    AfficheCouleur();
    alpha_->setValue(100 - Arrondi(c.Alpha * 100));
    ambient_->setValue(Arrondi(c.Ambient * 100));
    specular_->setValue(Arrondi(c.Specular * 100));
    shininess_->setValue(128 - Arrondi(c.Shininess));
    emission_->setValue(Arrondi(c.Emission * 100));
    const TVertex3f a = c.Plan.CalcAnglesRotation();
    const double v[6] = {c.Plan.Origin.X, c.Plan.Origin.Y, c.Plan.Origin.Z, a.X, a.Y, a.Z};
    const char* f[6] = {"Base X = ", "Base Y = ", "Base Z = ", "Angle/X = ", "Angle/Y = ", "Angle/Z = "};
    for (int k = 0; k < 6; ++k) labPlan_[static_cast<std::size_t>(k)]->setText(QLatin1String(f[k]) + F3(v[k]));
    const double val[kNbValeurs] = {c.Epaisseur, c.Densite, c.Masse, c.PoidsParM2, c.Masse, c.Densite};
    for (int k = 0; k < kNbValeurs; ++k) valeurs_[static_cast<std::size_t>(k)]->setText(F3(val[k]));
    const bool volume = c.TypePoids == tpFixeVolume || c.TypePoids == tpVolume;
    (volume ? centreV_ : centreB_)->setChecked(true);
    gB_->setVisible(!volume);
    gV_->setVisible(volume);
    if (c.TypePoids >= 0 && c.TypePoids < 5) types_[static_cast<std::size_t>(c.TypePoids)]->setChecked(true);
    ActiveValeurs();
    charge_ = false;
}

std::uint32_t TPropSurfForm::CouleurCourante() const {
    const PropSurf::TPropSurf& c = copies_[static_cast<std::size_t>(cur_)];
    return c.Couleur < 0 ? main_.OptionsDessin().Couleurs.BordSf : static_cast<std::uint32_t>(c.Couleur);
}

void TPropSurfForm::AfficheCouleur() {
    const std::uint32_t c = CouleurCourante();
    panneau_->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3)")
                                .arg(c & 0xFF)
                                .arg((c >> 8) & 0xFF)
                                .arg((c >> 16) & 0xFF));
    // Each change of the copy and each newly shown copy come through here.
    if (apercu_) apercu_->Invalidate();
}

void TPropSurfForm::DessineApercu() {
    VisGL::Render(lumiere_);
    if (copies_.empty()) return;
    const PropSurf::TPropSurf& c = Cur();
    const auto rvb = ColorToGL(CouleurCourante());
    auto materiau = [](const float diffuse[4], float ambient, float specular, float shininess, float emission) {
        const float a[4] = {ambient, ambient, ambient, 1.0f}, s[4] = {specular, specular, specular, 1.0f},
                    e[4] = {emission, emission, emission, 1.0f};
        glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
        glMaterialfv(GL_FRONT, GL_AMBIENT, a);
        glMaterialfv(GL_FRONT, GL_SPECULAR, s);
        glMaterialf(GL_FRONT, GL_SHININESS, shininess);
        glMaterialfv(GL_FRONT, GL_EMISSION, e);
    };
    // The opaque colour inside, seen through the material when it is transparent.
    const float opaque[4] = {rvb[0], rvb[1], rvb[2], 1.0f};
    materiau(opaque, 0.0f, 0.0f, 0.0f, 0.0f);
    VisGL::Render(interieure_);
    const float diffuse[4] = {rvb[0], rvb[1], rvb[2], static_cast<float>(c.Alpha)};
    // GL refuses a shininess outside 0..128 (a value read from a file).
    materiau(diffuse, c.Ambient, c.Specular, std::clamp(c.Shininess, 0.0f, 128.0f), c.Emission);
    VisGL::Render(exterieure_);
}

void TPropSurfForm::Change() {
    if (charge_ || copies_.empty()) return;
    PropSurf::TPropSurf& c = Cur();
    if (!nom_->text().isEmpty()) c.Nom = nom_->text().toStdString();
    c.Visible = visible_->isChecked();
    c.Verrou = verrou_->isChecked();
    c.Sym = sym_->isChecked();
    c.Calc = calc_->isChecked();
    c.Voile = voile_->isChecked();
    c.Jonction = jonction_->isChecked();
    c.Orientation = orientD_->isChecked() ? 1 : 0;
    if (c.Nurbs) {
        c.LFlex = flexLong_->value();
        c.CFlex = flexTrans_->value();
    }
    if (coulDef_->isChecked()) c.Couleur = -1;
    else if (c.Couleur < 0) c.Couleur = static_cast<std::int32_t>(main_.OptionsDessin().Couleurs.BordSf);
    c.Alpha = (100 - alpha_->value()) / 100.0;
    c.Ambient = static_cast<float>(ambient_->value() / 100.0);
    c.Specular = static_cast<float>(specular_->value() / 100.0);
    c.Shininess = static_cast<float>(128 - shininess_->value());
    c.Emission = static_cast<float>(emission_->value() / 100.0);
    c.Modifie = true;
    AfficheCouleur();
}

void TPropSurfForm::ChoixCentre(bool volume, bool demander) {
    if (charge_) return;
    PropSurf::TPropSurf& c = Cur();
    if (volume && demander && isVisible() && !jonction_->isChecked() &&
        Ui::ui().msgDlg(Langue::Txt("rsFermetureVol"), Ui::MsgType::Confirmation, Ui::mbYes | Ui::mbNo) == Ui::mrYes) {
        c.Jonction = 1;
        c.Modifie = true;
    }
    const bool bon = volume ? (c.TypePoids == tpFixeVolume || c.TypePoids == tpVolume)
                            : (c.TypePoids >= tpEpaisseur && c.TypePoids <= tpParM2);
    if (!bon) {
        c.TypePoids = volume ? tpFixeVolume : tpFixe;
        c.Modifie = true;
    }
    Affiche();
}

void TPropSurfForm::ActiveValeurs() {
    const int t = Cur().TypePoids;
    valeurs_[vEpaisseur]->setEnabled(t == tpEpaisseur);
    valeurs_[vDensiteB]->setEnabled(t == tpEpaisseur);
    valeurs_[vFixeB]->setEnabled(t == tpFixe);
    valeurs_[vParM2]->setEnabled(t == tpParM2);
    valeurs_[vFixeV]->setEnabled(t == tpFixeVolume);
    valeurs_[vDensiteV]->setEnabled(t == tpVolume);
}

bool TPropSurfForm::LitValeurs() {
    if (copies_.empty()) return true;
    static const char* const noms[kNbValeurs] = {"Epaisseur", "Densité", "Poids fixe", "Poids par m²", "Poids fixe",
                                                 "Densité"};
    // Only a field the user typed in is read: the others stand for the
    // copy's own values, not their three-decimal texts. A thickness is a
    // size, the others weights or densities; a field not in use keeps what
    // it holds.
    std::array<double, kNbValeurs> v{};
    for (int k = 0; k < kNbValeurs; ++k) {
        QLineEdit* e = valeurs_[static_cast<std::size_t>(k)];
        if (!e->isModified()) continue;
        const Saisie::TDomaine d = !e->isEnabled()  ? Saisie::dLibre
                                   : k == vEpaisseur ? Saisie::dTaille
                                                     : Saisie::dMasse;
        if (!Champs::LitReel(e, QString::fromUtf8(noms[k]), v[static_cast<std::size_t>(k)], d)) return false;
    }
    PropSurf::TPropSurf& c = Cur();
    double* champ[kNbValeurs] = {&c.Epaisseur, &c.Densite, &c.Masse, &c.PoidsParM2, &c.Masse, &c.Densite};
    for (int k = 0; k < kNbValeurs; ++k) {
        QLineEdit* e = valeurs_[static_cast<std::size_t>(k)];
        if (!e->isModified()) continue;
        e->setModified(false);
        if (*champ[k] == v[static_cast<std::size_t>(k)]) continue;
        *champ[k] = v[static_cast<std::size_t>(k)];
        c.Modifie = true;
    }
    return true;
}

void TPropSurfForm::Valider() {
    if (!LitValeurs()) return;
    // A name given to two surfaces is refused on the surface renamed.
    const int pris = PropSurf::NomPris(main_.Doc(), copies_);
    if (pris >= 0) {
        liste_->setCurrentRow(pris);
        Ui::ui().msgDlg(Langue::Txt("rsErrNomDonne"), Ui::MsgType::Error, Ui::mbOK);
        nom_->setFocus();
        nom_->selectAll();
        return;
    }
    PropSurf::Ecrit(main_.Doc(), copies_);
    confirme_ = 1;
    ObjCom::MajFenetresPC(main_.Doc());
    accept();
}
