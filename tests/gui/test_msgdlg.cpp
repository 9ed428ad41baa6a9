// The program's message box, the plain box and the language applied to windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MsgDlg.h"
#include "base/Langue.h"

namespace {

// Captions of the buttons shown, left to right.
QStringList BoutonsVisibles(QWidget* boite) {
    QList<QPushButton*> boutons;
    for (QPushButton* b : boite->findChildren<QPushButton*>())
        if (b->isVisibleTo(boite)) boutons.append(b);
    std::sort(boutons.begin(), boutons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList r;
    for (QPushButton* b : boutons) r << b->text();
    return r;
}

QPushButton* Bouton(QWidget* boite, const QString& texte) {
    for (QPushButton* b : boite->findChildren<QPushButton*>())
        if (b->isVisibleTo(boite) && b->text() == texte) return b;
    return nullptr;
}

// A sentence of words wider than the box's limit in the label's font.
QString PhraseLongue(const TfmMessageDlg& d) {
    QString t;
    int k = 0;
    while (d.lbMsg->fontMetrics().horizontalAdvance(t) <= 2 * TfmMessageDlg::kLargeurCoupure)
        t += QStringLiteral("mot%1 ").arg(k++ % 10);
    return t.trimmed();
}

}  // namespace

// Each button gives its answer, Escape Cancel even where no button says it;
// the core's UTF-8 text arrives whole.
TEST(MsgDlg, ChaqueBoutonOuEchapDonneSaReponse) {
    Langue::Reinitialise();
    const unsigned tous = Ui::mbYes | Ui::mbNo | Ui::mbCancel;
    // The caption clicked (none: Escape), the buttons shown, the answer.
    for (const auto& [legende, boutons, attendu] : {std::tuple{QString("&Oui"), tous, 6}, {"&Non", tous, 7},
                                                   {"&Annuler", tous, 2}, {"", Ui::mbYes | Ui::mbNo, Ui::mrCancel}}) {
        QString lu;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            ASSERT_NE(w, nullptr);
            lu = w->findChild<QLabel*>("lbMsg")->text();
            if (legende.isEmpty()) QTest::keyClick(w, Qt::Key_Escape);
            else if (QPushButton* b = Bouton(w, legende)) QTest::mouseClick(b, Qt::LeftButton);
        });
        EXPECT_EQ(csMessage::MsgDlg(std::string_view("Tolérance ¤ ?"), Ui::MsgType::Confirmation, boutons), attendu)
            << legende.toStdString();
        EXPECT_EQ(lu, QStringLiteral("Tolérance ¤ ?"));
    }
}

TEST(MsgDlg, ButtonsOfASecondCallAreThoseAskedInTheStandardOrder) {
    TfmMessageDlg d;
    d.Prepare(QStringLiteral("Court"), Ui::MsgType::Error, Ui::mbYes | Ui::mbNo | Ui::mbCancel);
    EXPECT_EQ(d.windowTitle(), "Erreur");
    EXPECT_EQ(BoutonsVisibles(&d), (QStringList{"&Oui", "&Non", "&Annuler"}));
    d.Prepare(QStringLiteral("Court"), Ui::MsgType::Information, Ui::mbOK);
    EXPECT_EQ(BoutonsVisibles(&d), QStringList{"&OK"});
    d.Prepare(QStringLiteral("Tous"), Ui::MsgType::Custom, 0x7FF);
    EXPECT_EQ(BoutonsVisibles(&d),
              (QStringList{"&Oui", "&Non", "&OK", "Retry", "Ignore", "All", "&Annuler", "Abort", "Help"}));
    EXPECT_LE(d.width(), 730);
}

