#include "studio/gui/StudioForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <clocale>
#include <cmath>
#include <exception>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Icones.h"
#include "base/Debug.h"
#include "model/Update.h"
#include "studio/gui/GaussForm.h"
#include "studio/gui/scene/VisView.h"

namespace {
TStudioForm* g_studio = nullptr;
}  // namespace

TStudioForm* TStudioForm::Instance() { return g_studio; }

TStudioForm::TStudioForm(IStudioHote* hote, QWidget* parent) : QWidget(parent), hote_(hote) {
    DBG_SCOPE("TStudioForm.FormCreate");
    setObjectName(QStringLiteral("StudioForm"));
    setWindowTitle(Langue::QTxt("rsStudioFormCaption"));
    setFocusPolicy(Qt::StrongFocus);

    camera_.Position.Assign(TVisPosition(0, 0, 10));
    camera_.SetViewNear(1.0f);
    camera_.SetViewFar(400.0f);
    camera_.SetViewAngle(30.0f);
    camera_.SetViewOrtho(2.0f);

    lumieres_.DefautsStudio();
    lumieres_.OnChange = [this] { Invalidate(); };
    // A tool window of the main window: it stays above it.
    gauss_ = std::make_unique<TGaussForm>(hote_ ? hote_->Principale() : nullptr);
    connect(gauss_.get(), &TGaussForm::changee, this, [this] {
        InitCouleursCourbureAllSurf();
        Invalidate();
    });

    CreePages();
    CreeMenu();
    split_ = new QSplitter(this);
    split_->addWidget(pages_);
    split_->addWidget(new QWidget);  // the scene view's place
    split_->setStretchFactor(1, 1);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(split_);
    resize(640, 480);

    if (hote_ && hote_->Doc().StockFen.Vues[TStockFen::Studio].Echelle > 0.0f)
        AppliqueVue(hote_->Doc().StockFen.Vues[TStockFen::Studio]);
    // The scene view is made with the studio: made at its first show, it
    // would make the window holding the studio take a new native window.
    GLC();
    g_studio = this;
    if (hote_) hote_->Doc().CalculeCourbure = aff_.Courbure;
}

TStudioForm::TStudioForm(std::unique_ptr<IStudioHote> hote, QWidget* parent) : TStudioForm(hote.get(), parent) {
    hotePossede_ = std::move(hote);
}

TStudioForm::~TStudioForm() {
    // Without a studio the surfaces are evaluated with their curvature again.
    if (hote_) hote_->Doc().CalculeCourbure = true;
    if (g_studio == this) g_studio = nullptr;
    lumieres_.OnChange = nullptr;
    // The scene view goes first: it holds the camera and draws from the lights.
    delete glc_;
    glc_ = nullptr;
}

TVisView* TStudioForm::GLC() {
    if (glc_) return glc_;
    if (!TVisView::Disponible()) return nullptr;
    glc_ = new TVisView;
    glc_->setObjectName(QStringLiteral("GLC"));
    glc_->setFocusPolicy(Qt::StrongFocus);
    glc_->ColorAmbient.Assign(TVisColor(0x333333, 1.0f));
    glc_->SetLighting(true);
    glc_->SetLightTwoSide(true);
    glc_->SetPolygonMode(TVisPolygonMode::Line);
    glc_->SetTransparency(true);
    glc_->SetShadeModel(lissage_ ? TVisShadeModel::Smooth : TVisShadeModel::Flat);
    glc_->SetCamera(&camera_);
    glc_->OnRender = [this](TVisView&) { Render(); };
    glc_->installEventFilter(this);
    delete split_->replaceWidget(1, glc_);
    InitDraw();
    return glc_;
}

QToolButton* TStudioForm::Bouton(QWidget* page, const char* nom, const QString& sigle, bool cochable) {
    auto* b = new QToolButton(page);
    b->setObjectName(QLatin1String(nom));
    b->setText(sigle);
    b->setCheckable(cochable);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(32);
    b->setToolTip(Langue::QTxt(std::string("rs") + nom + "Hint"));
    return b;
}

