#include "calc/gui/StabForm.h"

#include <QBoxLayout>
#include <QChart>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSlider>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>
#include <cmath>
#include <numbers>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/ImprimanteChoisie.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "calc/Carene.h"
#include "calc/gui/GrilleResultats.h"
#include "calc/gui/StabDlgForm.h"
#include "model/Calcs.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/Update.h"

namespace {

constexpr double kDeg2Rad = std::numbers::pi / 180.0;
// The facets of the debug drawing.
const QColor kCouleurFacettes(0, 128, 128);
// The windows' engines alive, so that a test can see none is left behind.
std::atomic<int> g_moteurs = 0;

QString Format(double v, int dec) { return GrilleResultats::Nombre(v, dec); }


QLineEdit* Champ(QWidget* parent, const char* nom, const char* texte) {
    auto* e = new QLineEdit(QString::fromLatin1(texte), parent);
    e->setObjectName(QString::fromLatin1(nom));
    Langue::DonneCle(e, "-");
    e->setMaximumWidth(80);
    return e;
}

}  // namespace

// The engine's reports, from the worker thread to the window (queued).
class TStabForm::Suivi : public Stab::ISuiviStab {
public:
    explicit Suivi(TStabForm* f) : f_(f) {}
    void Progression(int total, int fait) override { emit f_->progression(total, fait); }
    void Etape(const TGZ& gz, int iterations, const TDoubleSurfList&) override { emit f_->etape(gz, iterations); }
    // The debug sink writes to the debug window and its link: reported from
    // the window's thread.
    void Erreur(const std::string& message) override {
        QMetaObject::invokeMethod(f_, [message] { Stab::ISuiviStab().Erreur(message); }, Qt::QueuedConnection);
    }

private:
    TStabForm* f_;
};

// What the engine asks of the interface while it runs on the worker: the
// questions and messages are put to the user on the window's thread (the
// worker waits for the answer); the event loop is the window's own business.
// Once the window is closing, the iteration question is answered "stop"
// without being asked.
class TStabForm::UiTravail : public Ui::IUserInterface {
public:
    explicit UiTravail(TStabForm* f) : f_(f) {}
    int msgDlg(std::string_view texte, Ui::MsgType type, unsigned boutons) override {
        if (f_->fermeture_) return Ui::mrYes;
        int r = Ui::mrYes;
        const std::string t(texte);
        QMetaObject::invokeMethod(f_, [&] { r = f_->AskMsgDlg(t, type, boutons); }, Qt::BlockingQueuedConnection);
        return r;
    }
    void showMessage(std::string_view texte) override {
        if (f_->fermeture_) return;
        const std::string t(texte);
        QMetaObject::invokeMethod(f_, [&] { f_->ShowMsg(t); }, Qt::BlockingQueuedConnection);
    }

private:
    TStabForm* f_;
};

int TStabForm::MoteursVivants() { return g_moteurs; }

int TStabForm::AskMsgDlg(const std::string& texte, Ui::MsgType type, unsigned boutons) {
    if (fermeture_) return Ui::mrYes;
    return Ui::ui().msgDlg(texte, type, boutons);
}

void TStabForm::ShowMsg(const std::string& texte) {
    if (!fermeture_) Ui::ui().showMessage(texte);
}

