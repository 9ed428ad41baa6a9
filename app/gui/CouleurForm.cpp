#include "app/gui/CouleurForm.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSlider>

#include <cmath>
#include <memory>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Settings.h"
#include "base/Debug.h"

namespace Couleur {

QColor VersQColor(std::uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

std::uint32_t DeQColor(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
           (static_cast<std::uint32_t>(c.blue()) << 16);
}

std::array<std::uint32_t, 16> LirePalette(QSettings& s) {
    std::array<std::uint32_t, 16> p{};
    for (int i = 0; i < 16; ++i) {
        bool ok = false;
        const long long v = s.value(QStringLiteral("Palette/%1").arg(i + 1)).toString().trimmed().toLongLong(&ok);
        p[i] = ok && v >= 0 && v <= 0xFFFFFF ? static_cast<std::uint32_t>(v) : 0xFFFFFFu;
    }
    return p;
}

void EcrirePalette(QSettings& s, const std::array<std::uint32_t, 16>& couleurs) {
    for (int i = 0; i < 16; ++i) s.setValue(QStringLiteral("Palette/%1").arg(i + 1), static_cast<int>(couleurs[i]));
}

bool Choisir(QWidget* parent, std::uint32_t& couleur) {
    DBG_SCOPE("Couleur.Choisir");
    TCouleurForm* f = CouleurForm();
    std::unique_ptr<TCouleurForm> local;
    if (!f) {
        local = std::make_unique<TCouleurForm>(parent);
        f = local.get();
    }
    if (!f->Execute(couleur)) return false;
    couleur = f->Resultat();
    return true;
}

}  // namespace Couleur

namespace {

QPointer<TCouleurForm> g_couleur;

// A sunken frame one pixel outside the area: grey left and top, white
// bottom and right.
void CadreCreux(QPainter& p, const QRect& r) {
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(r.left() - 1, r.top() - 1, r.right() + 1, r.top() - 1);
    p.drawLine(r.left() - 1, r.top() - 1, r.left() - 1, r.bottom() + 1);
    p.setPen(Qt::white);
    p.drawLine(r.left() - 1, r.bottom() + 1, r.right() + 1, r.bottom() + 1);
    p.drawLine(r.right() + 1, r.top() - 1, r.right() + 1, r.bottom() + 1);
}

// The colour picture: the hues across, from full colour at the top to
// white in the middle and black at the bottom.
QImage ImageArcCiel() {
    QImage im(171, 171, QImage::Format_RGB32);
    for (int x = 0; x < im.width(); ++x) {
        const double h = 359.0 * x / (im.width() - 1);
        for (int y = 0; y < im.height(); ++y) {
            const double t = static_cast<double>(y) / (im.height() - 1);
            QColor c;
            if (t < 0.5)
                c = QColor::fromHslF(h / 360.0, 1.0, 0.5 + 0.5 * (t / 0.5));  // towards white
            else
                c = QColor::fromHslF(h / 360.0, 1.0, 0.5 * (1.0 - (t - 0.5) / 0.5));  // towards black
            im.setPixel(x, y, c.rgb());
        }
    }
    return im;
}

constexpr int kXBarres = 20;
constexpr int kYBarres[3] = {5, 50, 95};
constexpr int kHauteurBarre = 16;

}  // namespace

const std::array<std::uint32_t, 16> TCouleurForm::kCouleursBase = {
    0x000000,  // black
    0x00FFFF,  // yellow
    0x00FF00,  // lime
    0xFF0000,  // blue
    0x800000,  // navy
    0x808000,  // teal
    0x800080,  // purple
    0x808080,  // gray
    0xC0C0C0,  // silver
    0x000080,  // maroon
    0x008000,  // green
    0x0080FF,  // orange
    0x0000FF,  // red
    0xFF00FF,  // fuchsia
    0xFFFF00,  // aqua
    0xFFFFFF,  // white
};

TCouleurForm* CouleurForm() { return g_couleur; }

TCouleurForm* CreeCouleurForm(QWidget* principale) {
    if (!g_couleur) g_couleur = new TCouleurForm(principale);
    return g_couleur;
}

// ---- Panels ----------------------------------------------------------------------

TPanneauCouleur::TPanneauCouleur(QWidget* parent, bool accepteDepot) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(24, 20);
    setAcceptDrops(accepteDepot);
}

void TPanneauCouleur::FixeValeur(std::uint32_t c) {
    couleur_ = c & 0xFFFFFF;
    update();
}

void TPanneauCouleur::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    p.fillRect(contentsRect(), Couleur::VersQColor(couleur_));
}

void TPanneauCouleur::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clique(couleur_);
}