QToolButton* TStudioForm::BoutonIcone(QWidget* page, const char* nom, const char* icone, const QString& bulle) {
    QToolButton* b = Bouton(page, nom, bulle, true);
    b->setIcon(Icones::Icone(QLatin1String(icone)));
    b->setIconSize(QSize(24, 24));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setToolTip(bulle);
    return b;
}

void TStudioForm::CreePages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl"));
    pages_->setMinimumWidth(84);
    pages_->setMaximumWidth(110);

    auto* pos = new QWidget;
    pos->setObjectName(QStringLiteral("TSPos"));
    auto* v = new QVBoxLayout(pos);
    v->setContentsMargins(2, 2, 2, 2);
    v->setSpacing(2);
    // The display buttons: the picture of their mode, its name as tool tip.
    auto bouton = [&](const char* nom, const char* icone) {
        return BoutonIcone(pos, nom, icone, Langue::QTxt(std::string("rs") + nom + "Hint"));
    };
    const char* modes[] = {"SB_Invisible", "SB_Points", "SB_Contours", "SB_Filaire", "SB_Rempli"};
    const char* icones[] = {"studio-invisible", "studio-points", "studio-contour", "studio-filaire", "studio-rempli"};
    auto* gModes = new QButtonGroup(pos);
    for (int i = 0; i < 5; ++i) {
        sbModes_[i] = bouton(modes[i], icones[i]);
        gModes->addButton(sbModes_[i], i);
        v->addWidget(sbModes_[i]);
    }
    sbModes_[4]->setChecked(true);
    connect(gModes, &QButtonGroup::idClicked, this, [this](int id) {
        aff_.Mode = static_cast<Studio::TModeSurf>(id);
        Invalidate();
    });
    v->addSpacing(6);
    auto* gPC = new QButtonGroup(pos);
    sbPCvis_ = bouton("SB_PCvis", "studio-pc-visibles");
    sbPCinvis_ = bouton("SB_PCinvis", "studio-pc-invisibles");
    gPC->addButton(sbPCvis_, 0);
    gPC->addButton(sbPCinvis_, 1);
    sbPCvis_->setChecked(true);
    v->addWidget(sbPCvis_);
    v->addWidget(sbPCinvis_);
    connect(gPC, &QButtonGroup::idClicked, this, [this](int id) {
        aff_.PCInvis = id == 1;
        Invalidate();
    });
    v->addSpacing(6);
    sbPlanEau_ = BoutonIcone(pos, "SBtn_PlanEau", "studio-plan-eau", QStringLiteral("Plan d'eau"));
    sbPlanEau_->setChecked(true);
    connect(sbPlanEau_, &QToolButton::toggled, this, [this](bool on) {
        aff_.PlanEau = on;
        Invalidate();
    });
    sbCourbure_ = BoutonIcone(pos, "SBCourbure", "studio-courbure", Langue::QTxt("rsMeCourbureGaussienneCaption"));
    Langue::DonneCle(sbCourbure_, {}, "rsMeCourbureGaussienneCaption");
    connect(sbCourbure_, &QToolButton::clicked, this, [this](bool on) { SetCourbure(on); });
    auto* lissage = bouton("BtnSmooth", "studio-lissage");
    lissage->setChecked(true);
    connect(lissage, &QToolButton::clicked, this, [this] {
        lissage_ = !lissage_;
        if (glc_) glc_->SetShadeModel(lissage_ ? TVisShadeModel::Smooth : TVisShadeModel::Flat);
    });
    for (QToolButton* b : {sbPlanEau_, sbCourbure_, lissage}) v->addWidget(b);
    v->addStretch();
    pages_->addTab(pos, QStringLiteral("Pos"));

    auto* lum = new QWidget;
    lum->setObjectName(QStringLiteral("TSLight"));
    auto* g = new QGridLayout(lum);
    g->setContentsMargins(2, 2, 2, 2);
    numLumiere_ = new QSpinBox(lum);
    numLumiere_->setObjectName(QStringLiteral("UpDownLightNum"));
    numLumiere_->setRange(0, 7);
    numLumiere_->setWrapping(false);
    g->addWidget(numLumiere_, 0, 0, 1, 3);
    cbLumiere_ = new QCheckBox(QStringLiteral("Active"), lum);
    cbLumiere_->setObjectName(QStringLiteral("CB_Light"));
    cbLumiere_->setChecked(lumieres_[0].Enabled());
    g->addWidget(cbLumiere_, 1, 0, 1, 3);
    connect(numLumiere_, &QSpinBox::valueChanged, this,
            [this](int n) { cbLumiere_->setChecked(lumieres_[n].Enabled()); });
    connect(cbLumiere_, &QCheckBox::clicked, this, [this](bool on) { ActiveLumiere(on); });
    btnSpot_ = Bouton(lum, "BtnSpot", QStringLiteral("Spot"), true);
    btnSpot_->setChecked(true);
    connect(btnSpot_, &QToolButton::clicked, this, [this](bool on) {
        aff_.Spots = on;
        for (int i = 0; i < TglLightList::Count; ++i) lumieres_[i].SetSpotVisible(on);
        Invalidate();
    });
    g->addWidget(btnSpot_, 2, 0, 1, 3);
    const char* noms[] = {"SB_Haut", "SB_Bas", "SB_Gauche", "SB_Droit"};
    const char* fl[] = {"\u25B2", "\u25BC", "\u25C0", "\u25B6"};
    const int places[4][2] = {{3, 1}, {5, 1}, {4, 0}, {4, 2}};
    timerFl_ = new QTimer(this);
    timerFl_->setObjectName(QStringLiteral("TimerFleches"));
    timerFl_->setInterval(50);
    connect(timerFl_, &QTimer::timeout, this, &TStudioForm::TickFleches);
    for (int i = 0; i < 4; ++i) {
        QToolButton* b = Bouton(lum, noms[i], QString::fromUtf8(fl[i]), false);
        fleches_[i] = b;
        g->addWidget(b, places[i][0], places[i][1]);
        connect(b, &QToolButton::pressed, this, [this, b] {
            b->setProperty("tag", 1);
            timerFl_->start();
        });
        connect(b, &QToolButton::released, this, [this, b] {
            b->setProperty("tag", 0);
            timerFl_->stop();
        });
    }
    g->setRowStretch(6, 1);
    pages_->addTab(lum, QStringLiteral("Lum"));
}

