// The "Gaussienne" tool window: what its fields accept and when they apply.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "studio/gui/GaussForm.h"

namespace {

TEST(GaussForm, EachChangeAppliesWhenItIsAValidNumberAndTheLabelsFollowTheGain) {
    TGaussForm f;
    f.show();
    QSignalSpy changes(&f, &TGaussForm::changee);
    QLineEdit* e = f.EditMaxGauss();
    e->setFocus();
    // Typed "0.25" applies at "0.2" and at "0.25"; "0" and "0." are no limit.
    e->selectAll();
    QTest::keyClicks(e, "0.25");
    EXPECT_EQ(std::pair(changes.count(), f.Echelle().MaxGauss), std::pair(qsizetype{2}, 0.25));
    f.EditMinGauss()->selectAll();
    QTest::keyClicks(f.EditMinGauss(), "0.01");
    EXPECT_EQ(std::pair(changes.count(), f.Echelle().MinGauss), std::pair(qsizetype{3}, 0.01));
    // Nothing, zero or a negative limit never reaches the scale: on Enter or
    // on leaving the field the value in force is shown again.
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    for (const char* refuse : {"0", "-1", "", "abc"})
        for (bool entree : {true, false}) {
            e->setFocus();
            e->setText(QString::fromLatin1(refuse));
            entree ? QTest::keyClick(e, Qt::Key_Return) : f.EditMinGauss()->setFocus();
            EXPECT_EQ(std::pair(f.Echelle().MaxGauss, e->text()), std::pair(0.25, QStringLiteral("0.25")))
                << refuse << entree;
        }
    EXPECT_EQ(changes.count(), 3);

    // The strip runs from the negative end (red) at the top to the positive one (blue) at the bottom.
    const QImage bande = f.PBScale()->grab().toImage();
    const QRgb haut = bande.pixel(10, 1), bas = bande.pixel(10, bande.height() - 2);
    EXPECT_TRUE(qRed(haut) > qBlue(haut) && qBlue(bas) > qRed(bas));
    EXPECT_TRUE(f.LabelMax()->y() < f.PBScale()->y() && f.LabelMin()->y() > f.PBScale()->y());
    f.TBMaxGauss()->setValue(50);
    EXPECT_DOUBLE_EQ(f.Echelle().Gain, 0.5);
    EXPECT_EQ(f.LabelMin()->text() + f.LabelMax()->text(), QStringLiteral("< -0.1250> 0.1250"));
}

}  // namespace
