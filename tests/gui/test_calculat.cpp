// The calculator window: its keys and the keyboard drive the display.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/gui/CalculatForm.h"

TEST(CalculatForm, TouchesEtClavier) {
    TCalculatForm f;
    f.show();
    for (const char* k : {"2", "M+", "CE", ".", "5", "*", "4", "="}) {
        QPushButton* b = f.Bouton(QString::fromLatin1(k));
        ASSERT_NE(b, nullptr) << k;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    EXPECT_EQ(f.Ecran->text(), QStringLiteral("2.00000000"));
    EXPECT_TRUE(f.LabelMem->isVisible());
    QTest::keyClicks(&f, QStringLiteral("1/0"));
    QTest::keyClick(&f, Qt::Key_Return);
    EXPECT_EQ(f.Ecran->text(), QStringLiteral("E"));
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());  // Escape clears, it does not close
    EXPECT_EQ(f.Ecran->text(), QStringLiteral("0"));
    QTest::mouseClick(f.Bouton(QStringLiteral("MR")), Qt::LeftButton);
    EXPECT_EQ(f.Ecran->text(), QStringLiteral("2.00000000"));
    QTest::mouseClick(f.Bouton(QStringLiteral("MC")), Qt::LeftButton);
    EXPECT_FALSE(f.LabelMem->isVisible());
}