void TStudioForm::CreeMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PM_Studio"));
    const struct {
        const char* nom;
        const char* item;
    } items[] = {{"MeSection", "MeSectionsFen"},
                 {"MePlan", "MePlanFen"},
                 {"MeProfile", "MeProfileFen"},
                 {"MePerspective", "MePerspectiveFen"},
                 {nullptr, nullptr},
                 {"MeContrledesvues", "MeControleVue"}};
    for (const auto& it : items) {
        if (!it.nom) {
            menu_->addSeparator();
            continue;
        }
        QAction* a = menu_->addAction(Langue::QTxt(std::string("rs") + it.nom + "Caption"));
        a->setObjectName(QLatin1String(it.nom));
        const char* item = it.item;
        connect(a, &QAction::triggered, this, [this, item] {
            if (hote_) hote_->Commande(item);
        });
    }
}

// ---- Frame -----------------------------------------------------------------------------

void TStudioForm::Render() {
    if (!hote_) return;
    try {
        const Settings::TOptions o = hote_->OptionsStudio();
        if (aff_.Courbure) ColoreCourbures();
        // Still to be framed: the model as it stands now. A studio shown at
        // start-up is sized, and may be drawn, before the surfaces are
        // evaluated; it is framed at its first picture that has them.
        if (aCadrer_ && CadreVue()) {
            aCadrer_ = false;
            emit vueModifiee();
        }
        TStudioScene s;
        s.Doc = &hote_->Doc();
        s.Couleurs = hote_->OptionsDessin().Couleurs;
        s.NetVxStudio = o.OptNetVxStudio;
        s.TailleReperes = o.OptTailleReperesStudio;
        s.PolyFactor = o.PolyFactor / 10.0 + 1.0;
        s.PolyUnits = o.PolyUnits / 10.0 + 1.0;
        s.Aff = aff_;
        s.Vue = vue_;
        s.Lumieres = &lumieres_;
        s.Axes = &axes_;
        rendu_.Frame(s);
    } catch (const std::exception& e) {
        Debug::DbgMsgStr(Debug::erDivers, "TStudioForm.GLCRender", 0, {e.what()});
    }
}

