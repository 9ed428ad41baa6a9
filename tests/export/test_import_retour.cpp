// What the program exports it reads back: the IGES surfaces give back the
// same nets, the DXF meshes the evaluated grids as the file writes them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "app/doc/GestFich.h"
#include "base/Chaines.h"
#include "export/DxfFormat.h"
#include "export/ExportDXF.h"
#include "export/ExportIGES.h"
#include "export/ImportDxf.h"
#include "export/ImportIges.h"
#include "model/Document.h"
#include "tests/support/Proches.h"
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

// The documents of the test data too, whose titles and names have accents
// (one byte each in the file, as every text of it).
TEST(ImportRetour, IgesGivesBackTheSameNets) {
    RecordingScope ui;
    std::vector<Document> docs;
    docs.push_back(Modele());
    for (const char* nom : {"full.cse", "old102.cse", "utf8.cse"})
        ASSERT_TRUE(GestFich::OuvrirFichier(docs.emplace_back(), std::string(CORVANE_TEST_DATA) + "/" + nom).Charge);
    TOptionsExport opt;
    opt.Nurbs = opt.Couleur = true;
    for (Document& doc : docs) {
        SCOPED_TRACE(doc.NomFichier);
        ExportCommun::PrepareModele(doc, opt);
        Import::TLecture lu;
        std::string erreur;
        ASSERT_TRUE(ImportIges::Lit(ExportIGES::TexteIGES(doc, opt), lu, erreur)) << erreur;
        EXPECT_TRUE(lu.Refus.empty());
        // The surfaces written in file order, each shown net of two rows and two columns or more, then its mirror.
        std::vector<std::pair<const TSurface*, bool>> sources;
        for (const auto& ps : doc.Surfaces)
            if (const auto* s = dynamic_cast<const TSurface*>(ps.get()); s && s->Visible && s->Net.NbL > 1 && s->Net.NbC > 1)
                for (bool miroir : {false, true})
                    if (!miroir || s->Sym) sources.emplace_back(s, miroir);
        ASSERT_EQ(lu.Surfaces.size(), sources.size());
        for (std::size_t k = 0; k < sources.size(); ++k) {
            const auto [source, miroir] = sources[k];
            const TNet& a = source->Net;
            const TNet& b = dynamic_cast<const TSurface&>(*lu.Surfaces[k]).Net;
            EXPECT_EQ(lu.Surfaces[k]->Couleur, source->Couleur & 0xFFFFFF);  // the default -1 as white
            ASSERT_EQ(std::tuple(b.NbL, b.NbC, b.LFlex, b.CFlex),
                      std::tuple(a.NbL, a.NbC, std::min(a.LFlex, a.NbL), std::min(a.CFlex, a.NbC)));
            for (int i = 0; i < a.NbL; ++i)
                for (int j = 0; j < a.NbC; ++j) {
                    TVertex3f p = ToVertex3f(a.TabPC[i][j]);
                    if (miroir) Calcs::CalcSym(ToVertex3f(a.TabPC[i][j]), source->PlanSym.Normal, source->PlanSym.D, p);
                    ExpectNear(ToVertex3f(b.TabPC[i][j]), p, 1e-12);
                    EXPECT_NEAR(b.TabPC[i][j].W, a.TabPC[i][j].W, 1e-12);
                }
        }
        if (&doc == &docs[0]) { EXPECT_EQ(lu.Surfaces[1]->Nom, "Pont_ava"); }  // the label: 8 characters, blanks replaced
    }
}

TEST(ImportRetour, DxfGivesBackTheEvaluatedGridsAsWritten) {
    RecordingScope ui;
    Document doc = Modele();
    TOptionsExport opt;
    opt.SurfParam = opt.SurfMaille3D = true;
    ExportCommun::PrepareModele(doc, opt);
    const TViewRecord vue{.Kind = vk3D};
    Import::TLecture lu;
    std::string erreur;
    ASSERT_TRUE(ImportDxf::Lit(ExportDXF::TexteDXF(doc, opt, vue), lu, erreur)) << erreur;
    ASSERT_EQ(lu.Surfaces.size(), 3u);  // the hull, the deck and its mirror side
    for (int k = 0; k < 2; ++k) {
        const TEntity& a = *doc.Surface(k);
        const TEntity& b = *lu.Surfaces[static_cast<std::size_t>(k)];
        ASSERT_EQ(std::tuple(b.Points.rows(), b.Points.cols()), std::tuple(a.DernLigne + 1, a.DernCol + 1));
        for (int i = 0; i <= a.DernLigne; ++i)
            for (int j = 0; j <= a.DernCol; ++j)
                for (const auto c : {&TVertex3f::X, &TVertex3f::Y, &TVertex3f::Z}) {
                    const double ecrit = std::strtod(Chaines::FormatFixe(a.Points[i][j].*c, DxfFormat::kDecimales).c_str(), nullptr);
                    EXPECT_NEAR(b.Points[i][j].*c, ecrit, 1e-12);
                }
    }
}