TStabForm::TStabForm(Document& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), calc_(std::make_unique<Stab::TStabCalc>()) {
    DBG_SCOPE("TStabForm.FormCreate");
    ++g_moteurs;
    qRegisterMetaType<TGZ>();
    setObjectName(QStringLiteral("StabForm"));
    resize(980, 680);
    suivi_ = std::make_unique<Suivi>(this);
    uiTravail_ = std::make_unique<UiTravail>(this);
    calc_->SetUi(uiTravail_.get());

    auto* racine = new QHBoxLayout(this);
    auto* gauche = new QVBoxLayout;
    racine->addLayout(gauche);

    auto* gbInit = new QGroupBox(this);
    gbInit->setObjectName(QStringLiteral("GBEtatInit"));
    auto* li = new QVBoxLayout(gbInit);
    LabelDeplacementInit = new QLabel(gbInit);
    LabelPoidsInit = new QLabel(gbInit);
    li->addWidget(LabelDeplacementInit);
    li->addWidget(LabelPoidsInit);
    gauche->addWidget(gbInit);

    GBConditions = new QGroupBox(this);
    GBConditions->setObjectName(QStringLiteral("GB_ConditionsInit"));
    auto* lc = new QFormLayout(GBConditions);
    EditGiteMax = Champ(GBConditions, "EditGiteMax", "180");
    EditPas = Champ(GBConditions, "EditPas", "5");
    EditToleranceEnf = Champ(GBConditions, "EditToleranceEnf", "1");
    EditToleranceAss = Champ(GBConditions, "EditToleranceAss", "0.1");
    EditDensiteEau = Champ(GBConditions, "Ed_DensiteEau", "1.026");
    EditPoids = Champ(GBConditions, "EditPoids", "0.00");
    auto etiquette = [&](const char* cle) { return new QLabel(Langue::QTxt(cle), GBConditions); };
    lc->addRow(etiquette("rsLabelGiteMaxCaption"), EditGiteMax);
    lc->addRow(etiquette("rsLabelNombreCalcCaption"), EditPas);
    lc->addRow(etiquette("rsToleranceEnfPer"), EditToleranceEnf);
    auto* labelTolAss = etiquette("rsToleranceAssiette");
    lc->addRow(labelTolAss, EditToleranceAss);
    labelTolAss->setVisible(false);
    EditToleranceAss->setVisible(false);
    CBAssiette = new QCheckBox(GBConditions);
    CBAssiette->setObjectName(QStringLiteral("CBAssiette"));
    lc->addRow(CBAssiette);
    lc->addRow(etiquette("rsDensiteEau"), EditDensiteEau);
    LabelPoidsStab = new QLabel(GBConditions);
    lc->addRow(LabelPoidsStab);
    RB_SetPoidsDepl = new QRadioButton(GBConditions);
    RB_SetPoidsDepl->setObjectName(QStringLiteral("RB_SetPoidsDepl"));
    RB_SetPoids = new QRadioButton(GBConditions);
    RB_SetPoids->setObjectName(QStringLiteral("RB_SetPoids"));
    RB_RAZPoidsDepl = new QRadioButton(GBConditions);
    RB_RAZPoidsDepl->setObjectName(QStringLiteral("RB_RAZPoidsDepl"));
    RB_RAZPoidsDepl->setChecked(true);
    EditPoids->setEnabled(false);
    lc->addRow(RB_SetPoidsDepl);
    lc->addRow(RB_SetPoids, EditPoids);
    lc->addRow(RB_RAZPoidsDepl);
    CB_AlignVertGZ = new QCheckBox(GBConditions);
    CB_AlignVertGZ->setObjectName(QStringLiteral("CB_AlignVertGZ"));
    lc->addRow(CB_AlignVertGZ);
    BtnAjusterCondInit = new QPushButton(GBConditions);
    BtnAjusterCondInit->setObjectName(QStringLiteral("BtnAjusterCondInit"));
    lc->addRow(BtnAjusterCondInit);
    BtnVolumesNegatifs = new QPushButton(QStringLiteral("Volumes négatifs..."), GBConditions);
    BtnVolumesNegatifs->setObjectName(QStringLiteral("BtnVolumesNegatifs"));
    Langue::DonneCle(BtnVolumesNegatifs, "-");
    lc->addRow(BtnVolumesNegatifs);
    gauche->addWidget(GBConditions);

    auto* run = new QVBoxLayout;
    LabelGite = new QLabel(this);
    LabelVolume = new QLabel(this);
    LabelIterations = new QLabel(this);
    LabelAssiette = new QLabel(this);
    for (QLabel* l : {LabelGite, LabelVolume, LabelIterations, LabelAssiette}) run->addWidget(l);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setRange(0, 100);
    run->addWidget(ProgressBar);
    auto* boutons = new QHBoxLayout;
    BtnStop = new QPushButton(QStringLiteral("Abandon"), this);
    BtnStop->setObjectName(QStringLiteral("BtnStop"));
    Langue::DonneCle(BtnStop, "-");
    BtnCalculer = new QPushButton(this);
    BtnCalculer->setObjectName(QStringLiteral("BtnCalculer"));
    BtnCalculer->setDefault(true);
    boutons->addWidget(BtnStop);
    boutons->addWidget(BtnCalculer);
    run->addLayout(boutons);
    gauche->addLayout(run);
    gauche->addStretch();
    BtnFermer = new QPushButton(this);
    BtnFermer->setObjectName(QStringLiteral("BtnFermer"));
    gauche->addWidget(BtnFermer);

    PageControl = new QTabWidget(this);
    racine->addWidget(PageControl, 1);

    // "Affichage".
    auto* aff = new QWidget;
    aff->setObjectName(QStringLiteral("TSAffichage"));
    auto* la = new QVBoxLayout(aff);
    auto* barre = new QHBoxLayout;
    BtnRazTrackSec = GrilleResultats::Outil(aff, "BtnRazTrackSec", "rsVueSection", QStyle::SP_TitleBarNormalButton);
    BtnRazTrackProfil = GrilleResultats::Outil(aff, "BtnRazTrackProfil", "rsVueProfil", QStyle::SP_TitleBarShadeButton);
    BtnRazTrackPlan = GrilleResultats::Outil(aff, "BtnRazTrackPlan", "rsVuePlan", QStyle::SP_TitleBarUnshadeButton);
    BtnZoomIn = GrilleResultats::Outil(aff, "BtnZoomIn", "rsSBZoomInHint", QStyle::SP_ArrowUp);
    BtnZoomOut = GrilleResultats::Outil(aff, "BtnZoomOut", "-", QStyle::SP_ArrowDown);
    for (QWidget* w : std::initializer_list<QWidget*>{BtnRazTrackSec, BtnRazTrackProfil, BtnRazTrackPlan, BtnZoomIn, BtnZoomOut})
        barre->addWidget(w);
    TrackBarLongitude = new QSlider(Qt::Horizontal, aff);
    TrackBarLatitude = new QSlider(Qt::Horizontal, aff);
    for (QSlider* s : {TrackBarLongitude, TrackBarLatitude}) {
        s->setRange(-360, 360);
        barre->addWidget(s);
    }
    TrackBarLongitude->setValue(270);
    TrackBarLatitude->setValue(0);
    la->addLayout(barre);
    PaintBox = new QWidget(aff);
    PaintBox->setObjectName(QStringLiteral("PaintBox"));
    PaintBox->setMinimumSize(300, 250);
    PaintBox->installEventFilter(this);
    la->addWidget(PaintBox, 1);
    auto* film = new QHBoxLayout;
    SB_Film = GrilleResultats::Outil(aff, "SB_Film", "-", QStyle::SP_MediaPlay);
    LabelGiteFilm = new QLabel(aff);
    LabelGiteFilm->setObjectName(QStringLiteral("LabelGiteFilm"));
    TrackBarEtapes = new QSlider(Qt::Horizontal, aff);
    TrackBarEtapes->setRange(0, 0);
    CB_DisplayWL = new QCheckBox(aff);
    CB_DisplayWL->setObjectName(QStringLiteral("CB_DisplayWL"));
    CB_DisplayWL->setChecked(true);
    film->addWidget(SB_Film);
    film->addWidget(LabelGiteFilm);
    film->addWidget(TrackBarEtapes, 1);
    film->addWidget(CB_DisplayWL);
    la->addLayout(film);
    PageControl->addTab(aff, QString());
    TimerFilm = new QTimer(this);
    TimerFilm->setInterval(150);
    intervalle_ = new QTimer(this);
    intervalle_->setSingleShot(true);
    intervalle_->setInterval(kIntervalleAffichage);

    // "Courbe".
    auto* courbe = new QWidget;
    courbe->setObjectName(QStringLiteral("TSCourbe"));
    auto* lk = new QVBoxLayout(courbe);
    auto* barreK = new QHBoxLayout;
    RB_CourbeGZ = new QRadioButton(Langue::QTxt("rsGZ"), courbe);
    RB_CourbeGZ->setChecked(true);
    RB_CourbeMoment = new QRadioButton(courbe);
    RB_CourbeMoment->setObjectName(QStringLiteral("RB_CourbeMoment"));
    SBZoomOut = GrilleResultats::Outil(courbe, "SBZoomOut", "rsSBZoomPrecHint", QStyle::SP_ArrowBack);
    SBPrintChart = GrilleResultats::Outil(courbe, "SBPrintChart", "rsSBImprimeHint", QStyle::SP_FileDialogDetailedView);
    for (QWidget* w : std::initializer_list<QWidget*>{RB_CourbeGZ, RB_CourbeMoment, SBZoomOut, SBPrintChart}) barreK->addWidget(w);
    barreK->addStretch();
    lk->addLayout(barreK);
    auto graphe = [](QWidget* parent, QLineSeries*& serie, QColor c) {
        auto* g = new TGrapheResultats(parent);
        serie = new QLineSeries;
        serie->setColor(c);
        g->chart()->addSeries(serie);
        auto* ax = new QValueAxis;
        auto* ay = new QValueAxis;
        ax->setTitleText(Langue::QTxt("rsCStabBottomAxis"));
        g->chart()->addAxis(ax, Qt::AlignBottom);
        g->chart()->addAxis(ay, Qt::AlignLeft);
        serie->attachAxis(ax);
        serie->attachAxis(ay);
        g->Graduations();
        return g;
    };
    ChartGZ = graphe(courbe, SerieGZ, Qt::red);
    ChartGZ->setLigneZero(true);
    ChartGZ->setObjectName(QStringLiteral("ChartGZ"));
    lk->addWidget(ChartGZ, 1);
    PageControl->addTab(courbe, QString());

    // "Assiette".
    auto* assiette = new QWidget;
    assiette->setObjectName(QStringLiteral("TSAssiette"));
    auto* lt = new QVBoxLayout(assiette);
    ChartAssiette = graphe(assiette, SerieAssiette, Qt::blue);
    ChartAssiette->setObjectName(QStringLiteral("ChartAssiette"));
    ChartAssiette->chart()->setTitle(Langue::QTxt("rsTSAssietteCaption"));
    lt->addWidget(ChartAssiette);
    PageControl->addTab(assiette, QString());

    // "Mesures".
    auto* mesures = new QWidget;
    auto* lm = new QVBoxLayout(mesures);
    auto* barreM = new QHBoxLayout;
    SBEnregistrerMesures = GrilleResultats::Outil(mesures, "SBEnregistrerMesures", "rsSBEnregistreHint", QStyle::SP_DialogSaveButton);
    SBImprimerMesures = GrilleResultats::Outil(mesures, "SBImprimerMesures", "rsSBImprimeHint", QStyle::SP_FileDialogDetailedView);
    SBTransform = GrilleResultats::Outil(mesures, "SBTransform", "rsSBTransformHint", QStyle::SP_DialogApplyButton);
    for (QWidget* w : std::initializer_list<QWidget*>{SBEnregistrerMesures, SBImprimerMesures, SBTransform}) barreM->addWidget(w);
    barreM->addStretch();
    lm->addLayout(barreM);
    GrilleMesures = new TGrilleResultats(12, mesures);
    GrilleMesures->setObjectName(QStringLiteral("GrilleMesures"));
    QStringList entetes;
    for (const char* cle : {"rsGite", "rsAssiette", "rsEnfoncement", "rsCBx", "rsCBy", "rsCBz", "rsCGx", "rsCGy", "rsCGz",
                            "rsGZ", "rsMoment", "rsSurfMouillee"})
        entetes << Langue::QTxt(cle);
    GrilleMesures->setHorizontalHeaderLabels(entetes);
    GrilleMesures->horizontalHeader()->setVisible(true);
    lm->addWidget(GrilleMesures, 1);
    PageControl->addTab(mesures, Langue::QTxt("rsMesures"));

    // "Synthèse".
    auto* synthese = new QWidget;
    auto* ls = new QVBoxLayout(synthese);
    auto* barreS = new QHBoxLayout;
    SBEnregistrerSynthese = GrilleResultats::Outil(synthese, "SBEnregistrerSynthese", "rsSBEnregistreHint", QStyle::SP_DialogSaveButton);
    SBImprimerSynthese = GrilleResultats::Outil(synthese, "SBImprimerSynthese", "rsSBImprimeHint", QStyle::SP_FileDialogDetailedView);
    barreS->addWidget(SBEnregistrerSynthese);
    barreS->addWidget(SBImprimerSynthese);
    barreS->addStretch();
    ls->addLayout(barreS);
    GrilleSynthese = new TGrilleResultats(2, synthese);
    GrilleSynthese->setObjectName(QStringLiteral("GrilleSynthese"));
    GrilleSynthese->setColumnWidth(0, 330);
    GrilleSynthese->setColumnWidth(1, 150);
    ls->addWidget(GrilleSynthese, 1);
    PageControl->addTab(synthese, Langue::QTxt("rsSynthese"));

    // ---- Connections -----------------------------------------------------------
    connect(this, &TStabForm::progression, this, &TStabForm::Progression, Qt::QueuedConnection);
    connect(this, &TStabForm::etape, this, &TStabForm::EtapeRecue, Qt::QueuedConnection);
    connect(PageControl, &QTabWidget::currentChanged, this, [this] {
        if (EnCours()) AjouteEtapes();
    });
    connect(intervalle_, &QTimer::timeout, this, [this] {
        if (!enRetard_) return;
        enRetard_ = false;
        MajProgression();
        intervalle_->start();
    });
    connect(BtnCalculer, &QPushButton::clicked, this, [this] { BtnCalculerClick(); });
    connect(BtnStop, &QPushButton::clicked, this, &TStabForm::BtnStopClick);
    connect(BtnFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnAjusterCondInit, &QPushButton::clicked, this, &TStabForm::BtnAjusterCondInitClick);
    connect(BtnVolumesNegatifs, &QPushButton::clicked, this, [this] {
        TStabDlgForm d(doc_, this);
        if (d.exec() == QDialog::Accepted) VolumesChanges();
    });
    connect(RB_SetPoids, &QRadioButton::toggled, EditPoids, &QLineEdit::setEnabled);
    for (QLineEdit* e : {EditGiteMax, EditPas, EditToleranceEnf, EditToleranceAss, EditDensiteEau, EditPoids}) {
        bonsTextes_[e] = e->text();
        connect(e, &QLineEdit::editingFinished, this, [this, e] { ChampQuitte(e); });
    }
    connect(TrackBarLongitude, &QSlider::valueChanged, this, [this](int v) { angle1_ = v; PaintBox->update(); });
    connect(TrackBarLatitude, &QSlider::valueChanged, this, [this](int v) { angle2_ = v; PaintBox->update(); });
    auto angles = [this](int a, int b) {
        TrackBarLongitude->setValue(a);
        TrackBarLatitude->setValue(b);
        PaintBox->update();
    };
    connect(BtnRazTrackSec, &QToolButton::clicked, this, [angles] { angles(270, 0); });
    connect(BtnRazTrackProfil, &QToolButton::clicked, this, [angles] { angles(0, 0); });
    connect(BtnRazTrackPlan, &QToolButton::clicked, this, [angles] { angles(0, 90); });
    connect(BtnZoomIn, &QToolButton::clicked, this, [this] { zoom_ += 10; PaintBox->update(); });
    connect(BtnZoomOut, &QToolButton::clicked, this, [this] { zoom_ -= 10; PaintBox->update(); });
    connect(CB_DisplayWL, &QCheckBox::toggled, PaintBox, qOverload<>(&QWidget::update));
    connect(TrackBarEtapes, &QSlider::valueChanged, this, &TStabForm::TrackBarEtapesChange);
    connect(SB_Film, &QToolButton::clicked, this, &TStabForm::SB_FilmClick);
    connect(TimerFilm, &QTimer::timeout, this, [this] {
        const int k = TrackBarEtapes->value();
        TrackBarEtapesChange(k);
        if (k >= TrackBarEtapes->maximum()) TimerFilm->stop();
        else TrackBarEtapes->setValue(k + 1);
    });
    auto choixCourbe = [this] {
        QChart* c = ChartGZ->chart();
        const bool gz = RB_CourbeGZ->isChecked();
        c->setTitle(Langue::QTxt(gz ? "rsGZ" : "rsCStabTitleInertie"));
        c->axes(Qt::Vertical).first()->setTitleText(Langue::QTxt(gz ? "rsCStabLeftAxisGZ" : "rsCStabLeftAxisInertie"));
        MajCourbeGZ();
    };
    connect(RB_CourbeGZ, &QRadioButton::toggled, this, choixCourbe);
    choixCourbe();
    connect(SBZoomOut, &QToolButton::clicked, ChartGZ, &TGrapheResultats::ZoomArriere);
    connect(SBPrintChart, &QToolButton::clicked, this,
            [this] { ImprimanteChoisie::Imprime(this, [this](QPrinter& p) { ChartGZ->Imprime(p); }); });
    auto enregistre = [this](TGrilleResultats* g) {
        const QString f = GrilleResultats::DemandeFichierTexte(this);
        if (!f.isEmpty()) g->Enregistre(f);
    };
    auto imprime = [this](TGrilleResultats* g, const QString& titre) {
        ImprimanteChoisie::Imprime(this, [g, titre](QPrinter& p) { g->Imprime(p, titre); });
    };
    connect(SBEnregistrerMesures, &QToolButton::clicked, this, [=, this] { enregistre(GrilleMesures); });
    connect(SBEnregistrerSynthese, &QToolButton::clicked, this, [=, this] { enregistre(GrilleSynthese); });
    connect(SBImprimerMesures, &QToolButton::clicked, this, [=, this] { imprime(GrilleMesures, Langue::QTxt("rsMesures")); });
    connect(SBImprimerSynthese, &QToolButton::clicked, this, [=, this] { imprime(GrilleSynthese, Langue::QTxt("rsSynthese")); });
    connect(SBTransform, &QToolButton::clicked, this, [this] { SBTransformClick(); });

    Langue::DialogueFichier(this, "rsTXTFilter", true);
    Langue::AppliqueLangue(this);
    setWindowTitle(Langue::QTxt("rsStabFormCaption"));
    BtnStop->setText(QStringLiteral("Abandon"));
    Boutons(false);
}