void TStudioForm::Invalidate() {
    if (glc_) glc_->Invalidate();
}

void TStudioForm::InitDraw() {
    DBG_SCOPE("TStudioForm.InitDraw");
    if (hote_ && glc_) glc_->SetBackgroundColor(hote_->OptionsDessin().Couleurs.ArpStudio);
    Invalidate();
}

QImage TStudioForm::Image() { return glc_ ? glc_->RenderToBitmap(glc_->width(), glc_->height()) : QImage(); }

// ---- View fields -------------------------------------------------------------------------

// A view set by hand is kept: the studio is no longer to be framed.
void TStudioForm::SetZoom(float position, int maximum) {
    Studio::FixeZoom(vue_, position, maximum);
    aCadrer_ = false;
    Invalidate();
}
void TStudioForm::SetPanX(int v) {
    vue_.PanX = v;
    aCadrer_ = false;
    Invalidate();
}
void TStudioForm::SetPanY(int v) {
    vue_.PanY = v;
    aCadrer_ = false;
    Invalidate();
}
void TStudioForm::SetAngleZ(float d) {
    vue_.AngleZ = d;
    aCadrer_ = false;
    Invalidate();
}
void TStudioForm::SetAngleX(float d) {
    vue_.AngleX = d;
    aCadrer_ = false;
    Invalidate();
}

void TStudioForm::ZoomPas(bool in, Qt::KeyboardModifiers m, int maximum) {
    const float pas = m.testFlag(Qt::AltModifier) ? 5.0f : (m.testFlag(Qt::ControlModifier) ? 0.2f : 1.0f);
    Studio::ZoomPas(vue_, in, pas, maximum);
    aCadrer_ = false;
    Invalidate();
    emit vueModifiee();
}

void TStudioForm::StockeVue(TStockValues& s) const {
    s.OrigX = vue_.PanX;
    s.OrigY = vue_.PanY;
    s.Echelle = vue_.Distance;
    s.Angle1 = vue_.AngleZ;
    s.Angle2 = vue_.AngleX;
}

void TStudioForm::AppliqueVue(const TStockValues& s) {
    // A distance that is not a positive number would put the camera nowhere.
    if (!(s.Echelle > 0.0f) || !std::isfinite(s.Echelle) || !std::isfinite(s.Angle1) || !std::isfinite(s.Angle2))
        return;
    vue_.PanX = s.OrigX;
    vue_.PanY = s.OrigY;
    Studio::FixeDistance(vue_, s.Echelle, kZoomMax);
    vue_.AngleZ = s.Angle1;
    vue_.AngleX = s.Angle2;
    aCadrer_ = false;
    Invalidate();
    emit vueModifiee();
}

void TStudioForm::Cadrer() {
    aCadrer_ = true;
    if (CadreVue()) {
        Invalidate();
        emit vueModifiee();
    }
}

bool TStudioForm::CadreVue() {
    if (!hote_ || !glc_ || glc_->width() < 1 || glc_->height() < 1) return false;
    return Studio::Cadre(hote_->Doc(), static_cast<double>(glc_->width()) / glc_->height(), vue_, kZoomMax);
}

