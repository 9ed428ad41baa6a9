// What the program exports it reads back: the IGES surfaces give back the
// same nets and the document's displacement, the DXF meshes equal halves.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "app/doc/GestFich.h"
#include "calc/Hydrostat.h"
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

// The centre of the volume under Z = 0 over the scope, then the volume.
std::array<double, 4> Carene(const Document& doc, const TListSurf& portee) {
    TVertex3f cc;
    double v = 0.0, aire = 0.0;
    Hydrostat::CalcDeplacement(doc, portee, cc, v, aire);
    return {cc.X, cc.Y, cc.Z, v};
}

// b equal to a within tol of a's largest value.
void ExpectProches(const std::array<double, 4>& a, const std::array<double, 4>& b, double tol) {
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(b[k], a[k], tol * std::max({1.0, std::fabs(a[0]), std::fabs(a[1]), std::fabs(a[2]), std::fabs(a[3])})) << k;
}

}  // namespace

// The default hull and the documents of the test data too, whose titles and
// names have accents (one byte each in the file, as every text of it). Each
// mirror comes back with its directions exchanged, so that it turns the way
// its surface does, and so does a surface of orientation 0 (whose mirror
// then keeps them): the surfaces read give the document's displacement and
// centre. (A file has no form for the strips that close a symmetric volume:
// the documents drop them first.)
TEST(ImportRetour, IgesGivesBackTheSameNetsAndDisplacement) {
    RecordingScope ui;
    std::vector<Document> docs;
    docs.push_back(Modele());
    docs.push_back(Document::Defaut());
    docs.push_back(Document::Defaut());
    docs.back().Surface(0)->Orientation = 0;  // its volume counted negatively
    for (const char* nom : {"full.cse", "old102.cse", "utf8.cse"})
        ASSERT_TRUE(GestFich::OuvrirFichier(docs.emplace_back(), std::string(CORVANE_TEST_DATA) + "/" + nom).Charge);
    // The labels: 8 characters, blanks kept, accents dropped.
    const std::vector<std::vector<std::string>> noms = {
        {"Surface1", "Pont ava", "Pont ava"}, {"Surface1", "Surface1"}, {"Surface1", "Surface1"},
        {"Coque", "Coque", "Pont e"}, {"Borde", "Borde"}, {"Safran e", "Safran e"}};
    TOptionsExport opt;
    opt.Nurbs = opt.Couleur = true;
    for (std::size_t d = 0; d < docs.size(); ++d) {
        Document& doc = docs[d];
        SCOPED_TRACE(doc.NomFichier);
        for (auto& s : doc.Surfaces) s->Jonction = 0;
        ExportCommun::PrepareModele(doc, opt);
        Import::TLecture lu;
        std::string erreur;
        ASSERT_TRUE(ImportIges::Lit(ExportIGES::TexteIGES(doc, opt), lu, erreur)) << erreur;
        EXPECT_TRUE(lu.Refus.empty());
        // The surfaces written in file order, each shown net of two rows and two columns or more, then its mirror.
        std::vector<std::pair<const TSurface*, bool>> sources;
        TListSurf portee;
        for (const auto& ps : doc.Surfaces)
            if (const auto* s = dynamic_cast<const TSurface*>(ps.get()); s && s->Visible && s->Net.NbL > 1 && s->Net.NbC > 1) {
                portee.Add(s->Index);
                for (bool miroir : {false, true})
                    if (!miroir || s->Sym) sources.emplace_back(s, miroir);
            }
        ASSERT_EQ(lu.Surfaces.size(), sources.size());
        for (std::size_t k = 0; k < sources.size(); ++k) {
            const auto [source, miroir] = sources[k];
            const TNet& a = source->Net;
            const TNet& b = dynamic_cast<const TSurface&>(*lu.Surfaces[k]).Net;
            EXPECT_EQ(lu.Surfaces[k]->Nom, noms[d][k]);
            EXPECT_EQ(lu.Surfaces[k]->Couleur, source->Couleur & 0xFFFFFF);  // the default -1 as white
            const auto taille = std::tuple(a.NbL, a.NbC, std::min(a.LFlex, a.NbL), std::min(a.CFlex, a.NbC));
            const auto [l, c, lf, cf] = taille;
            const bool echange = miroir != (source->Orientation == 0);
            ASSERT_EQ(std::tuple(b.NbL, b.NbC, b.LFlex, b.CFlex), echange ? std::tuple(c, l, cf, lf) : taille);
        }
        Document retour;
        retour.Precision = doc.Precision;
        ASSERT_EQ(Import::Ajoute(retour, std::move(lu)), static_cast<int>(sources.size()));
        ExpectProches(Carene(doc, portee), Carene(retour, Hydrostat::ListeCalcul(retour)), 1e-9);
    }
}

// The mirror side's mesh takes the rows of the mirror image as columns, so
// that the two halves of the default hull come back with the same volume and
// centre, the document's within the file's five decimals; reversed, its sign too.
TEST(ImportRetour, DxfGivesBackEqualHalves) {
    RecordingScope ui;
    TOptionsExport opt;
    opt.SurfParam = opt.SurfMaille3D = true;
    for (const int orientation : {1, 0}) {
        SCOPED_TRACE(orientation);
        Document doc = Document::Defaut();
        doc.Surface(0)->Orientation = orientation;
        ExportCommun::PrepareModele(doc, opt);
        Import::TLecture lu;
        std::string erreur;
        ASSERT_TRUE(ImportDxf::Lit(ExportDXF::TexteDXF(doc, opt, TViewRecord{.Kind = vk3D}), lu, erreur)) << erreur;
        Document retour;
        retour.Precision = doc.Precision;
        ASSERT_EQ(Import::Ajoute(retour, std::move(lu)), 2);
        TListSurf une[2];
        une[0].Add(0), une[1].Add(1);
        std::array<double, 4> moities[2] = {Carene(retour, une[0]), Carene(retour, une[1])};
        std::array<double, 4> v = Carene(doc, Hydrostat::ListeCalcul(doc));
        moities[1][0] *= -1.0;  // the mirror plane is X = 0
        ExpectProches(moities[0], moities[1], 1e-5);
        v[3] /= 2.0;
        EXPECT_EQ(v[3] < -0.05, orientation == 0);
        ExpectProches(v, {0.0, moities[0][1], moities[0][2], moities[0][3]}, 1e-5);
    }
    // A document with a surface of each orientation: each comes back with its displacement, sign included.
    Document doc = Document::Defaut();
    TSurface& autre = *doc.NouvelleSurface("Autre");
    autre.Net.Initialise(0);
    autre.Sym = doc.Surface(0)->Sym;
    autre.Orientation = 0;
    ExportCommun::PrepareModele(doc, opt);
    Import::TLecture lu;
    std::string erreur;
    ASSERT_TRUE(ImportDxf::Lit(ExportDXF::TexteDXF(doc, opt, TViewRecord{.Kind = vk3D}), lu, erreur)) << erreur;
    Document retour;
    ASSERT_EQ(Import::Ajoute(retour, std::move(lu)), 4);
    for (int s : {0, 1}) {
        TListSurf une, moities;
        une.Add(s), moities.Add(2 * s), moities.Add(2 * s + 1);
        const double v = Carene(doc, une)[3];
        EXPECT_NEAR(Carene(retour, moities)[3], v, 0.01 * std::fabs(v)) << s;
    }
}
