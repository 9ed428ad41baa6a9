// The station tables are kept whenever the hull is shown, the stations drawn
// or not: the highlighted station and the net selection window read them.
#include <gtest/gtest.h>

#include "model/Coupe.h"
#include "model/Update.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/VueEditFixture.h"

using namespace testvue;

TEST(TablesCouples, FollowADraggedPointWithTheStationsHidden) {
    RecordingScope ui;
    Document doc = Document::Defaut();
    Grille::GrilleParDefaut(doc);
    ASSERT_FALSE(doc.Aff.MeSections);
    TEntity& s = *doc.Surface(0);
    const int k = 6;  // the station amidships
    ASSERT_EQ(s.SecFait, 1);
    const TCoupe avant = s.Sec[k];
    ASSERT_FALSE(avant.empty());

    Vue vue(vkSection);
    Hote hote;
    hote.doc = &doc;
    hote.vues = {&vue};
    vue.Maj(doc);
    Souris souris{doc, vue, hote};
    const TPoint p = vue.Pixel({0, 1, 1});
    souris.Drag(p, {{p.X + 20, p.Y + 10}, {p.X + 40, p.Y + 20}});
    ASSERT_NEAR(doc.SurfaceNurbs(0)->Net.TabPC[1][1].X, 1.5, 1e-12);

    // Both sides' tables are the cuts of the moved hull; the families not
    // shown stay undone.
    TCoupe attendu, attenduSym;
    ObjCom::CalcSecMesh(s.Points, s.DernLigne, s.DernCol, attendu, doc.DefGrille.Sec.Val[k]);
    ObjCom::CalcSecMesh(s.PointsSym, s.DernLigne, s.DernCol, attenduSym, doc.DefGrille.Sec.Val[k]);
    EXPECT_EQ(s.Sec[k], attendu);
    EXPECT_EQ(s.SecSym[k], attenduSym);
    EXPECT_NE(s.Sec[k], avant);
    EXPECT_EQ(s.LEFait + s.LongFait + s.DiagFait, 0);
}