// ---- Display ---------------------------------------------------------------------------

void TStudioForm::SetMode(Studio::TModeSurf m) {
    sbModes_[static_cast<int>(m)]->setChecked(true);
    aff_.Mode = m;
    Invalidate();
}

void TStudioForm::SetPartiesCachees(bool invisibles) {
    (invisibles ? sbPCinvis_ : sbPCvis_)->setChecked(true);
    aff_.PCInvis = invisibles;
    Invalidate();
}

bool TStudioForm::PlanEau() const { return aff_.PlanEau; }
void TStudioForm::SetPlanEau(bool on) { sbPlanEau_->setChecked(on); }

void TStudioForm::SetCourbure(bool on) {
    DBG_SCOPE("TStudioForm.SBCourbureClick");
    sbCourbure_->setChecked(on);
    aff_.Courbure = on;
    if (hote_) hote_->Doc().CalculeCourbure = on;
    if (on && hote_) {
        Document& doc = hote_->Doc();
        for (int i = 0; i < doc.NbSurf(); ++i)
            if (TEntity* e = doc.Surface(i); e && e->Visible) {
                e->Calculee = 0;
                ObjCom::MajSurface(doc, false, i);
            }
        ObjCom::MajCoupesSurface(doc);
    }
    InitDraw();
    if (!on) {
        gauss_->hide();
        return;
    }
    SetPartiesCachees(true);
    gauss_->Place(hote_ ? hote_->Principale() : nullptr);
    gauss_->show();
}

void TStudioForm::InitCouleursCourbureSurf(TSurface& surf) { GaussCtrl::CouleursSurface(surf, gauss_->Echelle()); }

// The surfaces evaluated since the last frame get their colours.
void TStudioForm::ColoreCourbures() {
    Document& doc = hote_->Doc();
    for (int i = 0; i < doc.NbSurf(); ++i)
        if (TSurface* s = doc.SurfaceNurbs(i); s && s->Visible && !s->CouleursAJour) InitCouleursCourbureSurf(*s);
}

void TStudioForm::InitCouleursCourbureAllSurf() {
    if (!hote_) return;
    Document& doc = hote_->Doc();
    for (int i = 0; i < doc.NbSurf(); ++i)
        if (TSurface* s = doc.SurfaceNurbs(i); s && s->Visible) InitCouleursCourbureSurf(*s);
}

// ---- Lights ----------------------------------------------------------------------------

void TStudioForm::ActiveLumiere(bool on) {
    TglLight& l = lumieres_[LumiereCourante()];
    l.SetEnabled(on);
    l.SetSpotVisible(on);
    Invalidate();
}

int TStudioForm::LumiereCourante() const { return numLumiere_->value(); }
void TStudioForm::SetLumiereCourante(int n) { numLumiere_->setValue(n); }

void TStudioForm::TickFleches() {
    TglLight& l = lumieres_[LumiereCourante()];
    const float pas[4][2] = {{-10, 0}, {10, 0}, {0, -10}, {0, 10}};
    for (int i = 0; i < 4; ++i)
        if (fleches_[i]->property("tag").toInt() == 1) {
            if (pas[i][0] != 0) l.SetRotX(l.RotX() + pas[i][0]);
            if (pas[i][1] != 0) l.SetRotY(l.RotY() + pas[i][1]);
            break;
        }
    Invalidate();
}

void TStudioForm::AppliqueLumieres(const Settings::TLumieres& r) {
    const Settings::TLumieres defauts;
    for (int i = 0; i < TglLightList::Count; ++i) {
        TglLight& l = lumieres_[i];
        // A value that is not a finite number gives way to the light's default.
        auto sur = [](double v, double d) { return static_cast<float>(std::isfinite(v) ? v : d); };
        l.SetEnabled(r.Visible[i]);
        l.SetSpotVisible(r.Visible[i] && btnSpot_->isChecked());
        l.SetDistZ(sur(r.Dist[i], defauts.Dist[i]));
        l.SetRotX(sur(r.RX[i], defauts.RX[i]));
        l.SetRotY(sur(r.RY[i], defauts.RY[i]));
    }
    cbLumiere_->setChecked(lumieres_[LumiereCourante()].Enabled());
}