void TPanneauCouleur::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasFormat(QLatin1String(Couleur::kMimeCouleur))) e->acceptProposedAction();
}

void TPanneauCouleur::dragMoveEvent(QDragMoveEvent* e) {
    if (e->mimeData()->hasFormat(QLatin1String(Couleur::kMimeCouleur))) e->acceptProposedAction();
}

void TPanneauCouleur::dropEvent(QDropEvent* e) {
    DBG_SCOPE("TCouleurForm.Panel17DragDrop");
    bool ok = false;
    const uint v = QString::fromLatin1(e->mimeData()->data(QLatin1String(Couleur::kMimeCouleur))).toUInt(&ok);
    if (!ok) return;
    FixeValeur(v);
    e->acceptProposedAction();
}

// ---- The window ------------------------------------------------------------------

TCouleurForm::TCouleurForm(QWidget* parent) : QDialog(parent) {
    DBG_SCOPE("TCouleurForm.FormCreate");
    setObjectName(QStringLiteral("CouleurForm"));
    setWindowTitle(Langue::QTxt("rsCouleurFormCaption"));
    setFixedSize(496, 360);
    arcCiel_ = ::ImageArcCiel();

    static const char* const nomsBarres[3] = {"TrackBarR", "TrackBarV", "TrackBarB"};
    static const char* const nomsComps[3] = {"CompR", "CompV", "CompB"};
    for (int k = 0; k < 3; ++k) {
        auto* t = new QSlider(Qt::Horizontal, this);
        t->setObjectName(QLatin1String(nomsBarres[k]));
        t->setRange(0, 255);
        t->setGeometry(kXBarres - 6, kYBarres[k] + kHauteurBarre + 2, 256 + 12, 22);
        TrackBars[k] = t;
        auto* l = new QLabel(QStringLiteral("0"), this);
        l->setObjectName(QLatin1String(nomsComps[k]));
        l->setGeometry(kXBarres + 262, kYBarres[k], 30, kHauteurBarre);
        Langue::DonneCle(l, "-");
        Comps[k] = l;
        connect(t, &QSlider::valueChanged, this, [this, k](int v) {
            Comps[k]->setText(QString::number(v));
            MajValeur();
        });
    }

    EditCouleur = new QLineEdit(this);
    EditCouleur->setObjectName(QStringLiteral("EditCouleur"));
    EditCouleur->setMaxLength(8);
    EditCouleur->setReadOnly(true);
    EditCouleur->setGeometry(kXBarres, 170, 90, 22);

    ShapeRef = new QWidget(this);
    ShapeRef->setObjectName(QStringLiteral("ShapeRef"));
    ShapeRef->setGeometry(kXBarres, 140, 256, 20);
    ShapeRef->setToolTip(QStringLiteral("Cliquer-déplacer pour choisir des couleurs personnalisées"));
    ShapeRef->setCursor(Qt::OpenHandCursor);
    ShapeRef->installEventFilter(this);

    ImageArcCiel = new QLabel(this);
    ImageArcCiel->setObjectName(QStringLiteral("ImageArcCiel"));
    ImageArcCiel->setPixmap(QPixmap::fromImage(arcCiel_));
    ImageArcCiel->setGeometry(318, 5, 171, 171);
    ImageArcCiel->setCursor(Qt::CrossCursor);
    ImageArcCiel->installEventFilter(this);
    Langue::DonneCle(ImageArcCiel, "-");

    auto* base = new QGroupBox(this);
    base->setObjectName(QStringLiteral("GroupBox1"));
    base->setTitle(Langue::QTxt("rsGroupBox1Caption"));
    base->setGeometry(10, 200, 230, 105);
    auto* perso = new QGroupBox(this);
    perso->setObjectName(QStringLiteral("GroupBox2"));
    perso->setTitle(Langue::QTxt("rsGroupBox2Caption"));
    perso->setGeometry(256, 200, 230, 105);
    for (int i = 0; i < 32; ++i) {
        const bool custom = i >= 16;
        auto* p = new TPanneauCouleur(custom ? perso : base, custom);
        p->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        const int k = i % 16;
        p->move(10 + (k % 8) * 27, 30 + (k / 8) * 30);
        if (!custom) p->FixeValeur(kCouleursBase[k]);
        connect(p, &TPanneauCouleur::clique, this, [this](std::uint32_t c) { FixeCouleur(c); });
        Panels[i] = p;
    }

    auto* ok = new QPushButton(Langue::QTxt("rsBtnOK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setGeometry(310, 320, 80, 28);
    ok->setDefault(true);
    auto* ann = new QPushButton(Langue::QTxt("rsBtnAnnuler"), this);
    ann->setObjectName(QStringLiteral("BtnAnnuler"));
    ann->setGeometry(400, 320, 80, 28);
    connect(ok, &QPushButton::clicked, this, &TCouleurForm::BtnOKClick);
    connect(ann, &QPushButton::clicked, this, &QDialog::reject);
    FixeCouleur(0);
}

std::uint32_t TCouleurForm::Courante() const {
    return static_cast<std::uint32_t>(TrackBars[0]->value()) | (static_cast<std::uint32_t>(TrackBars[1]->value()) << 8) |
           (static_cast<std::uint32_t>(TrackBars[2]->value()) << 16);
}

void TCouleurForm::FixeCouleur(std::uint32_t c) {
    DBG_SCOPE("TCouleurForm.FixeCouleur");
    for (int k = 0; k < 3; ++k) {
        const QSignalBlocker b(TrackBars[k]);
        const int v = static_cast<int>((c >> (8 * k)) & 0xFF);
        TrackBars[k]->setValue(v);
        Comps[k]->setText(QString::number(v));
    }
    MajValeur();
}

void TCouleurForm::MajValeur() {
    EditCouleur->setText(QString::number(Courante()));
    update();
}

void TCouleurForm::Prepare(std::uint32_t couleur) {
    DBG_SCOPE("TCouleurForm.FormShow");
    auto s = Settings::Ouvrir();
    const auto palette = Couleur::LirePalette(*s);
    for (int i = 0; i < 16; ++i) Panels[16 + i]->FixeValeur(palette[i]);
    FixeCouleur(couleur);
}

bool TCouleurForm::Execute(std::uint32_t couleur) {
    DBG_SCOPE("TCouleurForm.Execute");
    Prepare(couleur);
    return exec() == QDialog::Accepted;
}

void TCouleurForm::BtnOKClick() {
    DBG_SCOPE("TCouleurForm.BtnOKClick");
    std::array<std::uint32_t, 16> palette{};
    for (int i = 0; i < 16; ++i) palette[i] = Panels[16 + i]->Valeur();
    auto s = Settings::Ouvrir();
    Couleur::EcrirePalette(*s, palette);
    resultat_ = Courante();
    accept();
}

QMimeData* TCouleurForm::DonneesGlisser() const {
    auto* m = new QMimeData;
    m->setData(QLatin1String(Couleur::kMimeCouleur), QByteArray::number(Courante()));
    m->setColorData(Couleur::VersQColor(Courante()));
    return m;
}

void TCouleurForm::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    QPainter p(this);
    const std::uint32_t c = Courante();
    const int comp[3] = {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                         static_cast<int>((c >> 16) & 0xFF)};
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 256; ++i) {
            int rgb[3] = {comp[0], comp[1], comp[2]};
            rgb[k] = i;
            p.setPen(QColor(rgb[0], rgb[1], rgb[2]));
            p.drawLine(kXBarres + i, kYBarres[k], kXBarres + i, kYBarres[k] + kHauteurBarre - 1);
        }
        CadreCreux(p, QRect(kXBarres, kYBarres[k], 256, kHauteurBarre));
    }
    const QRect apercu = ShapeRef->geometry();
    p.fillRect(apercu, Couleur::VersQColor(c));
    CadreCreux(p, apercu);
    CadreCreux(p, ImageArcCiel->geometry());
}

