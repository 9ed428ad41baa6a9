#include "calc/gui/HydrostatForm.h"

#include <QBoxLayout>
#include <QChart>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QValueAxis>
#include <cmath>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/ImprimanteChoisie.h"
#include "app/gui/MainForm.h"
#include "app/gui/MsgDlg.h"
#include "base/Debug.h"
#include "calc/gui/GrilleResultats.h"
#include "model/Bounds.h"
#include "model/Document.h"
#include "model/Draw.h"
#include "model/Entity.h"
#include "model/UiPort.h"
#include "model/Update.h"
#include "platform/CanvasQt.h"

THydrostatForm::THydrostatForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    DBG_SCOPE("THydrostatForm.FormCreate");
    setObjectName(QStringLiteral("HydrostatForm"));
    resize(814, 628);

    auto* racine = new QHBoxLayout(this);
    auto* gauche = new QVBoxLayout;
    LBSurf = new QListWidget(this);
    LBSurf->setObjectName(QStringLiteral("LBSurf"));
    LBSurf->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LBSurf->setMaximumWidth(180);
    BtnTout = new QPushButton(this);
    BtnTout->setObjectName(QStringLiteral("BtnTout"));
    Langue::DonneCle(BtnTout, "rsBtnToutes");
    BtnAucune = new QPushButton(this);
    BtnAucune->setObjectName(QStringLiteral("BtnAucune"));
    BtnPorteeCalculs = new QPushButton(this);
    BtnPorteeCalculs->setObjectName(QStringLiteral("BtnPorteeCalculs"));
    BtnOK = new QPushButton(this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    Langue::DonneCle(BtnOK, "rsBtnFermer");
    BtnOK->setDefault(true);
    gauche->addWidget(LBSurf, 1);
    for (QPushButton* b : {BtnTout, BtnAucune, BtnPorteeCalculs}) gauche->addWidget(b);
    gauche->addSpacing(20);
    gauche->addWidget(BtnOK);
    racine->addLayout(gauche);

    PageControl = new QTabWidget(this);
    racine->addWidget(PageControl, 1);

    // Page "Calculs".
    auto* calculs = new QWidget;
    calculs->setObjectName(QStringLiteral("TSCalculs"));
    auto* lc = new QVBoxLayout(calculs);
    auto* barre = new QHBoxLayout;
    BtnCalculer1 = new QPushButton(calculs);
    BtnCalculer1->setObjectName(QStringLiteral("BtnCalculer1"));
    Langue::DonneCle(BtnCalculer1, "rsBtnCalculer");
    SBEnregistrer = GrilleResultats::Outil(calculs, "SBEnregistrer", "rsSBEnregistreHint", QStyle::SP_DialogSaveButton);
    BtnImprimer = GrilleResultats::Outil(calculs, "BtnImprimer", "rsSBImprimeHint", QStyle::SP_FileDialogDetailedView);
    barre->addWidget(BtnCalculer1);
    barre->addWidget(SBEnregistrer);
    barre->addWidget(BtnImprimer);
    barre->addStretch();
    lc->addLayout(barre);
    SGResult = new TGrilleResultats(2, calculs);
    SGResult->setObjectName(QStringLiteral("SGResult"));
    SGResult->setColumnWidth(0, 250);
    SGResult->setColumnWidth(1, 150);
    lc->addWidget(SGResult, 1);
    PageControl->addTab(calculs, QString());

    // Page "Courbe des aires".
    auto* courbe = new QWidget;
    courbe->setObjectName(QStringLiteral("TSCourbeAires"));
    auto* lk = new QVBoxLayout(courbe);
    auto* barre2 = new QHBoxLayout;
    auto* label = new QLabel(courbe);
    label->setObjectName(QStringLiteral("LabelNbCoupes"));
    Langue::DonneCle(label, "rsLabelNbCoupesCaption");
    EditPrecision = new QLineEdit(courbe);
    EditPrecision->setObjectName(QStringLiteral("EditPrecision"));
    EditPrecision->setMaxLength(3);
    EditPrecision->setMaximumWidth(50);
    Langue::DonneCle(EditPrecision, "-");
    // Up-down arrows only: the number stands in EditPrecision.
    struct FlechesSeules : QSpinBox {
        explicit FlechesSeules(QWidget* p) : QSpinBox(p) { lineEdit()->setVisible(false); }
    };
    UD_Precision = new FlechesSeules(courbe);
    UD_Precision->setObjectName(QStringLiteral("UD_Precision"));
    UD_Precision->setRange(Hydrostat::kCoupesMin, Hydrostat::kCoupesMax);
    UD_Precision->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    UD_Precision->setFixedWidth(20);
    BtnCalculer2 = new QPushButton(courbe);
    BtnCalculer2->setObjectName(QStringLiteral("BtnCalculer2"));
    Langue::DonneCle(BtnCalculer2, "rsBtnCalculer");
    SBtn_ZoomArriere = GrilleResultats::Outil(courbe, "SBtn_ZoomArriere", "rsSBZoomPrecHint", QStyle::SP_ArrowBack);
    barre2->addWidget(label);
    barre2->addWidget(EditPrecision);
    barre2->addWidget(UD_Precision);
    barre2->addWidget(BtnCalculer2);
    barre2->addWidget(SBtn_ZoomArriere);
    barre2->addStretch();
    lk->addLayout(barre2);
    ChartCourbeAires = new TGrapheResultats(courbe);
    ChartCourbeAires->setObjectName(QStringLiteral("ChartCourbeAires"));
    SerieAires = new QLineSeries;
    SerieAires->setColor(Qt::red);
    QChart* chart = ChartCourbeAires->chart();
    chart->addSeries(SerieAires);
    chart->setTitle(Langue::QTxt("rsTSCourbeAiresCaption"));
    auto* ax = new QValueAxis;
    ax->setTitleText(Langue::QTxt("rsLongueur"));
    auto* ay = new QValueAxis;
    ay->setTitleText(Langue::QTxt("rsAire"));
    chart->addAxis(ax, Qt::AlignBottom);
    chart->addAxis(ay, Qt::AlignLeft);
    SerieAires->attachAxis(ax);
    SerieAires->attachAxis(ay);
    GrilleResultats::Gradue(ax);
    GrilleResultats::Gradue(ay, 4);
    ChartCourbeAires->setVisible(false);
    lk->addWidget(ChartCourbeAires, 1);
    PageControl->addTab(courbe, QString());

    // Page "Options": built, never shown; it only feeds its own drawing.
    TSOptions = new QWidget;
    TSOptions->setObjectName(QStringLiteral("TSOptions"));
    auto* lo = new QHBoxLayout(TSOptions);
    auto* reglages = new QVBoxLayout;
    auto* gpp = new QGroupBox(QStringLiteral("PPAv / PPAr"), TSOptions);
    auto* lpp = new QVBoxLayout(gpp);
    RBPPIntersection = new QRadioButton(QStringLiteral("Intersection plan de flottaison / carène"), gpp);
    RBPPPosition = new QRadioButton(QStringLiteral("Position Y"), gpp);
    EditPPAv = new QLineEdit(gpp);
    EditPPAr = new QLineEdit(gpp);
    RBPPIntersection->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{RBPPIntersection, RBPPPosition, EditPPAv, EditPPAr}) lpp->addWidget(w);
    auto* gmc = new QGroupBox(Langue::QTxt("rsGBMaitreCouple"), TSOptions);
    auto* lmc = new QVBoxLayout(gmc);
    RBMCCreux = new QRadioButton(QStringLiteral("Creux Max pour la surface"), gmc);
    CBSurfMaitreCouple = new QComboBox(gmc);
    RBMCMilieu = new QRadioButton(QStringLiteral("Milieu de PPAv et PPAr"), gmc);
    RBMCPosition = new QRadioButton(QStringLiteral("Position Y"), gmc);
    EditMC = new QLineEdit(gmc);
    RBMCAire = new QRadioButton(QStringLiteral("Aire transversale immergée Max"), gmc);
    RBMCLargeur = new QRadioButton(QStringLiteral("Largeur à la flottaison max"), gmc);
    RBMCCreux->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{RBMCCreux, CBSurfMaitreCouple, RBMCMilieu, RBMCPosition, EditMC,
                                                      RBMCAire, RBMCLargeur})
        lmc->addWidget(w);
    reglages->addWidget(gpp);
    reglages->addWidget(gmc);
    reglages->addStretch();
    lo->addLayout(reglages);
    PaintBoxPP = new QWidget(TSOptions);
    PaintBoxPP->installEventFilter(this);
    lo->addWidget(PaintBoxPP, 1);
    PageControl->addTab(TSOptions, QStringLiteral("Options"));
    PageControl->setTabVisible(2, false);
    for (QRadioButton* r : {RBPPIntersection, RBPPPosition, RBMCCreux, RBMCMilieu, RBMCPosition, RBMCAire, RBMCLargeur})
        connect(r, &QRadioButton::toggled, this, [this](bool on) { if (on) OptionChange(); });
    for (QLineEdit* e : {EditPPAv, EditPPAr, EditMC}) connect(e, &QLineEdit::editingFinished, this, &THydrostatForm::OptionChange);
    connect(CBSurfMaitreCouple, &QComboBox::currentIndexChanged, this, &THydrostatForm::OptionChange);

    connect(BtnTout, &QPushButton::clicked, this, [this] { LBSurf->selectAll(); MajPortee(); });
    connect(BtnAucune, &QPushButton::clicked, this, [this] { LBSurf->clearSelection(); MajPortee(); });
    connect(LBSurf, &QListWidget::itemSelectionChanged, this, &THydrostatForm::MajPortee);
    connect(BtnPorteeCalculs, &QPushButton::clicked, this, [this] {
        if (!PorteeCalculs || !PorteeCalculs()) return;
        VideListes();
        calcul_ = Hydrostat::ListeCalcul(doc_);
        RemplieListes();
        ObjCom::MajSurface(doc_, true, -1);
        // Perpendiculars from the waterline follow the new scope; typed ones stay.
        OptionChange();
    });
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCalculer1, &QPushButton::clicked, this, &THydrostatForm::BtnCalculerClick);
    connect(BtnCalculer2, &QPushButton::clicked, this, &THydrostatForm::BtnCalculerClick);
    connect(SBEnregistrer, &QToolButton::clicked, this, &THydrostatForm::Enregistrer);
    connect(BtnImprimer, &QToolButton::clicked, this, &THydrostatForm::Imprimer);
    connect(SBtn_ZoomArriere, &QToolButton::clicked, ChartCourbeAires, &TGrapheResultats::ZoomArriere);
    connect(EditPrecision, &QLineEdit::editingFinished, this, &THydrostatForm::EditPrecisionExit);
    connect(UD_Precision, &QSpinBox::valueChanged, this, [this](int v) {
        nbCoupes_ = v;
        EditPrecision->setText(QString::number(v));
    });
    Langue::DialogueFichier(this, "rsTXTFilter", true);
    Langue::AppliqueLangue(this);
}