TEST(MsgDlg, UnTexteLongSeCoupeUneFois) {
    TfmMessageDlg d;
    const QString phrase = PhraseLongue(d);
    // Nothing of a text is cut off: the label lies inside the box, which stops
    // at 730, and every line as the label lays it out inside the label. Without
    // a blank after the middle the text stays whole; a run without a blank (a
    // long path) breaks inside the label's edge.
    for (const QString& texte : {QStringLiteral("Fichier ") + QString(phrase.size(), QLatin1Char('x')),
                                 "Fichier /tmp/" + QString(80, 'A') + ' ' + QString(40, 'B') + " inexistant", phrase}) {
        d.Prepare(texte, Ui::MsgType::Information, Ui::mbOK);
        EXPECT_EQ(d.lbMsg->text().remove(QChar(0x200B)).remove(QLatin1Char('\n')), texte);
        EXPECT_LE(d.width(), 730);
        const QRect trace = d.lbMsg->fontMetrics().boundingRect(QRect(0, 0, d.lbMsg->width(), 100000), Qt::TextWordWrap, d.lbMsg->text());
        EXPECT_TRUE(QRect(QPoint(), d.lbMsg->size()).contains(trace)) << trace.width();
        EXPECT_LT(d.lbMsg->geometry().right(), d.width());
        EXPECT_GE(d.lbMsg->height(), d.lbMsg->heightForWidth(d.lbMsg->width()));
    }
    // The phrase breaks once. The first line keeps its blank; the break
    // follows the first blank at or after the middle character.
    const QString vu = d.lbMsg->text();
    ASSERT_EQ(vu.count('\n'), 1);
    const qsizetype coupure = vu.indexOf('\n');
    EXPECT_EQ(vu[coupure - 1], QLatin1Char(' '));
    const int milieu = static_cast<int>(std::nearbyint(phrase.size() / 2.0));
    EXPECT_GE(coupure, milieu);
    EXPECT_EQ(phrase.indexOf(' ', milieu - 1), coupure - 1);
}

// The plain box is never narrower than its title, which the desktop shows
// whole in its frame.
TEST(MsgDlg, ThePlainBoxIsAsWideAsItsTitle) {
    int largeur = 0, titre = 0;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        QFont gras = w->font();
        gras.setBold(true);
        titre = QFontMetrics(gras).horizontalAdvance(w->windowTitle());
        largeur = w->width();
        w->close();
    });
    csMessage::ShowMessage(QStringLiteral("1 surface(s) importée(s)"));
    EXPECT_TRUE(titre > 0 && largeur >= titre + 100) << largeur << " " << titre;
}

TEST(Langue, AppliqueLangueParNomsDeComposants) {
    Langue::Reinitialise();
    const auto nomme = [](auto* o, const char* nom) {
        o->setObjectName(QLatin1String(nom));
        return o;
    };
    QDialog fenetre;
    fenetre.setObjectName("OptionForm");
    auto* onglets = new QTabWidget(&fenetre);
    auto* page = nomme(new QWidget, "TS_General");
    onglets->addTab(page, "x");
    auto* coche = nomme(new QCheckBox(page), "CB_PosLight");
    auto* ok = nomme(new QPushButton(&fenetre), "BtnOK");
    auto* lancer = nomme(new QPushButton(&fenetre), "BtnOK2");
    Langue::DonneCle(lancer, "rsBtnOKCaption");
    auto* vue = nomme(new QToolButton(&fenetre), "SBSection");
    Langue::DonneCle(vue, {}, "rsVueSection");
    auto* menu = nomme(new QMenu(&fenetre), "MeFichier");
    QAction* ouvrir = nomme(menu->addAction("x"), "MeOuvrir");
    auto* date = nomme(new QLabel("Compilé le 01/02/2026", &fenetre), "LabelDate");
    Langue::DonneCle(date, "-");

    Langue::AppliqueLangue(&fenetre);
    EXPECT_EQ(fenetre.windowTitle(), "Options");
    EXPECT_EQ(onglets->tabText(0), "Général");
    EXPECT_EQ(coche->text(), "Sauver la position des lumières en quittant");
    EXPECT_EQ(ok->text(), "&OK");
    EXPECT_EQ(lancer->text(), "&Lancer >>");
    EXPECT_EQ(vue->toolTip(), "Vue transversale");
    EXPECT_EQ(menu->title(), "&Fichier");
    EXPECT_EQ(ouvrir->text(), "&Ouvrir...");
    EXPECT_EQ(date->text(), "Compilé le 01/02/2026");
}