bool TCouleurForm::eventFilter(QObject* o, QEvent* e) {
    if (o == ImageArcCiel && e->type() == QEvent::MouseButtonPress) {
        DBG_SCOPE("TCouleurForm.ImageArcCielMouseDown");
        const QPoint pt = static_cast<QMouseEvent*>(e)->position().toPoint();
        if (arcCiel_.rect().contains(pt)) FixeCouleur(Couleur::DeQColor(QColor(arcCiel_.pixel(pt))));
        return true;
    }
    if (o == ShapeRef) {
        if (e->type() == QEvent::MouseButtonPress) {
            auto* m = static_cast<QMouseEvent*>(e);
            glisser_ = m->button() == Qt::LeftButton;
            departGlisser_ = m->position().toPoint();
            return true;
        }
        if (e->type() == QEvent::MouseMove && glisser_) {
            const QPoint pt = static_cast<QMouseEvent*>(e)->position().toPoint();
            if ((pt - departGlisser_).manhattanLength() < 4) return true;
            glisser_ = false;
            QPixmap vignette(24, 20);
            vignette.fill(Couleur::VersQColor(Courante()));
            auto* drag = new QDrag(ShapeRef);
            drag->setMimeData(DonneesGlisser());
            drag->setPixmap(vignette);
            drag->exec(Qt::CopyAction);
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) glisser_ = false;
    }
    return QDialog::eventFilter(o, e);
}
