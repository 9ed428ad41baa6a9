// The precision presets: NURBS grids follow the precision, meshes keep theirs.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <tuple>

#include "app/Precision.h"
#include "model/Document.h"
#include "tests/support/RecordingUi.h"

namespace {

// One NURBS hull and one 4 x 3 mesh, both evaluated, with every cut family
// done but only the waterlines shown.
Document HullAndMesh() {
    Document doc = Document::Defaut();
    doc.DefGrille.NbSec = doc.DefGrille.NbLE = doc.DefGrille.NbLongit = doc.DefGrille.NbDiag = 1;
    doc.DefGrille.Sec.Val[1] = 1.0;
    auto mesh = std::make_unique<TDXFSurface>(1, 4, 3, doc.DefGrille);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j) mesh->Points[i][j] = {0.1 * j, 0.5 * i, -0.2 * j};
    doc.AjouteSurface(std::move(mesh));
    for (auto& s : doc.Surfaces) {
        s->CalcSurface();
        s->SecFait = s->LEFait = s->LongFait = s->DiagFait = 1;
    }
    doc.Aff.MeSections = false;
    doc.Aff.MeLignesdEau = true;
    return doc;
}

}  // namespace

TEST(Precision, OnlyNurbsGridsFollowAndOnlyStationsAndShownFamiliesAreCut) {
    RecordingScope ui;
    Document doc = HullAndMesh();
    Precision::Applique(doc, 50);

    EXPECT_EQ(doc.Precision, 50);
    EXPECT_TRUE(doc.Enregistre());
    const TEntity& n = *doc.Surface(0);
    for (const TArrayVertex3f* g : {&n.Points, &n.PointsSym, &n.Normales, &n.NormalesSym})
        EXPECT_EQ(std::tuple(g->rows(), g->cols()), std::tuple(51, 51));
    EXPECT_EQ(std::tuple(n.Grille5.rows(), n.Grille5.cols(), n.DernLigne, n.Calculee), std::tuple(102, 53, 50, 1));
    // Evaluated again: the last point is the net's last corner.
    const TNet& net = doc.SurfaceNurbs(0)->Net;
    EXPECT_NEAR(n.Points[50][50].Y, net.TabPC[net.NbL - 1][net.NbC - 1].Y, 1e-4);
    // Stations recomputed though hidden, waterlines because shown, the others not.
    EXPECT_EQ(std::tuple(n.SecFait, n.LEFait, n.LongFait, n.DiagFait), std::tuple(1, 1, 0, 0));

    const TEntity& m = *doc.Surface(1);
    EXPECT_EQ(std::tuple(m.Points.rows(), m.Points.cols(), m.Calculee, m.LongFait), std::tuple(4, 3, 1, 1));  // untouched
    EXPECT_DOUBLE_EQ(m.Points[3][2].Y, 1.5);

    // Grids that do not fit in memory: the document comes back whole at the
    // precision it had, and the error passes on to the handler.
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer stops the program instead of raising
    const TVertex3f coin = n.Points[50][50];
    EXPECT_THROW(Precision::Applique(doc, 1'000'000), std::bad_alloc);
    for (const TArrayVertex3f* g : {&n.Points, &n.PointsSym, &n.Normales, &n.NormalesSym})
        EXPECT_EQ(std::tuple(g->rows(), g->cols()), std::tuple(51, 51));
    EXPECT_EQ(std::tuple(doc.Precision, n.Grille5.rows(), n.DernCol, n.Calculee), std::tuple(50, 102, 50, 1));
    const TVertex3f& apres = n.Points[50][50];
    EXPECT_EQ(std::tuple(apres.X, apres.Y, apres.Z), std::tuple(coin.X, coin.Y, coin.Z));
    EXPECT_EQ(m.Points.rows(), 4);
#endif
}
