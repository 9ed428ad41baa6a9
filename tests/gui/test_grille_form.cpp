// The grid dialog as the user drives it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>

#include "tests/support/RecordingUi.h"
#include "views/DrawAffiche.h"
#include "views/gui/GrilleForm.h"

TEST(GrilleForm, CountsClampAndOkChecksEveryCellFirst) {
    RecordingScope ui;
    Document doc = Document::Defaut();
    Grille::GrilleParDefaut(doc);
    const TDefGrille avant = doc.DefGrille;
    TGrilleForm f(doc);
    int appliques = 0;
    f.Applique = [&] { ++appliques; };
    EXPECT_EQ(f.Table(GrilleSaisie::pgCouples)->rowCount(), 11);

    // A count beyond the limits is brought back; new rows show their number and 0.
    QLineEdit* n = f.EditNombre(GrilleSaisie::pgLongitudinales);
    n->setText(QStringLiteral("80"));
    emit n->editingFinished();
    EXPECT_EQ(n->text(), QStringLiteral("50"));
    QTableWidget* t = f.Table(GrilleSaisie::pgLongitudinales);
    ASSERT_EQ(t->rowCount(), 50);
    EXPECT_EQ(t->item(49, 0)->text(), QStringLiteral("49"));
    EXPECT_EQ(t->item(49, 1)->text(), QStringLiteral("0"));
    // Fewer stations than the split: the split follows.
    f.EditNombre(0)->setText(QStringLiteral("3"));
    emit f.EditNombre(0)->editingFinished();
    EXPECT_EQ(f.EditScinder()->text(), QStringLiteral("3"));

    f.Table(GrilleSaisie::pgLignesEau)->item(4, 1)->setText(QStringLiteral("1..2"));
    f.BtnOKClick();
    EXPECT_EQ(ui.rec.messages.size(), 1u);
    EXPECT_EQ(f.Pages()->currentIndex(), GrilleSaisie::pgLignesEau);
    EXPECT_EQ(f.Table(GrilleSaisie::pgLignesEau)->currentRow(), 4);
    EXPECT_EQ(doc.DefGrille, avant);
    EXPECT_TRUE(doc.Enregistre());
    EXPECT_EQ(appliques, 0);

    // The generator fills the visible page and its spacing label.
    f.Table(GrilleSaisie::pgLignesEau)->item(4, 1)->setText(QStringLiteral("1.2"));
    f.Pages()->setCurrentIndex(GrilleSaisie::pgDiagonales);
    f.BtnCalculClick();
    EXPECT_EQ(f.Table(GrilleSaisie::pgDiagonales)->item(4, 2)->text(), QStringLiteral("80.0"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Espacement : : -?\\d+\\.\\d{6}$"))
                    .match(f.LabelEsp(GrilleSaisie::pgDiagonales)->text())
                    .hasMatch());

    f.BtnOKClick();
    EXPECT_EQ(appliques, 1);
    EXPECT_EQ(doc.DefGrille.NbLongit, 50);
    EXPECT_EQ(doc.DefGrille.LE.Val[5], 1.2);
    EXPECT_FALSE(doc.Enregistre());
}
