#include "app/gui/MsgDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "app/gui/SplashForm.h"
#include "base/Debug.h"
#include "base/Langue.h"

namespace {

// Room a desktop takes in a title bar beside the title: the icon, the
// minimise, maximise and close buttons and the margins.
constexpr int kPlaceBoutonsCadre = 160;

QString Texte(std::string_view cle) { return QString::fromUtf8(Langue::Txt(cle)); }

int LargeurTexte(const QLabel* label, const QString& texte) {
    return label->fontMetrics()
        .boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::TextExpandTabs, texte)
        .width();
}

int HauteurTexte(const QLabel* label, const QString& texte) {
    return label->fontMetrics()
        .boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::TextExpandTabs, texte)
        .height();
}

QWidget* ParentPourBoite(QWidget* parent) {
    if (parent) return parent;
    if (QWidget* m = QApplication::activeModalWidget()) return m;
    // The splash steps aside while a box is up: it is no owner for one.
    QWidget* active = QApplication::activeWindow();
    return active && active == Splash::Courant() ? nullptr : active;
}

}  // namespace

TfmMessageDlg::TfmMessageDlg(QWidget* parent) : QDialog(parent) {
    DBG_SCOPE("TfmMessageDlg.FormCreate");
    setObjectName("fmMessageDlg");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    lbMsg = new QLabel(this);
    lbMsg->setObjectName("lbMsg");
    lbMsg->setTextFormat(Qt::PlainText);
    lbMsg->setWordWrap(false);
    lbMsg->move(50, 10);
    ImageType = new QLabel(this);
    ImageType->setObjectName("ImageType");
    ImageType->setGeometry(5, 5, 37, 37);

    auto cree = [this](const char* nom) {
        auto* b = new QPushButton(this);
        b->setObjectName(nom);
        b->setAutoDefault(false);
        b->hide();
        return b;
    };
    btYes = cree("btYes");
    btNo = cree("btNo");
    btOk = cree("btOk");
    btCancel = cree("btCancel");
    btHelp = cree("btHelp");
    btAbort = cree("btAbort");
    btRetry = cree("btRetry");
    btIgnore = cree("btIgnore");
    btAll = cree("btAll");

    auto relie = [this](QPushButton* b, int resultat) {
        connect(b, &QPushButton::clicked, this, [this, resultat] { done(resultat); });
    };
    relie(btYes, Ui::mrYes);
    relie(btNo, Ui::mrNo);
    relie(btOk, Ui::mrOk);
    relie(btCancel, Ui::mrCancel);
    relie(btAbort, Ui::mrAbort);
    relie(btRetry, Ui::mrRetry);
    relie(btIgnore, Ui::mrIgnore);
    relie(btAll, Ui::mrAll);
    // Help closes nothing.
}

QString TfmMessageDlg::Titre(Ui::MsgType type) {
    switch (type) {
    case Ui::MsgType::Warning: return Texte("rsAvertissement");
    case Ui::MsgType::Error: return Texte("rsErreur");
    case Ui::MsgType::Information: return Texte("rsInformation");
    case Ui::MsgType::Confirmation: return Texte("rsConfirmation");
    default: return QString();
    }
}

void TfmMessageDlg::FixeLargeur(int largeur) {
    largeur_ = std::clamp(largeur, kLargeurMin, kLargeurMax);
}

QPushButton* TfmMessageDlg::CreeBouton(QPushButton* bouton, const QString& texte) {
    bouton->setText(texte);
    prepares_.append(bouton);
    return bouton;
}

