// What the program exports it reads back: the IGES surfaces give back the
// same nets, the DXF meshes the evaluated grids as the file writes them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/texts/Chaines.h"
#include "app/texts/Encodage.h"
#include "export/DxfFormat.h"
#include "export/ExportDXF.h"
#include "export/ExportIGES.h"
#include "export/ImportDxf.h"
#include "export/ImportIges.h"
#include "model/Document.h"
#include "tests/support/RecordingUi.h"

namespace {

// A hull of orders 3 x 4 with weights that are not 1, its own colour; and a
// symmetric deck of another order, written again as its mirror.
Document Modele() {
    Document doc = Document::Defaut();
    TSurface& coque = *doc.SurfaceNurbs(0);
    coque.Sym = 0;
    coque.Couleur = 0x336699;
    coque.Net.LFlex = 3;
    for (int i = 0; i < coque.Net.NbL; ++i)
        for (int j = 0; j < coque.Net.NbC; ++j) coque.Net.TabPC[i][j].W = 0.7 + 0.1 * (i + j % 3);
    TSurface& pont = *doc.NouvelleSurface("Pont avant");
    pont.Net.Initialise(1);
    pont.Net.CFlex = 2;
    pont.PlanSym.Origin = {0.1, 0, 0};
    pont.PlanSym.MajEquation();
    return doc;
}

}  // namespace

TEST(ImportRetour, IgesGivesBackTheSameNets) {
    RecordingScope ui;
    Document doc = Modele();
    TOptionsExport opt;
    opt.Nurbs = true;
    opt.Couleur = true;
    ExportCommun::PrepareModele(doc, opt);
    Import::TLecture lu;
    std::string erreur;
    ASSERT_TRUE(ImportIges::Lit(Encodage::DecoupeLignes(ExportIGES::TexteIGES(doc, opt, TCouleursDessin{})), lu, erreur))
        << erreur;
    EXPECT_TRUE(lu.Refus.empty());
    ASSERT_EQ(lu.Surfaces.size(), 3u);  // the hull, the deck and its mirror
    const TSurface* sources[3] = {doc.SurfaceNurbs(0), doc.SurfaceNurbs(1), doc.SurfaceNurbs(1)};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const TNet& a = sources[k]->Net;
        const TNet& b = dynamic_cast<const TSurface&>(*lu.Surfaces[static_cast<std::size_t>(k)]).Net;
        ASSERT_EQ(b.NbL, a.NbL);
        ASSERT_EQ(b.NbC, a.NbC);
        EXPECT_EQ(b.LFlex, std::min(a.LFlex, a.NbL));
        EXPECT_EQ(b.CFlex, std::min(a.CFlex, a.NbC));
        for (int i = 0; i < a.NbL; ++i)
            for (int j = 0; j < a.NbC; ++j) {
                TVertex3f p = ToVertex3f(a.TabPC[i][j]);
                if (k == 2) Calcs::CalcSym(ToVertex3f(a.TabPC[i][j]), sources[k]->PlanSym.Normal, sources[k]->PlanSym.D, p);
                EXPECT_NEAR(b.TabPC[i][j].X, p.X, 1e-12);
                EXPECT_NEAR(b.TabPC[i][j].Y, p.Y, 1e-12);
                EXPECT_NEAR(b.TabPC[i][j].Z, p.Z, 1e-12);
                EXPECT_NEAR(b.TabPC[i][j].W, a.TabPC[i][j].W, 1e-12);
            }
    }
    EXPECT_EQ(lu.Surfaces[0]->Couleur, 0x336699);
    EXPECT_EQ(lu.Surfaces[1]->Nom, "Pont_ava");  // the label: 8 characters, blanks replaced
}

TEST(ImportRetour, DxfGivesBackTheEvaluatedGridsAsWritten) {
    RecordingScope ui;
    Document doc = Modele();
    TOptionsExport opt;
    opt.SurfParam = true;
    opt.SurfMaille3D = true;
    ExportCommun::PrepareModele(doc, opt);
    TViewRecord vue;
    vue.Kind = vk3D;
    Import::TLecture lu;
    std::string erreur;
    ASSERT_TRUE(ImportDxf::Lit(Encodage::DecoupeLignes(ExportDXF::TexteDXF(doc, opt, vue)), lu, erreur)) << erreur;
    ASSERT_EQ(lu.Surfaces.size(), 3u);  // the hull, the deck and its mirror side
    for (int k = 0; k < 2; ++k) {
        const TEntity& a = *doc.Surface(k);
        const TEntity& b = *lu.Surfaces[static_cast<std::size_t>(k)];
        ASSERT_EQ(b.Points.rows(), a.DernLigne + 1);
        ASSERT_EQ(b.Points.cols(), a.DernCol + 1);
        for (int i = 0; i <= a.DernLigne; ++i)
            for (int j = 0; j <= a.DernCol; ++j)
                for (const auto c : {&TVertex3f::X, &TVertex3f::Y, &TVertex3f::Z}) {
                    const double ecrit = std::strtod(Chaines::FormatFixe(a.Points[i][j].*c, DxfFormat::kDecimales).c_str(), nullptr);
                    EXPECT_NEAR(b.Points[i][j].*c, ecrit, 1e-12);
                }
    }
}
