#include "studio/gui/GaussForm.h"

#include <QDoubleValidator>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>

#include <cmath>
#include <utility>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/FenetresFlottantes.h"
#include "base/Debug.h"

namespace {

// A number with "." whatever the locale, strictly above a bound (or at least
// it). On Enter or on leaving the field, a text that is not one gives way to
// the value in force, which its field keeps as its property "valide".
class ValideReel : public QDoubleValidator {
public:
    ValideReel(double bas, bool strict, QObject* parent) : QDoubleValidator(parent), bas_(bas), strict_(strict) {
        setLocale(QLocale::c());
        setNotation(QDoubleValidator::StandardNotation);
    }
    State validate(QString& s, int& pos) const override {
        const State st = QDoubleValidator::validate(s, pos);
        if (st != Acceptable) return st == Invalid && (s == "-" || s.isEmpty()) ? Intermediate : st;
        bool ok = false;
        const double v = QLocale::c().toDouble(s, &ok);
        if (!ok || (strict_ ? v <= bas_ : v < bas_)) return Intermediate;
        return Acceptable;
    }
    void fixup(QString& s) const override {
        if (const QObject* champ = parent()) s = champ->property("valide").toString();
    }

private:
    double bas_;
    bool strict_;
};

// The colour strip: the scale from -440 at the top to 440 at the bottom.
class Bande : public QWidget {
public:
    explicit Bande(QWidget* parent) : QWidget(parent) { setFixedSize(31, 191); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().button());
        const int H = height();
        for (int i = -GaussCtrl::kDemiEchelle; i <= GaussCtrl::kDemiEchelle; ++i) {
            const GaussCtrl::TCouleur c = GaussCtrl::CouleurEchelle(i);
            p.setPen(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
            const int y = static_cast<int>(std::nearbyint(double(i) / GaussCtrl::kDemiEchelle * (H / 2))) + H / 2;
            p.drawLine(0, y, 20, y);
        }
    }
};

}  // namespace

TGaussForm::TGaussForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
    DBG_SCOPE("TGaussForm.FormCreate");
    setObjectName(QStringLiteral("GaussForm"));
    setWindowTitle(Langue::QTxt("rsGaussFormCaption"));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(4, 4, 4, 4);
    // "> max" above the strip, "< min" under it.
    labelMax_ = new QLabel(this);
    labelMax_->setObjectName(QStringLiteral("LabelMax"));
    labelMin_ = new QLabel(this);
    labelMin_->setObjectName(QStringLiteral("LabelMin"));
    for (QLabel* l : {labelMin_, labelMax_}) Langue::DonneCle(l, "-");
    pb_ = new Bande(this);
    pb_->setObjectName(QStringLiteral("PBScale"));
    tb_ = new QSlider(Qt::Vertical, this);
    tb_->setObjectName(QStringLiteral("TBMaxGauss"));
    tb_->setRange(0, 99);
    tb_->setTickInterval(10);
    tb_->setTickPosition(QSlider::TicksRight);
    tb_->setInvertedAppearance(true);
    editMax_ = new QLineEdit(QStringLiteral("0.5"), this);
    editMax_->setObjectName(QStringLiteral("EditMaxGauss"));
    editMax_->setValidator(new ValideReel(0.0, true, editMax_));
    editMin_ = new QLineEdit(QStringLiteral("0.000"), this);
    editMin_->setObjectName(QStringLiteral("EditMinGauss"));
    editMin_->setValidator(new ValideReel(0.0, false, editMin_));
    g->addWidget(labelMax_, 0, 0, 1, 2);
    g->addWidget(pb_, 1, 0);
    g->addWidget(tb_, 1, 1);
    g->addWidget(labelMin_, 2, 0, 1, 2);
    g->addWidget(editMax_, 3, 0, 1, 2);
    g->addWidget(editMin_, 4, 0, 1, 2);

    // Applied at each change that makes a valid number (the validator puts
    // the value in force back on Enter or on leaving the field).
    for (auto [e, champ] : {std::pair{editMax_, &echelle_.MaxGauss}, std::pair{editMin_, &echelle_.MinGauss}})
        connect(e, &QLineEdit::textChanged, this, [this, e, champ] { Edite(e, *champ); });
    connect(tb_, &QSlider::valueChanged, this, [this](int pos) {
        echelle_.Gain = GaussCtrl::GainDePosition(pos, tb_->maximum());
        Applique();
    });
    for (QLineEdit* e : {editMax_, editMin_}) e->setProperty("valide", e->text());
    echelle_.MaxGauss = 0.5;
    echelle_.MinGauss = 0.0;
    echelle_.Gain = 1.0;
    DrawScale();
}

void TGaussForm::Place(const QWidget* principale) {
    // Narrow, yet wide enough for the title bar to show the title.
    resize(std::max(105, Langue::LargeurTitre(this)), height());
    if (!principale) return;
    // The frame goes there. Before its first showing the window does not
    // know its frame: it is made now and placed by its inside, the frame
    // taken as the main window's (left alone, the desktop would put the
    // inside there, the title bar over the main window's own). Made, not
    // asked for its id: that would mark it native, and with it every part
    // of the main window (menu bar, tool bar, status bar), whose own
    // windows the studio's OpenGL composition cannot draw into.
    create();
    const QRect f = principale->frameGeometry();
    FenetresFlottantes::PlaceCadre(*this, QPoint(f.left() + f.width() - width(), f.top() + 22),
                                   FenetresFlottantes::Marges(*this, principale));
}

void TGaussForm::Edite(QLineEdit* edit, double& champ) {
    bool ok = false;
    const double v = QLocale::c().toDouble(edit->text().trimmed(), &ok);
    if (!ok || !edit->hasAcceptableInput()) return;
    edit->setProperty("valide", edit->text());
    if (v == champ) return;
    champ = v;
    Applique();
}

void TGaussForm::Applique() {
    DrawScale();
    emit changee();
}

void TGaussForm::DrawScale() {
    labelMin_->setText(QString::fromStdString(echelle_.TexteMin()));
    labelMax_->setText(QString::fromStdString(echelle_.TexteMax()));
    pb_->update();
}
