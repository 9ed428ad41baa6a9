#include <gtest/gtest.h>

#include "tests/support/RecordingUi.h"
#include "model/Net.h"

namespace {
TNet Plate(int rows, int cols) {
    TNet net;
    net.NbL = rows;
    net.NbC = cols;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) net.TabPC[i][j] = {double(i), double(j), double(i) * 0.5, 2.0};
    return net;
}
}  // namespace

TEST(NetEdit, RowInsertedBetweenItsNeighboursCopiedFromASingleRowRefusedInAFullNet) {
    TNet net = Plate(3, 2);
    ASSERT_TRUE(net.InsertRow(1, 0.5, 0.0));
    ASSERT_EQ(net.NbL, 4);
    EXPECT_EQ(net.TabPC[1][1], (TVertex4f{0.5, 1, 0.25, 1}));  // midpoint, weight 1
    EXPECT_EQ(net.TabPC[2][1], (TVertex4f{1, 1, 0.5, 2}));    // the old row 1, moved down
    EXPECT_EQ(net.TabPC[3][1], (TVertex4f{2, 1, 1, 2}));
    EXPECT_FALSE(net.InsertRow(0, 0.5, 0.0));  // no predecessor for a point on row 0

    TNet one = Plate(1, 3);
    ASSERT_TRUE(one.InsertRow(0, 1.0, 0.0));
    EXPECT_EQ(one.NbL, 2);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(one.TabPC[1][j], (TVertex4f{0, double(j), 0, 1.0}));

    TNet full = Plate(31, 2);
    const TNet before = full;
    EXPECT_FALSE(full.InsertRow(5, 0.5, 0.0));
    EXPECT_EQ(full, before);
    TNet fullCols = Plate(2, 31);
    EXPECT_FALSE(fullCols.InsertColumn(5, 0.5, 0.0, 1));
}

TEST(NetEdit, ColumnInsertedInThePlanReinterpolatesZ) {
    TNet net = Plate(2, 3);
    net.TabPC[0][2].Z = 4.0;  // the column neighbours differ in Z
    ASSERT_TRUE(net.InsertColumn(2, 0.25, 0.0, 1));
    ASSERT_EQ(net.NbC, 4);
    // Between [0][1] = (0, 1, 0) and old [0][2] = (0, 2, 4): Y = 1.25, Z on the line.
    EXPECT_DOUBLE_EQ(net.TabPC[0][2].Y, 1.25);
    EXPECT_DOUBLE_EQ(net.TabPC[0][2].Z, 1.0);
    EXPECT_EQ(net.TabPC[0][3].Z, 4.0);
}

TEST(NetEdit, RemovalKeepsTheMinimum) {
    TNet a = Plate(2, 1);
    EXPECT_FALSE(a.RemoveRow(0) || a.RemoveColumn(0));
    TNet c = Plate(2, 2);
    ASSERT_TRUE(c.RemoveRow(0));
    EXPECT_EQ(c.NbL, 1);
    EXPECT_EQ(c.TabPC[0][1], (TVertex4f{1, 1, 0.5, 2}));
    TNet d = Plate(3, 4);
    ASSERT_TRUE(d.RemoveColumn(1));
    EXPECT_EQ(d.NbC, 3);
    EXPECT_EQ(d.TabPC[2][1].Y, 2.0);
}

TEST(NetEdit, ProportionOfAClick) {
    RecordingScope ui;
    TNet net = Plate(3, 3);
    double t = -1, angle = -1;
    // Section view (X, Z): A = [0][1] = (0, 1, 0), B = [1][1] = (1, 1, 0.5).
    ASSERT_TRUE(net.CalcProp_AjoutPC({0.5, 9.0, 0.25}, 1, 1, 0, t, angle));
    EXPECT_NEAR(t, 0.5, 1e-6);
    EXPECT_NEAR(angle, 0.0, 1e-4);
    // A click off the line turns the new point.
    ASSERT_TRUE(net.CalcProp_AjoutPC({0.0, 0.0, 1.0}, 1, 1, 0, t, angle));
    EXPECT_GT(angle, 0.0);
    // A and B on the same spot of the view: no finite proportion, refused.
    net.TabPC[0][1] = {1, 7, 0.5, 1};
    EXPECT_FALSE(net.CalcProp_AjoutPC({0.5, 9.0, 0.25}, 1, 1, 0, t, angle));
    // The perspective has no such service.
    EXPECT_FALSE(net.CalcProp_AjoutPC({0, 0, 0}, 1, 1, 3, t, angle));
    EXPECT_EQ(ui.rec.messages, std::vector<std::string>{"Service non fourni pour PerspForm"});
}
