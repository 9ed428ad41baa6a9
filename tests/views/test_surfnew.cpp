// New surfaces, names and the orders a net can take; the properties'
// working copies.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

#include "model/Document.h"
#include "tests/support/RecordingUi.h"
#include "views/PropSurf.h"
#include "views/SurfNew.h"

namespace {

TEST(SurfNew, NamesAreCheckedAsTheyWouldBeStored) {
    Document doc;
    doc.NouvelleSurface("Coque");
    EXPECT_EQ(SurfNew::RefusNom(doc, "Coque"), "Nom de surface déjà utilisé");
    EXPECT_EQ(SurfNew::RefusNom(doc, ""), "Donnez un nom à la surface");
    EXPECT_EQ(SurfNew::RefusNom(doc, "coque"), "");
    doc.NouvelleSurface("12345678901234567890");
    EXPECT_NE(SurfNew::RefusNom(doc, "12345678901234567890XYZ"), "");

    const std::vector<std::string> noms{"Coque", "Pont"};
    EXPECT_EQ(SurfNew::RefusRenommer(noms, 0, "Coque"), "Nom déjà utilisé");
    EXPECT_EQ(SurfNew::RefusRenommer(noms, -1, "Quille"), "Mauvaise Sélection");
    EXPECT_EQ(SurfNew::RefusRenommer(noms, 1, ""), "Le nom ne doit pas être vide");
    EXPECT_EQ(SurfNew::RefusRenommer(noms, 1, "Quille"), "");
}

TEST(SurfNew, AddsTheShapeWithItsOrdersAndRefusesAtTheLimit) {
    RecordingScope ui;
    Document doc;
    SurfNew::TNouvelle n;
    n.Nom = "Cylindre horizontal de la coque";
    n.Flotteur = false;
    // The horizontal cylinder, the default hull of 3 x 3, a plane of 2 x 2 at
    // order 6: the net keeps its orders whatever its size; only the
    // evaluation lowers them, in its own record.
    for (auto [forme, lFlex, cFlex] : {std::tuple{4, 4, 2}, {0, 4, 4}, {1, 6, 6}}) {
        const SurfNew::TOrdres o = forme == 1 ? SurfNew::TOrdres{6, 6} : SurfNew::OrdresForme(forme);
        n.Forme = forme;
        n.FlexLong = o.Long;
        n.FlexTrans = o.Trans;
        TSurface& s = *doc.SurfaceNurbs(SurfNew::AjouteSurf(doc, n));
        EXPECT_EQ(std::pair(s.Net.LFlex, s.Net.CFlex), std::pair(lFlex, cFlex)) << forme;
        s.CalcSurface();
    }
    EXPECT_TRUE(doc.Surface(0)->Nom == "Cylindre horizontal " && doc.Surface(0)->Calc == 0);  // 20 characters

    while (doc.NbSurf() < kMaxSurfaces) doc.NouvelleSurface("x");
    EXPECT_EQ(SurfNew::AjouteSurf(doc, n), -1);
    EXPECT_EQ(ui.rec.messages.back(), "Nombre maximum de Surfaces atteint");
}

TEST(PropSurf, OnlyChangedCopiesAreWrittenBackOrdersAsTheyStand) {
    Document doc;
    doc.NouvelleSurface("A")->Net.Initialise(0);
    doc.NouvelleSurface("B")->Net.Initialise(0);
    for (auto& s : doc.Surfaces) s->Calculee = 1;
    auto copies = PropSurf::Remplit(doc);
    copies[0].Couleur = 0x00FF00;  // not marked changed: ignored
    copies[1].Modifie = true;
    copies[1].Nom = "";
    copies[1].Voile = 1;
    copies[1].LFlex = 6;  // on 3 rows: kept, the evaluation lowers it
    PropSurf::Ecrit(doc, copies);
    EXPECT_TRUE(doc.Surface(0)->Couleur == -1 && doc.Surface(0)->Calculee == 1);
    EXPECT_TRUE(doc.Surface(1)->Nom == "B" && doc.Surface(1)->Voile == 1 && doc.Surface(1)->Calculee == 0);
    EXPECT_EQ(std::pair(doc.SurfaceNurbs(1)->Net.LFlex, doc.SurfaceNurbs(1)->Net.CFlex), std::pair(6, 4));
}

TEST(PropSurf, FrameResetBringsTheSurfaceBackToTheWorld) {
    Document doc;
    TSurface* s = doc.NouvelleSurface("A");
    s->Net.Initialise(0);
    const TNet avant = s->Net;
    // The surface and its frame turned 90 degrees about Z and moved.
    s->PlanSym.Origin = {1, 2, 3};
    s->PlanSym.Axis1 = {0, 1, 0};
    s->PlanSym.Axis2 = {-1, 0, 0};
    s->PlanSym.MajEquation();
    for (int i = 0; i < s->Net.NbL; ++i)
        for (int j = 0; j < s->Net.NbC; ++j) {
            TVertex4f& p = s->Net.TabPC[i][j];
            p = {-p.Y + 1, p.X + 2, p.Z + 3, p.W};
        }
    PropSurf::RAZPlanSym(doc, 0);
    EXPECT_TRUE(s->PlanSym.EstDefaut());
    for (int i = 0; i < s->Net.NbL; ++i)
        for (int j = 0; j < s->Net.NbC; ++j) {
            const TVertex4f &p = s->Net.TabPC[i][j], &q = avant.TabPC[i][j];
            EXPECT_LT(std::fabs(p.X - q.X) + std::fabs(p.Y - q.Y) + std::fabs(p.Z - q.Z), 1e-12) << i << " " << j;
        }
}

}  // namespace
