// The colour chooser: the current colour's controls, the custom colours kept
// in the settings file, a preview dropped on a custom colour.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>

#include "app/gui/CouleurForm.h"

namespace {

class CouleurFormTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path()); }
    QByteArray Ini() const {
        QFile f(config_.filePath(QStringLiteral("Corvane Shaper/Corvane Shaper.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Drops the form's preview at a point of the form, as the end of a drag does.
    static void Depose(TCouleurForm& f, QPoint pt) {
        QWidget* cible = f.childAt(pt);
        ASSERT_NE(cible, nullptr);
        std::unique_ptr<QMimeData> m(f.DonneesGlisser());
        const QPointF local = cible->mapFrom(&f, pt);
        QDragEnterEvent entree(local.toPoint(), Qt::CopyAction, m.get(), Qt::LeftButton, {});
        QApplication::sendEvent(cible, &entree);
        ASSERT_TRUE(entree.isAccepted());
        QDropEvent depot(local, Qt::CopyAction, m.get(), Qt::LeftButton, {});
        QApplication::sendEvent(cible, &depot);
    }
    static QPoint Centre(TCouleurForm& f, int panel) {
        QWidget* p = f.Panels[panel];
        return p->mapTo(&f, p->rect().center());
    }
    QTemporaryDir config_;
};

}  // namespace

TEST_F(CouleurFormTest, CouleurCouranteEtChoix) {
    TCouleurForm f;
    f.Prepare(0x0080FF);
    EXPECT_EQ((std::array{f.TrackBars[0]->value(), f.TrackBars[1]->value(), f.TrackBars[2]->value()}),
              (std::array{255, 128, 0}));
    EXPECT_EQ(f.EditCouleur->text(), QStringLiteral("33023"));

    f.TrackBars[2]->setValue(16);
    EXPECT_EQ(f.Courante(), 0x1080FFu);
    EXPECT_EQ(f.Comps[2]->text(), QStringLiteral("16"));
    f.show();
    QTest::mouseClick(f.Panels[3], Qt::LeftButton);  // blue
    EXPECT_EQ(f.Courante(), 0xFF0000u);
    QTest::mouseClick(f.ImageArcCiel, Qt::LeftButton, {}, QPoint(0, 85));  // red, full colour
    EXPECT_EQ(f.Courante() & 0xFF, 0xFFu);
    EXPECT_LT((f.Courante() >> 16) & 0xFF, 8u);
}

TEST_F(CouleurFormTest, CouleursPersonnaliseesGardeesSurOKSeulement) {
    {
        TCouleurForm f;
        f.show();
        f.Prepare(0x123456);
        Depose(f, Centre(f, 19));  // the fourth custom colour
        EXPECT_EQ(f.Panels[19]->Valeur(), 0x123456u);
        EXPECT_EQ(f.Panels[18]->Valeur(), 0xFFFFFFu);
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("BtnAnnuler")), Qt::LeftButton);
    }
    EXPECT_TRUE(Ini().isEmpty());  // cancelled: nothing stored

    std::uint32_t c = 0x00AB00;
    QTimer::singleShot(0, [] {
        auto* f = qobject_cast<TCouleurForm*>(QApplication::activeModalWidget());
        ASSERT_NE(f, nullptr);
        Depose(*f, Centre(*f, 31));
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("BtnOK")), Qt::LeftButton);
    });
    EXPECT_TRUE(Couleur::Choisir(nullptr, c));
    EXPECT_EQ(c, 0x00AB00u);

    // A new window, as after a restart, reads them back.
    TCouleurForm g;
    g.Prepare(0);
    EXPECT_EQ(g.Panels[31]->Valeur(), 0x00AB00u);
    EXPECT_EQ(g.Panels[19]->Valeur(), 0xFFFFFFu);
    QSettings ini(config_.filePath(QStringLiteral("Corvane Shaper/Corvane Shaper.ini")), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Palette/16")).toInt(), 0x00AB00);
}