TStabForm::~TStabForm() {
    // A field losing the focus while the children go must not reach this
    // window any more.
    for (QLineEdit* e : {EditGiteMax, EditPas, EditToleranceEnf, EditToleranceAss, EditDensiteEau, EditPoids})
        e->disconnect(this);
    fermeture_ = true;
    calc_->Arrete();
    AttendFin();
    calc_.reset();
    --g_moteurs;
}

bool TStabForm::EnCours() const { return thread_ != nullptr; }

void TStabForm::AttendFin() {
    // The worker may be waiting for an answer from this thread: its queued
    // calls are let through while waiting.
    while (thread_ && !thread_->wait(QDeadlineTimer(5))) QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    if (thread_) FinCalcul();
}

// ---- State ------------------------------------------------------------------------------

void TStabForm::InitStabForm() {
    DBG_SCOPE("TStabForm.InitStabForm");
    AttendFin();
    double densite = cond_.Densite;
    LitChamp(EditDensiteEau, densite);
    calc_->Init(doc_, densite);
    g0_ = calc_->G0();
    poids_ = calc_->Poids();
    // The choice of weight stays from one showing to the next: the loading
    // follows it from the start, as "Ajuster" would set it.
    if (!ChoixChargement()) AfficheEtatInitial();
    initiale_ = calc_->CopieInitiale();
    affichee_ = initiale_;
    envAffiches_ = doc_.ListReperesEnv;
    etapeAffichee_ = -1;
    etapes_.Clear();
    synthese_ = {};
    Progression(100, 0);
    GrilleSynthese->Vide();
    for (QLabel* l : {LabelGite, LabelVolume, LabelIterations, LabelAssiette}) l->clear();
    MajCourbeGZ();
    unsetCursor();
    Boutons(false);
    PageControl->setCurrentIndex(0);
    PaintBox->update();
}