THydrostatForm::~THydrostatForm() {
    // A field losing the focus while the children go must not reach this
    // window any more.
    for (QLineEdit* e : {EditPrecision, EditPPAv, EditPPAr, EditMC}) e->disconnect(this);
}

void THydrostatForm::showEvent(QShowEvent* e) {
    PageControl->setCurrentIndex(0);
    SBEnregistrer->setEnabled(false);
    BtnImprimer->setEnabled(false);
    QDialog::showEvent(e);
}

void THydrostatForm::Prepare() {
    DBG_SCOPE("THydrostatForm.Execute");
    VideListes();
    calcul_ = Hydrostat::ListeCalcul(doc_);
    RemplieListes();
    if (LBSurf->count() > 0) LBSurf->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    MajPortee();
    nbCoupes_ = Hydrostat::NbCoupesDefaut(doc_.Precision);
    UD_Precision->setValue(nbCoupes_);
    EditPrecision->setText(QString::number(nbCoupes_));
    PPDefinies = false;
    PosMaitreCouple = 0.0;
    ObjCom::MajSurface(doc_, true, -1);
    Perpendiculaires();
}

void THydrostatForm::Execute() {
    Prepare();
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    exec();
    VideListes();
    calcul_.Clear();
    portee_.Clear();
}

void THydrostatForm::RemplieListes() {
    const QSignalBlocker b1(LBSurf), b2(CBSurfMaitreCouple);
    CBSurfMaitreCouple->addItem(QStringLiteral("Toutes les surfaces"));
    CBSurfMaitreCouple->setCurrentIndex(0);
    for (int num : calcul_) {
        const QString nom = QString::fromStdString(doc_.Surface(num)->Nom);
        LBSurf->addItem(nom);
        CBSurfMaitreCouple->addItem(nom);
    }
    LBSurf->selectAll();
    MajPortee();
}