void TfmMessageDlg::Prepare(const QString& texte, Ui::MsgType type, unsigned boutons) {
    DBG_SCOPE("TfmMessageDlg.Prepare");
    for (QPushButton* b : prepares_) b->hide();
    prepares_.clear();

    // Width and the one line break of a wide text.
    FixeLargeur(120);
    QString t = texte;
    int lw = LargeurTexte(lbMsg, t);
    if (lw > kLargeurCoupure) {
        const QString coupe = csMessage::CoupeTexte(t, lw);
        if (coupe != t) {
            t = coupe;
            lw = LargeurTexte(lbMsg, t);
            FixeLargeur(lw + 90);
        }
    }
    if (largeur_ < lw + 70) FixeLargeur(lw + 90);
    lbMsg->setText(t);

    // Icon and title of the type.
    QPixmap image(37, 37);
    image.fill(palette().color(QPalette::Button));
    QStyle::StandardPixmap sp = QStyle::SP_CustomBase;
    switch (type) {
    case Ui::MsgType::Warning: sp = QStyle::SP_MessageBoxWarning; break;
    case Ui::MsgType::Error: sp = QStyle::SP_MessageBoxCritical; break;
    case Ui::MsgType::Information: sp = QStyle::SP_MessageBoxInformation; break;
    case Ui::MsgType::Confirmation: sp = QStyle::SP_MessageBoxQuestion; break;
    default: break;
    }
    // Any other type shows the program's own icon, when it has one.
    const QIcon icone = sp != QStyle::SP_CustomBase ? style()->standardIcon(sp, nullptr, this)
                                                    : QApplication::windowIcon();
    if (!icone.isNull()) {
        QPainter p(&image);
        p.drawPixmap(0, 0, icone.pixmap(32, 32));
    }
    ImageType->setPixmap(image);
    setWindowTitle(Titre(type));

    // Buttons, in the standard order; captions of the four common ones follow
    // the language loaded at the moment of the call.
    if (boutons & Ui::mbYes) CreeBouton(btYes, Texte("rsBtnYes"));
    if (boutons & Ui::mbNo) CreeBouton(btNo, Texte("rsBtnNo"));
    if (boutons & Ui::mbOK) CreeBouton(btOk, Texte("rsBtnOK"));
    if (boutons & Ui::mbRetry) CreeBouton(btRetry, QStringLiteral("Retry"));
    if (boutons & Ui::mbIgnore) CreeBouton(btIgnore, QStringLiteral("Ignore"));
    if (boutons & Ui::mbAll) CreeBouton(btAll, QStringLiteral("All"));
    if (boutons & Ui::mbCancel) CreeBouton(btCancel, Texte("rsBtnAnnuler"));
    if (boutons & Ui::mbAbort) CreeBouton(btAbort, QStringLiteral("Abort"));
    if (boutons & Ui::mbHelp) CreeBouton(btHelp, QStringLiteral("Help"));

    const int n = static_cast<int>(prepares_.size());
    if (70 * n + 20 > largeur_) FixeLargeur(70 * n + 20);

    // A text still too wide for the widest box (the two halves of a very long
    // sentence, several long lines) wraps at the box's edge rather than being
    // cut off; the box grows in height to show all of it.
    const int place = largeur_ - 50 - 10;
    int lh;
    if (lw > place) {
        lbMsg->setWordWrap(true);
        lbMsg->setText(csMessage::CoupuresLibres(t, lbMsg->fontMetrics(), place));
        lh = lbMsg->heightForWidth(place);
        lbMsg->setGeometry(50, 10, place, lh);
    } else {
        lbMsg->setWordWrap(false);
        lh = HauteurTexte(lbMsg, t);
        lbMsg->setGeometry(50, 10, lw, lh);
    }
    const int hauteur = std::max(kHauteurClient, 10 + lh + 40);
    int gauche = static_cast<int>(std::nearbyint((largeur_ - 70 * n) / 2.0));
    for (QPushButton* b : prepares_) {
        b->setGeometry(gauche, hauteur - 30, 65, 25);
        b->show();
        gauche += 70;
    }
    for (QPushButton* b : {btYes, btNo, btOk, btCancel, btHelp, btAbort, btRetry, btIgnore, btAll})
        b->setDefault(false);
    if (!prepares_.isEmpty()) {
        prepares_.front()->setDefault(true);
        prepares_.front()->setFocus();
    }
    setFixedSize(largeur_, hauteur);

    // Centred on the desktop.
    QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (ecran) {
        const QRect zone = ecran->availableGeometry();
        move(zone.center() - QPoint(largeur_ / 2, hauteur / 2));
    }
}