void TStabForm::VolumesChanges() {
    // The copy is rebuilt from the surfaces as they now count, the loading kept.
    if (EnCours()) return;
    double densite = cond_.Densite;
    LitChamp(EditDensiteEau, densite);
    const TVertex3f g0 = g0_;
    const double poids = poids_;
    calc_->Init(doc_, densite);
    g0_ = g0;
    poids_ = poids;
    calc_->SetChargement(g0_, poids_);
    initiale_ = calc_->CopieInitiale();
    Pose(-1);
    AfficheEtatInitial();
}

void TStabForm::AfficheEtatInitial() {
    LabelDeplacementInit->setText(Langue::QTxt("rsLabelDeplacementInitCaption") + QLatin1Char(' ') +
                                  Format(calc_->DeplacementInitial(), 4));
    // The document's loading, whatever weight the run is given.
    LabelPoidsInit->setText(Langue::QTxt("rsLabelPoidsInitCaption") + QLatin1Char(' ') + Format(doc_.PoidsTotal.Masse, 4));
    LabelPoidsStab->setText(Langue::QTxt("rsLabelPoidsStabCaption") + QLatin1Char(' ') + Format(poids_, 4));
}

void TStabForm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) InitStabForm();
    QDialog::showEvent(e);
}

void TStabForm::Boutons(bool enCours) {
    BtnStop->setVisible(enCours);
    BtnCalculer->setVisible(!enCours);
    GBConditions->setEnabled(!enCours);
    TrackBarEtapes->setEnabled(!enCours);
    SB_Film->setEnabled(!enCours);
    SBTransform->setEnabled(!enCours);
}