void THydrostatForm::VideListes() {
    const QSignalBlocker b1(LBSurf), b2(CBSurfMaitreCouple);
    LBSurf->clear();
    CBSurfMaitreCouple->clear();
}

void THydrostatForm::MajPortee() {
    portee_.Clear();
    for (int i = 0; i < LBSurf->count() && i < calcul_.Count(); ++i)
        if (LBSurf->item(i)->isSelected()) portee_.Add(calcul_.NumSurf(i));
}

bool THydrostatForm::EditPrecisionExit() {
    bool ok = false;
    const int v = EditPrecision->text().trimmed().toInt(&ok);
    if (!ok) {
        Ui::ui().showMessage(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(EditPrecision->text()).toStdString());
        EditPrecision->setText(QString::number(nbCoupes_));
        return false;
    }
    nbCoupes_ = Hydrostat::BorneNbCoupes(v);
    const QSignalBlocker b(UD_Precision);
    UD_Precision->setValue(nbCoupes_);
    EditPrecision->setText(QString::number(nbCoupes_));
    return true;
}

void THydrostatForm::BtnCalculerClick() {
    DBG_SCOPE("THydrostatForm.BtnCalculerClick");
    // A count being typed counts; a bad one is refused before anything runs.
    if (!EditPrecisionExit()) return;
    setCursor(Qt::WaitCursor);
    resultats_ = Hydrostat::Calcule(doc_, portee_, nbCoupes_);
    SGResult->Vide();
    SGResult->AjouteLignes(resultats_.Lignes);
    try {
        MajCourbesAires(resultats_.Stations);
    } catch (const std::exception& ex) {
        Debug::DbgMsgStr(Debug::erDivers, "THydrostatForm.MajCourbesAires", 1, {ex.what()});
    }
    ChartCourbeAires->setVisible(true);
    SBEnregistrer->setEnabled(true);
    BtnImprimer->setEnabled(true);
    unsetCursor();
}

