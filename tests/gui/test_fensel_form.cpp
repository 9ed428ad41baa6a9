// The net selection window in the running program.
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/FenSelForm.h"

namespace {
class FenSelForm : public ProgrammeTest {
protected:
    TFenSelForm* W() { return F().findChild<TFenSelForm*>(QStringLiteral("FenSelForm")); }
    int Etat(int k, int i, int j) { return Vue(k)->TabCoor().At(0, i, j).Etat; }
    // The states of the first surface's points in a view, row by row.
    std::vector<int> Actifs(int k) {
        std::vector<int> v;
        for (int i = 0; i < Net().NbL; ++i)
            for (int j = 0; j < Net().NbC; ++j) v.push_back(Etat(k, i, j) != epInactif);
        return v;
    }
};
}  // namespace

TEST_F(FenSelForm, MarkersRestrictEditingToOneRowOrColumn) {
    A("MeFenSel")->trigger();
    ASSERT_TRUE(W() && W()->isVisible() && F().Doc().Aff.MeFenSel);
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
    EXPECT_EQ(std::tuple(Etat(vkPlan, 0, 1), Etat(vkPlan, 0, 0)), std::tuple(epNormal, epInactif));
    const TDefGrille& g = F().Doc().DefGrille;
    ASSERT_EQ(g.MiseEnValeur, 1);
    EXPECT_EQ(g.SecEnValeur - 1, FenSel::StationProche(g, Net().TabPC[0][1].Y));

    // Closed from the menu: every point active again, the item unticked.
    A("MeFenSel")->trigger();
    EXPECT_FALSE(W()->isVisible() || F().Doc().Aff.MeFenSel);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Actifs(k), std::vector<int>(static_cast<std::size_t>(nbL * nbC), 1)) << k;

    // Shown again, the views follow the net's stored choice.
    A("MeFenSel")->trigger();
    EXPECT_EQ(std::tuple(Etat(vkSection, 0, 0), Etat(vkSection, 2, 1)), std::tuple(epInactif, epNormal));
    W()->close();
    EXPECT_FALSE(A("MeFenSel")->isChecked());
}
