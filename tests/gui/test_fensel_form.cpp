// The net selection window in the running program.
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/FenSelForm.h"

namespace {
class FenSelForm : public ProgrammeTest {
protected:
    TFenSelForm* W() { return F().findChild<TFenSelForm*>(QStringLiteral("FenSelForm")); }
    // The states of the first surface's points in a view, row by row.
    std::vector<int> Actifs(int k) {
        std::vector<int> v;
        for (int i = 0; i < Net().NbL; ++i)
            for (int j = 0; j < Net().NbC; ++j) v.push_back(Vue(k)->TabCoor().At(0, i, j).Etat != epInactif);
        return v;
    }
};
}  // namespace

TEST_F(FenSelForm, MarkersRestrictEditingToOneRowOrColumn) {
    A("MeFenSel")->trigger();
    ASSERT_TRUE(W() && W()->isVisible());
    EXPECT_TRUE(F().Doc().Aff.MeFenSel);
    EXPECT_EQ(W()->windowTitle(), QString::fromUtf8("Surface1 Sélection"));
    const int nbL = Net().NbL, nbC = Net().NbC;
    ASSERT_GE(nbL, 2);

    // The top row marker: only the last row stays active, in every view.
    const FenSel::TGeometrie geo = W()->Geometrie();
    QTest::mouseClick(W(), Qt::LeftButton, {}, QPoint(4, geo.Lignes.back()));
    std::vector<int> attendu(static_cast<std::size_t>(nbL * nbC), 0);
    for (int j = 0; j < nbC; ++j) attendu[static_cast<std::size_t>((nbL - 1) * nbC + j)] = 1;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Actifs(k), attendu) << k;
    EXPECT_EQ(F().Doc().CurrentPC.I, nbL - 1);

    // A column marker: that column, and the station nearest to it highlighted.
    QTest::mouseClick(W(), Qt::LeftButton, {}, QPoint(geo.Colonnes[1], geo.Ys + 5));
    EXPECT_EQ(Vue(vkPlan)->TabCoor().At(0, 0, 1).Etat, epNormal);
    EXPECT_EQ(Vue(vkPlan)->TabCoor().At(0, 0, 0).Etat, epInactif);
    const TDefGrille& g = F().Doc().DefGrille;
    ASSERT_EQ(g.MiseEnValeur, 1);
    EXPECT_EQ(g.SecEnValeur - 1, FenSel::StationProche(g, Net().TabPC[0][1].Y));

    // Closed from the menu: every point active again, the item unticked.
    A("MeFenSel")->trigger();
    EXPECT_FALSE(W()->isVisible());
    EXPECT_FALSE(F().Doc().Aff.MeFenSel);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Actifs(k), std::vector<int>(static_cast<std::size_t>(nbL * nbC), 1)) << k;

    // Shown again, the views follow the net's stored choice.
    A("MeFenSel")->trigger();
    EXPECT_EQ(Vue(vkSection)->TabCoor().At(0, 0, 0).Etat, epInactif);
    EXPECT_EQ(Vue(vkSection)->TabCoor().At(0, 2, 1).Etat, epNormal);
    W()->close();
    EXPECT_FALSE(A("MeFenSel")->isChecked());
}