void THydrostatForm::EffaceResultats() {
    resultats_ = {};
    SGResult->Vide();
    SerieAires->clear();
    ChartCourbeAires->setVisible(false);
    SBEnregistrer->setEnabled(false);
    BtnImprimer->setEnabled(false);
}

void THydrostatForm::MajCourbesAires(const Hydrostat::TListAires& stations) {
    QList<QPointF> pts;
    pts.reserve(stations.Count() + 2);
    if (!stations.empty() && stations[0].Aire != 0.0) pts.append({stations[0].Y, 0.0});
    for (const TAireObj& a : stations) pts.append({a.Y, a.Aire});
    if (!stations.empty() && stations[stations.Count() - 1].Aire != 0.0) pts.append({stations[stations.Count() - 1].Y, 0.0});
    SerieAires->replace(pts);
    // Axes fitted to the curve.
    double x0 = 0, x1 = 1, y1 = 1;
    if (!pts.isEmpty()) {
        x0 = x1 = pts[0].x();
        y1 = 0;
        for (const QPointF& p : pts) {
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y1 = std::max(y1, p.y());
        }
        if (x1 == x0) x1 = x0 + 1;
        if (y1 == 0) y1 = 1;
    }
    const auto axes = ChartCourbeAires->chart()->axes();
    axes[0]->setRange(x0, x1);
    axes[1]->setRange(0.0, y1 * 1.05);
    ChartCourbeAires->ZoomArriere();
    if (Debug::Tracing()) {
        std::vector<double> v;
        for (int k = 0; k < stations.Count(); ++k) v.insert(v.end(), {double(k), stations[k].Y, stations[k].Aire});
        Debug::DbgMsgF(Debug::erDivers, "THydrostatForm.MajCourbesAires", 0, v);
    }
}

