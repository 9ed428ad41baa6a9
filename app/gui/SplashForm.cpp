#include "app/gui/SplashForm.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Settings.h"
#include "base/Debug.h"

#ifndef CORVANE_VERSION
#error "the build gives the project's version as CORVANE_VERSION"
#endif

namespace {

constexpr int kLargeur = 420;

TSplashForm* g_splash = nullptr;  // the splash of the start, not an about box

// The program's picture: the lines of a hull, body plan on the left,
// profile on the right.
QPixmap Image() {
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 60, 120), 1.6));
    p.setBrush(QColor(225, 235, 250));
    p.drawRoundedRect(QRectF(2, 2, 92, 92), 10, 10);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 5; ++k) {
        QPainterPath c;
        const double w = 8 + 7 * k;
        c.moveTo(48 - w, 28);
        c.cubicTo(48 - w, 28 + 30, 48 - w * 0.3, 70, 48, 72);
        c.cubicTo(48 + w * 0.3, 70, 48 + w, 28 + 30, 48 + w, 28);
        p.drawPath(c);
    }
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(QPointF(10, 50), QPointF(86, 50));  // the waterline
    return pm;
}

QLabel* Label(QWidget* parent, const char* nom, const QString& texte) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QLatin1String(nom));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

QString TSplashForm::Version() { return QStringLiteral(CORVANE_VERSION); }

QString TSplashForm::VersionCourte(const QString& version) {
    const QStringList champs = version.split(QLatin1Char('.'));
    return champs.size() < 2 ? version : champs[0] + QLatin1Char('.') + champs[1];
}

QString TSplashForm::SousTitre(const QString& langue) {
    if (langue.contains(QLatin1String("English"))) return QStringLiteral("Naval Architecture");
    return Langue::QTxt("rsLabelCommentCaption");
}

TSplashForm::TSplashForm(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    DBG_SCOPE("TSplashForm.FormCreate");
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(kLargeur, 256);
    auto* haut = new QVBoxLayout(this);
    haut->setContentsMargins(8, 8, 8, 8);
    PanelCadre = new QFrame(this);
    PanelCadre->setObjectName(QStringLiteral("PanelCadre"));
    PanelCadre->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelCadre->setFixedHeight(238);
    haut->addWidget(PanelCadre);
    haut->addStretch();
    auto* cadre = new QVBoxLayout(PanelCadre);
    ProgramIcon = Label(PanelCadre, "ProgramIcon", QString());
    ProgramIcon->setPixmap(Image());
    ProductName = Label(PanelCadre, "ProductName", QStringLiteral("Corvane Shaper"));
    QFont f = ProductName->font();
    f.setPointSize(18);
    f.setBold(true);
    ProductName->setFont(f);
    ProductName->setStyleSheet(QStringLiteral("color: red"));
    // Version and date are written here, not taken as they stand from the table.
    LabelVersion = Label(PanelCadre, "LabelVersion",
                         Langue::QTxt("rsLabelVersionCaption").trimmed() + QLatin1Char(' ') + VersionCourte(Version()));
    Langue::DonneCle(LabelVersion, "-");
    LabelComment = Label(PanelCadre, "LabelComment", Langue::QTxt("rsLabelCommentCaption"));
    const QDateTime date = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
    LabelDate = Label(PanelCadre, "LabelDate",
                      Langue::QTxt("rsLabelDate").trimmed() + QLatin1Char(' ') +
                          QLocale(QLocale::French).toString(date.date(), QStringLiteral("d MMMM yyyy")));
    Langue::DonneCle(LabelDate, "-");
    BtnOK = new QPushButton(Langue::QTxt("rsBtnOK"), PanelCadre);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setVisible(false);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget* w : {static_cast<QWidget*>(ProgramIcon), static_cast<QWidget*>(ProductName),
                       static_cast<QWidget*>(LabelVersion), static_cast<QWidget*>(LabelComment),
                       static_cast<QWidget*>(LabelDate)})
        cadre->addWidget(w);
    cadre->addWidget(BtnOK, 0, Qt::AlignCenter);
    if (!g_splash) g_splash = this;  // an about box made meanwhile is none
}

TSplashForm::~TSplashForm() {
    if (g_splash == this) g_splash = nullptr;
}

void TSplashForm::PrepareAPropos() {
    DBG_SCOPE("TSplashForm.PrepareAPropos");
    if (g_splash == this) g_splash = nullptr;
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kLargeur, 340);
    PanelCadre->setFixedHeight(268);
    LabelVersion->setText(Langue::QTxt("rsLabelVersionCaption").trimmed() + QLatin1Char(' ') + Version());
    BtnOK->setText(Langue::QTxt("rsBtnOK"));
    setWindowTitle(Langue::QTxt("rsSplashFormCaption"));
    LabelComment->setText(Langue::QTxt("rsLabelCommentCaption"));
    BtnOK->setVisible(true);
    BtnOK->setDefault(true);
}

void TSplashForm::showEvent(QShowEvent* e) {
    DBG_SCOPE("TSplashForm.FormShow");
    auto s = Settings::Ouvrir();
    LabelComment->setText(SousTitre(Settings::LireLangue(*s)));
    QDialog::showEvent(e);
}

namespace Splash {

void APropos(QWidget* parent) {
    TSplashForm f(parent);
    f.PrepareAPropos();
    f.exec();
}

TSplashForm* Courant() { return g_splash; }

Retrait::Retrait() {
    if (g_splash && g_splash->isVisible()) {
        splash_ = g_splash;
        splash_->hide();
    }
}

Retrait::~Retrait() {
    // The splash may have gone while the box was up.
    if (splash_ && splash_ == g_splash) {
        splash_->show();
        splash_->repaint();
    }
}

}  // namespace Splash