Settings::TLumieres TStudioForm::ReglagesLumieres() const {
    Settings::TLumieres r;
    for (int i = 0; i < TglLightList::Count; ++i) {
        const TglLight& l = lumieres_[i];
        r.Visible[i] = l.Enabled();
        r.Dist[i] = l.DistZ();
        r.RX[i] = l.RotX();
        r.RY[i] = l.RotY();
    }
    return r;
}

// ---- Mouse and keys --------------------------------------------------------------------

bool TStudioForm::eventFilter(QObject* o, QEvent* e) {
    if (!glc_ || o != glc_) return QWidget::eventFilter(o, e);
    switch (e->type()) {
        // Until its first picture the studio takes the model whole, at whatever size it opens.
        case QEvent::Resize:
            if (aCadrer_) Cadrer();
            return false;
        case QEvent::MouseButtonPress: {
            // A click (its pop-up's too) activates the studio even when it is already the active window.
            Activee();
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() == Qt::RightButton)
                menu_->popup(m->globalPosition().toPoint() + QPoint(10, 0));
            else
                dernier_ = m->position().toPoint();
            return false;
        }
        case QEvent::MouseMove: {
            auto* m = static_cast<QMouseEvent*>(e);
            const QPoint p = m->position().toPoint();
            if (m->buttons() & Qt::LeftButton) {
                dx2_ = static_cast<float>(p.x() - dernier_.x()) / 2.0f;
                dy2_ = static_cast<float>(p.y() - dernier_.y()) / 2.0f;
                dernier_ = p;
                vue_.AngleZ += dx2_;
                vue_.AngleX -= dy2_;
                aCadrer_ = false;
                Invalidate();
                emit vueModifiee();
            } else if (m->buttons() & Qt::RightButton) {
                dyDroit2_ = static_cast<float>(p.y() - dernier_.y()) / 2.0f;
                dernier_.setY(p.y());
            }
            return false;
        }
        case QEvent::MouseButtonRelease: dx2_ = dy2_ = dyDroit2_ = 0; return false;
        case QEvent::Wheel: {
            auto* w = static_cast<QWheelEvent*>(e);
            const int d = w->angleDelta().y();
            if (d != 0) ZoomPas(d > 0, w->modifiers());
            return true;
        }
        default: break;
    }
    return QWidget::eventFilter(o, e);
}

void TStudioForm::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers();
    const int pas = m.testFlag(Qt::ControlModifier) ? 1 : (m.testFlag(Qt::AltModifier) ? 50 : 10);
    int dx = 0, dy = 0;
    switch (e->key()) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (!m.testFlag(Qt::ShiftModifier)) ZoomPas(e->key() == Qt::Key_PageUp, m);
            emit vueModifiee();
            return;
        case Qt::Key_Left: dx = -pas; break;
        case Qt::Key_Right: dx = pas; break;
        case Qt::Key_Up: dy = -pas; break;
        case Qt::Key_Down: dy = pas; break;
        default: QWidget::keyPressEvent(e); return;
    }
    Fleche(dx, dy, m.testFlag(Qt::ShiftModifier));
}

void TStudioForm::Fleche(int dx, int dy, bool tourne) {
    if (tourne) {
        vue_.AngleZ += static_cast<float>(dx);
        vue_.AngleX += static_cast<float>(dy);
    } else {
        vue_.PanX += dx;
        vue_.PanY -= dy;
    }
    aCadrer_ = false;
    Invalidate();
    emit vueModifiee();
}

void TStudioForm::Activee() {
    if (hote_) hote_->StudioActive();
    emit activee();
}

void TStudioForm::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        std::setlocale(LC_NUMERIC, "C");
        Activee();
    }
}