void THydrostatForm::Enregistrer() {
    const QString f = GrilleResultats::DemandeFichierTexte(this);
    if (!f.isEmpty()) SGResult->Enregistre(f);
}

void THydrostatForm::Imprimer() {
    ImprimanteChoisie::Imprime(this, [this](QPrinter& p) { SGResult->Imprime(p, windowTitle()); });
}

// ---- Options page -----------------------------------------------------------------------

void THydrostatForm::Perpendiculaires() {
    if (PPDefinies) return;
    TEtendue e;
    Calcs::LongueurLE(doc_, -2, e, 0.0);
    if (e.Size == 0.0) Calcs::DimentionsSurf(doc_, -2, e);
    PPAv = e.Min;
    PPAr = e.Max;
    PPDefinies = true;
}

void THydrostatForm::OptionChange() {
    if (RBPPIntersection->isChecked()) {
        PPDefinies = false;
        Perpendiculaires();
    } else {
        double a = 0.0, b = 0.0;
        if (GrilleResultats::LitReel(EditPPAv, a) && GrilleResultats::LitReel(EditPPAr, b)) {
            PPAv = std::min(a, b);
            PPAr = std::max(a, b);
            PPDefinies = true;
        }
    }
    if (RBMCMilieu->isChecked()) {
        PosMaitreCouple = (PPAv + PPAr) / 2.0;
    } else if (RBMCPosition->isChecked()) {
        GrilleResultats::LitReel(EditMC, PosMaitreCouple);
    } else if (RBMCCreux->isChecked()) {
        // The Y of the lowest point of the chosen surface (of all: the lowest).
        const int choix = CBSurfMaitreCouple->currentIndex() - 1;
        double zMin = 1e300;
        for (int k = 0; k < calcul_.Count(); ++k) {
            if (choix >= 0 && k != choix) continue;
            const TArrayVertex3f& g = doc_.Surface(calcul_.NumSurf(k))->Points;
            for (int i = 0; i < g.rows() * g.cols(); ++i)
                if (g.data()[i].Z < zMin) {
                    zMin = g.data()[i].Z;
                    PosMaitreCouple = g.data()[i].Y;
                }
        }
    }
    DessinePP();
}

void THydrostatForm::DessinePP() { PaintBoxPP->update(); }

bool THydrostatForm::eventFilter(QObject* o, QEvent* e) {
    if (o != PaintBoxPP || e->type() != QEvent::Paint) return QDialog::eventFilter(o, e);
    // On the views' background, each surface in its own colour.
    const TMainForm* m = MainForm();
    const TCouleursDessin couleurs = m ? m->OptionsDessin().Couleurs : TCouleursDessin{};
    QPainter p(PaintBoxPP);
    p.fillRect(PaintBoxPP->rect(), TQtCanvas::Couleur(couleurs.Arp));
    // Profile: Y across, Z up, fitted to the surfaces counted.
    TEtendue ey, ez;
    Calcs::DimentionsSurf(doc_, -2, ey);
    const double l = std::max(ey.Size, 1e-6);
    const double k = PaintBoxPP->width() * 0.9 / l;
    const QPointF o0(PaintBoxPP->width() * 0.05 - ey.Min * k, PaintBoxPP->height() / 2.0);
    auto pt = [&](double y, double z) { return QPointF(o0.x() + y * k, o0.y() - z * k); };
    for (int num : calcul_) {
        const TEntity& s = *doc_.Surface(num);
        p.setPen(TQtCanvas::Couleur(Affiche::CouleurSurface(s, couleurs)));
        const TArrayVertex3f& g = s.Points;
        for (int i = 0; i < g.rows(); ++i)
            for (int j = 0; j + 1 < g.cols(); ++j) p.drawLine(pt(g[i][j].Y, g[i][j].Z), pt(g[i][j + 1].Y, g[i][j + 1].Z));
    }
    p.setPen(Qt::blue);
    p.drawLine(pt(-200, 0), pt(200, 0));
    p.setPen(Qt::red);
    for (double y : {PPAv, PPAr, PosMaitreCouple}) p.drawLine(pt(y, 200), pt(y, -200));
    return true;
}