// ---- Fields -----------------------------------------------------------------------------

bool TStabForm::LitChamp(QLineEdit* e, double& v) {
    bool ok = false;
    const double x = e->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (ok && std::isfinite(x)) {
        v = x;
        bonsTextes_[e] = e->text();
        return true;
    }
    Ui::ui().showMessage(QStringLiteral("'%1' n'est pas une valeur numérique correcte").arg(e->text()).toStdString());
    e->setText(bonsTextes_[e]);
    return false;
}

void TStabForm::ChampQuitte(QLineEdit* e) {
    double v = 0.0;
    if (!LitChamp(e, v)) return;
    if ((e == EditToleranceEnf || e == EditToleranceAss) && v <= 0.0) Ui::ui().showMessage(Langue::Txt("rsErrTolerence"));
}

void TStabForm::BtnAjusterCondInitClick() {
    DBG_SCOPE("TStabForm.BtnAjusterCondInitClick");
    if (EnCours()) return;
    ChoixChargement();
    PaintBox->update();
}

bool TStabForm::ChoixChargement() {
    if (RB_SetPoidsDepl->isChecked()) {
        poids_ = calc_->DeplacementInitial();
    } else if (RB_SetPoids->isChecked()) {
        double w = 0.0;
        if (!LitChamp(EditPoids, w)) return false;
        poids_ = w;
    } else {
        ObjCom::MajTotalPoids(doc_);
        g0_ = {doc_.PoidsTotal.X, doc_.PoidsTotal.Y, doc_.PoidsTotal.Z};
        poids_ = doc_.PoidsTotal.Masse;
    }
    if (CB_AlignVertGZ->isChecked()) {
        g0_.X = calc_->BInitial().X;
        g0_.Y = calc_->BInitial().Y;
    }
    calc_->SetChargement(g0_, poids_);
    AfficheEtatInitial();
    return true;
}

// ---- The run -----------------------------------------------------------------------------