int TfmMessageDlg::Execute(const QString& texte, Ui::MsgType type, unsigned boutons) {
    DBG_SCOPE("TfmMessageDlg.Execute");
    int resultat = Ui::mrCancel;
    try {
        Prepare(texte, type, boutons);
        const int r = exec();
        if (r != QDialog::Rejected) resultat = r;
    } catch (...) {
        // Whatever went wrong while the box was up, the caller gets an answer.
    }
    for (QPushButton* b : prepares_) b->hide();
    return resultat;
}

namespace csMessage {

QString CoupeTexte(const QString& texte, int largeurTexte, int limite) {
    if (largeurTexte <= limite) return texte;
    const int m = static_cast<int>(std::nearbyint(texte.size() / 2.0));  // 1-based middle character
    const qsizetype b = texte.indexOf(QLatin1Char(' '), std::max(0, m - 1));
    if (b < 0) return texte;
    return texte.left(b + 1) + QLatin1Char('\n') + texte.mid(b + 1);
}

QString CoupuresLibres(const QString& texte, const QFontMetrics& fm, int largeur) {
    constexpr QChar kCoupure(0x200B);  // zero width space
    QString r;
    r.reserve(texte.size());
    qsizetype debut = 0;
    while (debut < texte.size()) {
        qsizetype fin = debut;
        while (fin < texte.size() && !texte[fin].isSpace()) ++fin;
        const QString suite = texte.mid(debut, fin - debut);
        if (fm.horizontalAdvance(suite) > largeur) {
            for (qsizetype i = 0; i < suite.size(); ++i) {
                r += suite[i];
                if (i + 1 < suite.size() && !suite[i].isHighSurrogate()) r += kCoupure;
            }
        } else {
            r += suite;
        }
        if (fin < texte.size()) r += texte[fin];
        debut = fin + 1;
    }
    return r;
}

int MsgDlg(const QString& texte, Ui::MsgType type, unsigned boutons, QWidget* parent) {
    DBG_SCOPE("csMessage.MsgDlg");
    const Splash::Retrait retrait;
    TfmMessageDlg boite(ParentPourBoite(parent));
    return boite.Execute(texte, type, boutons);
}

int MsgDlg(std::string_view texteUtf8, Ui::MsgType type, unsigned boutons, QWidget* parent) {
    return MsgDlg(QString::fromUtf8(texteUtf8.data(), static_cast<qsizetype>(texteUtf8.size())), type, boutons,
                  parent);
}

void ShowMessage(const QString& texte, QWidget* parent) {
    DBG_SCOPE("csMessage.ShowMessage");
    try {
        const Splash::Retrait retrait;
        QMessageBox boite(ParentPourBoite(parent));
        boite.setObjectName("ShowMessage");
        boite.setWindowTitle(Texte("rsMainFormCaption"));
        boite.setTextFormat(Qt::PlainText);
        // A long path breaks inside the box's width.
        boite.setText(csMessage::CoupuresLibres(texte, boite.fontMetrics(), 300));
        // Never narrower than its title: the desktop draws it in the frame
        // with the frame's buttons beside it.
        if (auto* grille = qobject_cast<QGridLayout*>(boite.layout())) {
            QFont gras = boite.font();
            gras.setBold(true);
            const int titre = QFontMetrics(gras).horizontalAdvance(boite.windowTitle()) + kPlaceBoutonsCadre;
            grille->addItem(new QSpacerItem(titre, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grille->rowCount(), 0, 1,
                            grille->columnCount());
        }
        boite.setStandardButtons(QMessageBox::Ok);
        boite.exec();
    } catch (...) {
    }
}

void ShowMessage(std::string_view texteUtf8, QWidget* parent) {
    ShowMessage(QString::fromUtf8(texteUtf8.data(), static_cast<qsizetype>(texteUtf8.size())), parent);
}

}  // namespace csMessage
