#include "views/gui/FormFille.h"

#include <QContextMenuEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <cmath>
#include <limits>
#include <numbers>

#include "base/Debug.h"
#include "base/Format.h"
#include "base/Langue.h"
#include "model/UiPort.h"
#include "platform/CanvasQt.h"
#include "views/BitMFond.h"
#include "views/DrawAffiche.h"
#include "views/gui/Affiche.h"
#include "views/gui/ImageFond.h"
#include "views/gui/MouseVue.h"

namespace {

struct TDefautVue {
    float Echelle;
    float Azimut;
    float Elevation;
};

// Scale (pixels per metre), azimuth and elevation (radians) of a new view.
TDefautVue DefautVue(int kind) {
    switch (kind) {
        case vkSection: return {100.0f, 4.712389f, 0.0f};
        case vkPlan: return {50.0f, 0.0f, 1.5707964f};
        case vkProfile: return {50.0f, 0.0f, 0.0f};
        case vkPerspective: return {50.0f, -2.3561945f, 0.5235988f};
        default: return {50.0f, 0.0f, 0.0f};
    }
}

// Nearest integer, halves to even; a value beyond an int (a stored view read
// from a damaged document, an origin pushed far away) stops at its limit,
// and a value that is not a number gives 0.
inline int Arrondi(double v) {
    const double r = std::nearbyint(v);
    if (std::isnan(r)) return 0;
    if (r <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (r >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

std::string Fixe4(double v) { return Format::Fixe(v, 4); }

}  // namespace

TFormFille::TFormFille(int kind, IVueHote* hote, QWidget* parent)
    : QWidget(parent), kind_(kind), hote_(hote), tab_(std::make_unique<TTabCoor>()) {
    DBG_SCOPE("TFormFille.Create");
    setAttribute(Qt::WA_OpaquePaintEvent);   // the picture covers the whole window
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(40, 30);
    resize(400, 300);

    const TDefautVue d = DefautVue(kind);
    vue_.Kind = static_cast<std::uint8_t>(kind);
    vue_.PenMode = kPenCopy;
    vue_.Scale = d.Echelle;
    vue_.Azimuth = d.Azimut;
    vue_.Elevation = d.Elevation;
    vue_.OriginX = Arrondi(width() / 2.0);
    vue_.OriginY = Arrondi(height() / 2.0);
    if (kind == vkPerspective) {
        Angle1 = -135;
        Angle2 = 30;
    }
    if (hote_ && kind >= 0 && kind <= vkPerspective) {
        const TStockValues& s = hote_->Doc().StockFen.Vues[static_cast<std::size_t>(kind)];
        Fond = s.Fond;
        if (hote_->VuesDepuisFichier()) {
            ChargeFond();
            vue_.OriginX = s.OrigX;
            vue_.OriginY = s.OrigY;
            if (s.Echelle > 0.0f && std::isfinite(s.Echelle)) vue_.Scale = s.Echelle;
            if (kind == vkPerspective) {
                vue_.Azimuth = s.Angle1;
                vue_.Elevation = s.Angle2;
                vue_.Further = s.Autre;
                Angle1 = Arrondi(s.Angle1 * 180.0 / std::numbers::pi);
                Angle2 = Arrondi(s.Angle2 * 180.0 / std::numbers::pi);
            }
        }
    }
    PrecOrigX = vue_.OriginX;
    PrecOrigY = vue_.OriginY;
    PrecEchelle = vue_.Scale;
    PrecLargeur = width();
    PrecHauteur = height();
    Geste.PremierMouvement = false;
    Geste.MesureAngleEnCours = false;
    if (kind == vkPerspective) Ui::ui().writeStatusBar(2, "");
}

TFormFille::~TFormFille() = default;

void TFormFille::MajTabCoor() {
    if (hote_) Affiche::MajTabCoor(hote_->Doc(), *tab_, vue_);
}

bool TFormFille::EstMinimise() const {
    for (const QWidget* w = this; w; w = w->parentWidget())
        if (w->isMinimized()) return true;
    return false;
}

void TFormFille::Rendu() {
    DBG_SCOPE("Affiche.AfficheNetOne");
    if (!hote_) return;
    const QSize taille = size().expandedTo(QSize(1, 1));
    if (image_.size() != taille) image_ = QImage(taille, QImage::Format_RGB32);
    MajTabCoor();
    TQtCanvas canvas(image_);
    canvas.SetFont(TFont{0, 8});
    TViewRecord vue = vue_;
    vue.Canvas = &canvas;
    const TOptionsDessin& o = hote_->OptionsDessin();
    Document& doc = hote_->Doc();
    TBitmapRef fond;
    const bool avecFond = doc.Aff.MeAfficheBitmapFond && !Fond.Fichier.empty() && FondCharge &&
                          isVisible() && !BitMFondEtiree.isNull() && BitMFondEtiree.format() == QImage::Format_RGB32;
    if (avecFond) {
        fond.Pixels = reinterpret_cast<const std::uint32_t*>(BitMFondEtiree.constBits());
        fond.Width = BitMFondEtiree.width();
        fond.Height = BitMFondEtiree.height();
        fond.Stride = static_cast<int>(BitMFondEtiree.bytesPerLine() / 4);
    }
    Affiche::AfficheVue(doc, *tab_, o, vue, avecFond ? &fond : nullptr);
    aJour_ = true;
}

void TFormFille::Redessine() {
    Rendu();
    update();
}

void TFormFille::Elastique(std::uint8_t penMode, const std::function<void(const TViewRecord&)>& dessin) {
    if (image_.isNull()) return;
    {
        TQtCanvas canvas(image_);
        canvas.SetFont(TFont{0, 8});
        TViewRecord vue = vue_;
        vue.Canvas = &canvas;
        vue.PenMode = penMode;
        dessin(vue);
    }
    update();
}

bool TFormFille::CalculePt3DInv(QPoint pixel, double hors, TVertex3f& p) const {
    DBG_SCOPE("TFormFille.CalculePt3DInv");
    p = {};
    if (kind_ < vkSection || kind_ > vkPerspective) {
        Ui::ui().showMessage("Fenetre fille non declaree");
        return false;
    }
    return Calcs::PixelVersPoint(vue_, {pixel.x(), pixel.y()}, hors, p);
}

std::string TFormFille::TexteCoordonnees(QPoint m) const {
    const double s = vue_.Scale;
    if (s == 0.0) return {};
    const double h = (m.x() - vue_.OriginX) / s;
    const double v = (vue_.OriginY - m.y()) / s;
    switch (kind_) {
        case vkSection: return "X = " + Fixe4(h) + "; Y = 0.0000; Z = " + Fixe4(v);
        case vkPlan: return "X = " + Fixe4((m.y() - vue_.OriginY) / s) + "; Y = " + Fixe4(h) + "; Z = 0.0000";
        case vkProfile: return "X = 0.0000; Y = " + Fixe4(h) + "; Z = " + Fixe4(v);
        default: return {};
    }
}

void TFormFille::FResize() {
    DBG_SCOPE("TFormFille.FResize");
    if (PrecLargeur == 0) PrecLargeur = 1;
    if (PrecHauteur == 0) PrecHauteur = 1;
    const int w = width(), h = height();
    vue_.OriginX = Arrondi(static_cast<double>(w) * vue_.OriginX / PrecLargeur);
    if (vue_.OriginY != 0)
        vue_.OriginY = Arrondi(static_cast<double>(h) * vue_.OriginY / PrecHauteur);
    else
        vue_.OriginY = 1;
    PrecLargeur = w;
    PrecHauteur = h;
    if (hote_) hote_->MajControleVue(this);
}

TActivationVue TActivationVue::De(int kind) {
    TActivationVue a;
    a.Kind = kind;
    switch (kind) {
        case vkSection:
            a.CaptionAjouter = Langue::Txt("rsMeAjouterLigneVx");
            a.CaptionSupprimer = Langue::Txt("rsMeSupprimerLigneVx");
            break;
        case vkPlan:
        case vkProfile:
            a.CaptionAjouter = Langue::Txt("rsMeAjouterColonneVx");
            a.CaptionSupprimer = Langue::Txt("rsMeSupprimerColonneVx");
            break;
        default: a.LignesColonnesActives = false; break;
    }
    return a;
}

void TFormFille::Activer() {
    DBG_SCOPE("TFormFille.Activer");
    const TActivationVue a = TActivationVue::De(kind_);
    static constexpr const char* kNoms[4] = {"rsVueSection", "rsVuePlan", "rsVueProfil", "rsVuePersp"};
    if (hote_) {
        hote_->VueActivee(this, a);
        hote_->MajControleVue(this);
    }
    if (kind_ >= 0 && kind_ <= vkPerspective) Ui::ui().writeStatusBar(0, Langue::Txt(kNoms[kind_]));
    Geste.PremierMouvement = true;
    Affiche::AfficheNet(this);
}

void TFormFille::DblClick() {
    if (hote_ && hote_->Doc().NbSurf() >= 1 && hote_->CommandeDisponible(TCommandeVue::EditeurPC))
        hote_->Commande(TCommandeVue::EditeurPC, this);
}

void TFormFille::paintEvent(QPaintEvent*) {
    if ((!aJour_ || image_.size() != size()) && hote_ && Affiche::DessinAutorise(hote_->Doc())) Rendu();
    QPainter p(this);
    if (image_.isNull()) {
        const TColor arp = hote_ ? hote_->OptionsDessin().Couleurs.Arp : 0;
        p.fillRect(rect(), TQtCanvas::Couleur(arp));
        return;
    }
    p.drawImage(0, 0, image_);
    if (image_.width() < width() || image_.height() < height()) {
        const TColor arp = hote_ ? hote_->OptionsDessin().Couleurs.Arp : 0;
        p.fillRect(QRect(image_.width(), 0, width() - image_.width(), height()), TQtCanvas::Couleur(arp));
        p.fillRect(QRect(0, image_.height(), width(), height() - image_.height()), TQtCanvas::Couleur(arp));
    }
}

void TFormFille::ChargeFond() {
    DBG_SCOPE("BitMFond.ChargeFond");
    FondCharge = false;
    BitMFond = QImage();
    BitMFondEtiree = QImage();
    if (Fond.Fichier.empty()) return;
    if (ImageFond::Charge(Fond.Fichier, BitMFond) == ImageFond::Resultat::TropGrand) {
        Ui::ui().writeStatusBar(3, "Image trop grande : " + Fond.Fichier);
        return;
    }
    FondCharge = !BitMFond.isNull();
    StretchFondFichier();
}

void TFormFille::StretchFondFichier() {
    DBG_SCOPE("TFormFille.StretchFondFichier");
    if (!FondCharge) return;
    const ::BitMFond::TTaille t = ::BitMFond::TailleEtiree(Fond.Ajuste, BitMFond.width(), BitMFond.height(), width(),
                                                         height(), Fond.Largeur, Fond.Hauteur);
    if (t.Vide())
        BitMFondEtiree = QImage();
    else if (t.Largeur == BitMFond.width() && t.Hauteur == BitMFond.height())
        BitMFondEtiree = BitMFond;
    else
        BitMFondEtiree = BitMFond.scaled(t.Largeur, t.Hauteur, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
}

void TFormFille::resizeEvent(QResizeEvent*) {
    FResize();
    if (Fond.Ajuste != ::BitMFond::ajAucun) StretchFondFichier();
    // Only this view's picture is out of date: it is drawn again at the next
    // paint, once, however many resizes came before (a tiling resizes every
    // view; with "MultiFen" each resize used to redraw all four).
    aJour_ = false;
    update();
}

void TFormFille::mousePressEvent(QMouseEvent* e) { MouseDown(e); }

void TFormFille::mouseReleaseEvent(QMouseEvent* e) { MouseUp(e); }

void TFormFille::mouseMoveEvent(QMouseEvent* e) {
    if (kind_ == vkPerspective) Ui::ui().writeStatusBar(2, "");
    MouseMove(e);
}

void TFormFille::mouseDoubleClickEvent(QMouseEvent*) { DblClick(); }

void TFormFille::wheelEvent(QWheelEvent* e) {
    e->accept();
    molette_ += e->angleDelta().y();
    while (molette_ >= 120 || molette_ <= -120) {
        const bool plus = molette_ > 0;
        molette_ += plus ? -120 : 120;
        const TCommandeVue c = plus ? TCommandeVue::ZoomPlus : TCommandeVue::ZoomMoins;
        if (hote_ && hote_->CommandeDisponible(c)) hote_->Commande(c, this);
    }
}

QMenu* TFormFille::ConstruitMenu() {
    delete menu_;
    menu_ = new QMenu(this);
    RemplirMenu(*menu_);
    return menu_;
}

void TFormFille::contextMenuEvent(QContextMenuEvent* e) { ConstruitMenu()->exec(e->globalPos()); }

void TFormFille::MouseDown(QMouseEvent* e) { MouseVue::Down(*this, e); }

void TFormFille::MouseUp(QMouseEvent* e) { MouseVue::Up(*this, e); }

void TFormFille::MouseMove(QMouseEvent* e) { MouseVue::Move(*this, e); }

void TFormFille::AjouteCommande(QMenu& menu, const char* nom, const char* cle, TCommandeVue c) {
    QAction* act = menu.addAction(QString::fromStdString(Langue::Txt(cle)));
    act->setObjectName(QString::fromLatin1(nom));
    act->setEnabled(hote_ && hote_->CommandeDisponible(c));
    connect(act, &QAction::triggered, this, [this, c] {
        if (hote_) hote_->Commande(c, this);
    });
}