bool TStabForm::BtnCalculerClick() {
    DBG_SCOPE("TStabForm.BtnCalculerClick");
    if (EnCours()) return false;
    Stab::TConditionsStab c = cond_;
    if (!LitChamp(EditGiteMax, c.GiteMax) || !LitChamp(EditPas, c.Pas) ||
        !LitChamp(EditToleranceEnf, c.ToleranceEnfoncement) || !LitChamp(EditToleranceAss, c.ToleranceAssiette) ||
        !LitChamp(EditDensiteEau, c.Densite))
        return false;
    c.CorrectionAssiette = CBAssiette->isChecked();
    TimerFilm->stop();
    TrackBarEtapes->setMaximum(0);
    LabelGiteFilm->setText(QStringLiteral("0°"));
    EffaceEnvahis();
    // The same checks as the engine's, here where the message can be shown
    // before anything starts.
    if (const std::string refus = Stab::TStabCalc::RefusPas(c.GiteMax, c.Pas); !refus.empty()) {
        Ui::ui().showMessage(refus);
        return false;
    }
    if (!(poids_ > 0.0)) {
        Ui::ui().showMessage(Langue::Txt("rsErrDefPoids"));
        return false;
    }
    if (!(c.ToleranceEnfoncement > 0.0) || (c.CorrectionAssiette && !(c.ToleranceAssiette > 0.0))) {
        Ui::ui().showMessage(Langue::Txt("rsErrTolerence"));
        return false;
    }
    cond_ = c;
    calc_->SetChargement(g0_, poids_);
    // Whatever stop was asked before belongs to an earlier run.
    calc_->AnnuleArret();
    etapes_.Clear();
    MajCourbeGZ();
    synthese_ = {};
    GrilleSynthese->Vide();
    LabelGite->setText(Langue::QTxt("rsGite2p") + QLatin1Char(' ') + Format(0.0, 2));
    LabelAssiette->setText(Langue::QTxt("rsAssiette2p") + QLatin1Char(' ') + Format(0.0, 2) + QStringLiteral("°"));
    LabelVolume->setText(Langue::QTxt("rsVolume2p") + QLatin1Char(' ') + Format(0.0, 4));
    Boutons(true);
    setCursor(Qt::WaitCursor);
    // A refused or failed run ends like any other: the end shows what was stored.
    thread_ = QThread::create([this, c] { calc_->Calcule(c, suivi_.get()); });
    const int run = ++numeroCalcul_;
    connect(thread_, &QThread::finished, this, [this, run] {
        if (thread_ && run == numeroCalcul_) FinCalcul();
    }, Qt::QueuedConnection);
    thread_->start();
    return true;
}

void TStabForm::BtnStopClick() {
    calc_->Arrete();
    BtnCalculer->setVisible(true);
}

void TStabForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete) {
        calc_->Arrete();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TStabForm::closeEvent(QCloseEvent* e) {
    fermeture_ = true;
    calc_->Arrete();
    AttendFin();
    TimerFilm->stop();
    fermeture_ = false;
    QDialog::closeEvent(e);
}

void TStabForm::done(int r) {
    // "Fermer", Escape: the run ends first, then the window closes.
    fermeture_ = true;
    calc_->Arrete();
    AttendFin();
    TimerFilm->stop();
    fermeture_ = false;
    QDialog::done(r);
}

// The steps and the progress come faster than anyone can read them: they
// are stored as they come, and shown at most once an interval.
void TStabForm::Progression(int total, int fait) {
    progres_ = total > 0 ? static_cast<int>(std::lrint(100.0 * fait / total)) : 0;
    AfficheProgression();
}

void TStabForm::EtapeRecue(const TGZ& gz, int iterations) {
    etapes_.Add(gz);
    iterations_ = iterations;
    AfficheProgression();
}

void TStabForm::AfficheProgression() {
    if (fermeture_) return;   // the window is going: nothing more is drawn
    if (intervalle_->isActive()) {
        enRetard_ = true;
        return;
    }
    MajProgression();
    intervalle_->start();
}

void TStabForm::MajProgression() {
    ProgressBar->setValue(progres_);
    const int n = etapes_.Count();
    if (n == 0) return;
    const TGZ& gz = *etapes_.GetGZ(n - 1);
    LabelGite->setText(Langue::QTxt("rsAngle2p") + QStringLiteral(" %1°").arg(Format(gz.Gite, 2)));
    LabelAssiette->setText(Langue::QTxt("rsAssiette2p") + QStringLiteral(" %1°").arg(Format(gz.Assiette, 2)));
    // The step holds the displaced volume times the density.
    LabelVolume->setText(Langue::QTxt("rsVolume2p") + QStringLiteral(" %1 m3").arg(Format(gz.Volume / cond_.Densite, 4)));
    LabelIterations->setText(Langue::QTxt("rsIterations2p") + QStringLiteral(" %1").arg(iterations_));
    AjouteEtapes();
    Pose(n - 1);
}

void TStabForm::FinCalcul() {
    QThread* t = thread_;
    thread_ = nullptr;
    t->wait();
    delete t;
    // Every queued step and progress report is in before the end is shown.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    intervalle_->stop();
    enRetard_ = false;
    unsetCursor();
    Boutons(false);
    if (fermeture_) return;
    MajProgression();
    MajResults();
    Pose(-1);
}

// ---- Results -------------------------------------------------------------------------------

void TStabForm::MajCourbeGZ() {
    lignesMontrees_ = pointsMontres_ = 0;
    pointsGZ_.clear();
    pointsAssiette_.clear();
    GrilleMesures->setRowCount(0);
    AjouteEtapes();
}

void TStabForm::AjouteEtapes() {
    const int n = etapes_.Count();
    GrilleMesures->setUpdatesEnabled(false);
    GrilleMesures->setRowCount(std::max(n, 1));
    for (int k = lignesMontrees_; k < n; ++k) {
        const TGZ& e = *etapes_.GetGZ(k);
        const double valeurs[12] = {e.Gite, e.Assiette, -e.Enfoncement, e.XB, e.YB, e.ZB, e.XG, e.YG, e.ZG,
                                    StabSynthese::GZ(e), StabSynthese::Moment(e, poids_), e.SurfMouillee};
        for (int j = 0; j < 12; ++j) {
            auto* it = new QTableWidgetItem(Format(valeurs[j], j < 2 ? 2 : 4));
            it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            GrilleMesures->setItem(k, j, it);
        }
    }
    lignesMontrees_ = n;
    GrilleMesures->setUpdatesEnabled(true);
    TrackBarEtapes->setMaximum(std::max(n - 1, 0));

    // A chart works out all of its points again at every change (at every
    // point appended): its points are handed over whole, and during a run
    // the curves follow only while they show, catching up when their page
    // is shown.
    if (EnCours() && !ChartGZ->isVisible() && !ChartAssiette->isVisible()) return;
    const bool gz = RB_CourbeGZ->isChecked();
    QList<QPointF>& pts = pointsGZ_;
    QList<QPointF>& trim = pointsAssiette_;
    for (int k = pointsMontres_; k < n; ++k) {
        const TGZ& e = *etapes_.GetGZ(k);
        pts.append({e.Gite, gz ? StabSynthese::GZ(e) : StabSynthese::Moment(e, poids_)});
        if (cond_.CorrectionAssiette) trim.append({e.Gite, e.Assiette});
    }
    pointsMontres_ = n;
    SerieGZ->replace(pts);
    SerieAssiette->replace(trim);
    auto ajuste = [](TGrapheResultats* g, const QList<QPointF>& p) {
        double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
        if (!p.isEmpty()) {
            x0 = x1 = p[0].x();
            y0 = y1 = p[0].y();
            for (const QPointF& q : p) {
                x0 = std::min(x0, q.x()), x1 = std::max(x1, q.x());
                y0 = std::min(y0, q.y()), y1 = std::max(y1, q.y());
            }
            if (x1 == x0) x1 = x0 + 1;
            if (y1 == y0) y1 = y0 + 1;
        }
        const double m = (y1 - y0) * 0.05;
        g->chart()->axes(Qt::Horizontal).first()->setRange(x0, x1);
        g->chart()->axes(Qt::Vertical).first()->setRange(y0 - m, y1 + m);
        g->ZoomArriere();
    };
    ajuste(ChartGZ, pts);
    ajuste(ChartAssiette, trim);
    // New labels lay a chart out again, in an event of its own: done here, so
    // that each refresh is painted once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void TStabForm::MajResults() {
    DBG_SCOPE("TStabForm.MajResults");
    StabSynthese::TConditions c;
    c.G = g0_;
    c.Poids = poids_;
    c.Pas = cond_.Pas;   // the step the user chose
    c.ToleranceEnf = cond_.ToleranceEnfoncement * poids_ / 100.0;
    c.ToleranceAssiette = cond_.ToleranceAssiette;
    c.Densite = cond_.Densite;
    synthese_ = StabSynthese::MajResults(etapes_, c);
    GrilleSynthese->Vide();
    GrilleSynthese->AjouteLignes(synthese_.Lignes);

    EffaceEnvahis();
    std::vector<TGrapheResultats::TEtiquette> noms;
    for (const StabSynthese::TMarqueEnv& m : StabSynthese::MarquesEnvahissement(etapes_, doc_.ListReperesEnv)) {
        auto* s = new QScatterSeries;
        s->setColor(m.Immerge ? Qt::red : Qt::blue);
        s->setMarkerSize(8);
        s->append(m.Gite, 0.0);
        ChartGZ->chart()->addSeries(s);
        for (QAbstractAxis* a : ChartGZ->chart()->axes()) s->attachAxis(a);
        SeriesEnvahis.push_back(s);
        noms.push_back({QPointF(m.Gite, 0.0), QString::fromStdString(m.Nom)});
    }
    ChartGZ->setEtiquettes(std::move(noms));
}

void TStabForm::EffaceEnvahis() {
    for (QScatterSeries* s : SeriesEnvahis) {
        ChartGZ->chart()->removeSeries(s);
        delete s;
    }
    SeriesEnvahis.clear();
    ChartGZ->setEtiquettes({});
}

// ---- Drawing and replay -----------------------------------------------------------------

void TStabForm::Pose(int k) {
    etapeAffichee_ = k;
    if (k >= 0 && k < etapes_.Count()) {
        const TMatrice m = StabSynthese::MatriceEtape(*etapes_.GetGZ(k));
        Carene::Transforme(initiale_, m, affichee_);
        envAffiches_ = StabSynthese::TransformEnvahis(doc_.ListReperesEnv, m);
    } else {
        affichee_ = initiale_;
        envAffiches_ = doc_.ListReperesEnv;
    }
    PaintBox->update();
}

void TStabForm::TrackBarEtapesChange(int k) {
    if (k < 0 || k >= etapes_.Count()) return;
    LabelGiteFilm->setText(Format(etapes_.GetGZ(k)->Gite, 2) + QStringLiteral("°"));
    Pose(k);
}

void TStabForm::SB_FilmClick() {
    if (etapes_.Count() == 0) return;
    if (!TimerFilm->isActive() && TrackBarEtapes->value() >= TrackBarEtapes->maximum()) TrackBarEtapes->setValue(0);
    if (TimerFilm->isActive()) TimerFilm->stop();
    else TimerFilm->start();
}

bool TStabForm::eventFilter(QObject* o, QEvent* e) {
    if (o != PaintBox || e->type() != QEvent::Paint) return QDialog::eventFilter(o, e);
    QPainter p(PaintBox);
    DrawStab(p, etapeAffichee_);
    return true;
}

void TStabForm::DrawStab(QPainter& p, int k) {
    p.fillRect(PaintBox->rect(), Qt::black);
    // The copy as it is drawn (heeled at a step) fitted as a section view
    // would be, then the zoom step.
    TViewRecord vue;
    vue.Kind = vkSection;
    vue.Azimuth = static_cast<float>(270.0 * kDeg2Rad);
    TVertex2f mini{1e30, 1e30}, maxi{-1e30, -1e30};
    for (const TDoubleSurf& s : affichee_)
        for (const TArrayVertex3f* g : {&s.Points, &s.PointsSym})
            for (int i = 0; i < g->rows() * g->cols(); ++i) {
                TVertex2f v;
                Calcs::ProjectionVue(g->data()[i], v, vue.Azimuth, vue.Elevation);
                mini = {std::min(mini.X, v.X), std::min(mini.Y, v.Y)};
                maxi = {std::max(maxi.X, v.X), std::max(maxi.Y, v.Y)};
            }
    ObjCom::AjusteRectangleEtendue(mini, maxi, PaintBox->width(), PaintBox->height(), doc_.Options.ZoomMax, vue);
    vue.Kind = vkStability;
    vue.Scale = vue.Scale + zoom_ > 0 ? vue.Scale + zoom_ : 10.0f;
    vue.Azimuth = static_cast<float>(angle1_ * kDeg2Rad);
    vue.Elevation = static_cast<float>(angle2_ * kDeg2Rad);
    auto px = [&](TVertex3f q, QPoint& r) {
        TPoint t;
        if (!Calcs::VueVersPixel(q, t, vue)) return false;
        r = QPoint(t.X, t.Y);
        return true;
    };
    auto poly = [&](auto&& point, int n) {
        QPolygon pl;
        QPoint r;
        for (int i = 0; i < n; ++i)
            if (px(point(i), r)) pl << r;
        p.drawPolyline(pl);
    };
    if (CB_DisplayWL->isChecked()) {
        p.setPen(Qt::blue);
        const TVertex3f c[4] = {{-5, -5, 0}, {5, -5, 0}, {5, 10, 0}, {-5, 10, 0}};
        poly([&](int i) { return c[i % 4]; }, 5);
    }
    // In debug mode (someone listens to the trace), the step being computed
    // shows the facets under its flotation plane, its centre of buoyancy
    // "CC" and its centre of gravity "CG".
    const bool debug = Debug::Tracing() && EnCours() && k >= 0 && k < etapes_.Count();
    if (debug) {
        TListFace facettes;
        Carene::FacettesSousPlan(affichee_, 0.0, facettes);
        p.setPen(kCouleurFacettes);
        for (const TFacette& f : facettes) {
            const TVertex3f c[3] = {f.P1, f.P2, f.P3};
            poly([&](int i) { return c[i % 3]; }, 4);
        }
    }
    p.setPen(QColor(192, 192, 192));
    for (const TDoubleSurf& s : affichee_)
        for (const TArrayVertex3f* g : {&s.Points, &s.PointsSym}) {
            if (g->rows() == 0 || g->cols() == 0) continue;
            const int r = g->rows(), c = g->cols();
            poly([&](int j) { return (*g)[0][j]; }, c);
            poly([&](int j) { return (*g)[r - 1][j]; }, c);
            poly([&](int i) { return (*g)[i][0]; }, r);
            poly([&](int i) { return (*g)[i][c - 1]; }, r);
        }
    auto marque = [&](TVertex3f q, QColor couleur, const QString& texte) {
        QPoint r;
        if (!px(q, r)) return;
        p.setPen(couleur);
        p.setBrush(Qt::NoBrush);
        QFont f = p.font();
        f.setPointSize(8);
        p.setFont(f);
        p.drawEllipse(QRect(QPoint(r.x() - 5, r.y() - 5), QPoint(r.x() + 6, r.y() + 6)));
        p.drawLine(r.x() - 5, r.y(), r.x() + 6, r.y());
        p.drawLine(r.x(), r.y() - 5, r.x(), r.y() + 6);
        p.drawText(r + QPoint(8, -4), texte);
    };
    for (const TRepereEnv& e : envAffiches_) marque({e.X, e.Y, e.Z}, Qt::yellow, QString::fromStdString(e.Nom));
    for (int i = 0; i < etapes_.Count(); ++i) {
        if (k >= 0 && i != k) continue;
        if (k < 0 && i != etapes_.Count() - 1 && EnCours()) continue;
        const TGZ& e = *etapes_.GetGZ(i);
        marque({e.XG, e.YG, e.ZG}, Qt::green, debug ? QStringLiteral("CG") : QStringLiteral("G"));
        marque({e.XB, e.YB, e.ZB}, Qt::blue, debug ? QStringLiteral("CC") : QStringLiteral("B"));
    }
}

// ---- Applying a step --------------------------------------------------------------------

bool TStabForm::SBTransformClick() {
    DBG_SCOPE("TStabForm.SBTransformClick");
    if (EnCours()) return false;
    const int k = GrilleMesures->currentRow();
    if (k < 0 || k >= etapes_.Count()) return false;
    if (Ui::ui().msgDlg(Langue::Txt("rsWarnModifDesign"), Ui::MsgType::Warning, Ui::mbYes | Ui::mbNo) != Ui::mrYes)
        return false;
    StabSynthese::AppliqueEtape(doc_, *etapes_.GetGZ(k));
    Ui::ui().markModified();
    Ui::ui().requestRedraw(true);
    return true;
}
