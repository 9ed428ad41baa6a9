// DXF meshes read into mesh surfaces: hand-written files, broken ones, and a
// mesh written by an independent writer (ezdxf).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "export/ImportDxf.h"
#include "model/Document.h"
#include "tests/support/Proches.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"

namespace {

// Groups given as "code value" pairs, one line each.
std::string Dxf(const std::vector<std::pair<int, std::string>>& groupes) {
    std::string l;
    for (const auto& [c, v] : groupes) l += std::to_string(c) + "\n" + v + "\n";
    return l;
}

using G = std::vector<std::pair<int, std::string>>;

// A POLYLINE mesh of m x n vertices on `calque`, vertex k at (k, 10 k, -k).
G Maillage(const std::string& calque, int m, int n, int flags = 16, int sommets = -1) {
    G g = {{0, "POLYLINE"}, {8, calque}, {66, "1"}, {70, std::to_string(flags)}, {71, std::to_string(m)},
           {72, std::to_string(n)}};
    for (int k = 0; k < (sommets < 0 ? m * n : sommets); ++k)
        g.insert(g.end(), {{0, "VERTEX"}, {8, calque}, {10, std::to_string(k)}, {20, std::to_string(10 * k)},
                           {30, std::to_string(-k)}, {70, "64"}});
    g.push_back({0, "SEQEND"});
    return g;
}

G Fichier(const G& entites) {
    G g = {{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1009"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}};
    g.insert(g.end(), entites.begin(), entites.end());
    g.insert(g.end(), {{0, "ENDSEC"}, {0, "EOF"}});
    return g;
}

G operator+(G a, const G& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(ImportDxf, MeshesBecomeGridsColumnByColumnAndOtherEntitiesAreCounted) {
    const G face = {{0, "3DFACE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}};
    const G ligne = {{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "1"}};
    // A smoothed mesh: the vertices added by fitting (flag 8) are not its grid.
    G lisse = Maillage("Lisse", 2, 2);
    lisse.insert(lisse.end() - 1, {{0, "VERTEX"}, {10, "9"}, {20, "9"}, {30, "9"}, {70, "8"}});
    Import::TLecture lu;
    std::string erreur;
    ASSERT_TRUE(ImportDxf::Lit(Dxf(Fichier(face + Maillage("Coque", 3, 2) + face + ligne + Maillage("P", 2, 2, 64) +
                                           Maillage("L", 3, 1, 8) + Maillage("Tube", 2, 2, 16 | 1 | 32) + lisse)),
                               lu, erreur))
        << erreur;
    ASSERT_EQ(lu.Surfaces.size(), 3u);
    EXPECT_EQ(lu.Surfaces[2]->Points[1][1].X, 3.0);
    const TEntity& s = *lu.Surfaces[0];
    EXPECT_EQ(std::tuple(s.Nom, s.Sym), std::tuple("Coque", 0));
    ASSERT_EQ(std::tuple(s.Points.rows(), s.Points.cols()), std::tuple(2, 3));  // N x M
    // Vertex k is at column k / N, row k % N.
    for (int k = 0; k < 6; ++k) EXPECT_EQ(s.Points[k % 2][k / 2].Y, 10.0 * k);
    // Closed both ways: the first column and row come again at the end.
    const TEntity& t = *lu.Surfaces[1];
    ASSERT_EQ(std::tuple(t.Points.rows(), t.Points.cols()), std::tuple(3, 3));
    EXPECT_EQ(t.Points[2][2].X, t.Points[0][0].X);
    EXPECT_EQ(t.Points[1][2].X, t.Points[1][0].X);
    const std::map<std::string, int> ignores = {
        {"3DFACE", 2}, {"LINE", 1}, {"POLYLINE", 1}, {"POLYLINE (maillage polyface)", 1}};
    EXPECT_EQ(lu.Ignores, ignores);
    EXPECT_TRUE(lu.Refus.empty());
}

// A malformed file names its line and gives nothing; a mesh beyond the
// bounds (empty, or its count as large as an integer goes and closed: one
// more) is refused by name and the other meshes come.
TEST(ImportDxf, AMalformedFileNamesItsLineAndAMeshBeyondTheBoundItsName) {
    const G court = Maillage("Court", 2, 2);
    const struct {
        std::string octets;
        const char* erreur;
        const char* refus = nullptr;
    } cas[] = {
        {Dxf(Fichier(Maillage("A", 2, 2, 16, 3))), "ligne 15 : maillage \"A\" de 2 x 2 avec 3 sommets"},
        {Dxf(Fichier({{0, "VERTEX"}, {10, "1"}})), "ligne 15 : VERTEX hors d'une POLYLINE"},
        {Dxf(Fichier({{0, "POLYLINE"}, {70, "16"}, {71, "1"}, {72, "1"}, {0, "VERTEX"}, {10, "1,5"}})),
         "ligne 26 : nombre illisible \"1,5\""},
        {Dxf({{0, "SECTION"}, {2, "ENTITIES"}, {0, "POLYLINE"}, {70, "16"}, {71, "1"}, {72, "1"}}),
         "ligne 5 : POLYLINE sans SEQEND"},
        {"0\nSECTION\nx\nENTITIES", "ligne 3 : code de groupe illisible \"x\""},
        {"0\r\nSECTION\r\n2", "ligne 3 : code de groupe sans valeur"},
        {"AutoCAD Binary DXF\r\n\x1a\x00", "ligne 1 : DXF binaire non pris en charge"},
        {Dxf(Fichier(Maillage("A", 0, 2, 16, 0) + court)), "", "Maillage \"A\" (ligne 15) : 2 x 0 points, au moins 1 x 1"},
        {Dxf(Fichier(Maillage("Long", 1001, 1) + court)), "", "Maillage \"Long\" (ligne 15) : 1 x 1001 points, au plus 1000 x 1000"},
        {Dxf(Fichier(Maillage("M", 2147483647, 1, 16 | 1, 1) + court)), "",
         "Maillage \"M\" (ligne 15) : 1 x 2147483648 points, au plus 1000 x 1000"},
        {Dxf(Fichier(Maillage("N", 1, 2147483647, 16 | 32, 1) + court)), "",
         "Maillage \"N\" (ligne 15) : 2147483648 x 1 points, au plus 1000 x 1000"},
    };
    for (const auto& c : cas) {
        Import::TLecture lu;
        lu.Ignores["avant"] = 1;
        std::string erreur;
        EXPECT_EQ(ImportDxf::Lit(c.octets, lu, erreur), c.refus != nullptr);
        EXPECT_EQ(erreur, c.erreur);
        if (!c.refus) {
            EXPECT_EQ(lu.Ignores.size(), 1u);  // untouched
            continue;
        }
        ASSERT_EQ(lu.Surfaces.size(), 1u);
        EXPECT_EQ(std::tuple(lu.Surfaces[0]->Nom, lu.Refus), std::tuple("Court", std::vector<std::string>{c.refus}));
    }
}

// Into a document: one step with its undo record, names kept apart, nothing
// when the document cannot hold them all.
TEST(ImportDxf, TheMeshesJoinTheDocumentInOneStepOrNotAtAll) {
    RecordingScope ui;
    testfiles::Dossier d;
    const std::string chemin =
        d.Ecrit("import.dxf", Dxf(Fichier(Maillage("Surface1", 3, 3) + Maillage("Surface1", 2, 2) + G{{0, "3DFACE"}, {8, "0"}})));
    Document doc = Document::Defaut();
    int records = 0;
    doc.Hooks.RecordAction = [&](int kind) { records += kind == 0; };
    EXPECT_EQ(ImportDxf::Importe(doc, chemin), 2);
    ASSERT_EQ(doc.NbSurf(), 3);
    EXPECT_EQ(std::tuple(doc.Surface(1)->Nom, doc.Surface(2)->Nom, doc.Surface(2)->Index, doc.Surface(1)->Calculee, records),
              std::tuple("Surface1_2", "Surface1_3", 2, 1, 1));
    EXPECT_FALSE(doc.Enregistre());
    EXPECT_EQ(ui.rec.messages, std::vector<std::string>{"1 entité(s) sans grille de surface ignorée(s) : 3DFACE (1)\n"
                                                        "2 surface(s) importée(s)"});

    while (doc.NbSurf() < kMaxSurfaces - 1) doc.NouvelleSurface("S");
    doc.MarquerEnregistre();
    EXPECT_EQ(ImportDxf::Importe(doc, chemin), 0);
    EXPECT_EQ(std::tuple(doc.NbSurf(), records, doc.Enregistre()), std::tuple(kMaxSurfaces - 1, 1, true));
    EXPECT_NE(ui.rec.messages.back().find("Nombre maximum de Surfaces atteint"), std::string::npos);

    const std::string casse = d.Ecrit("casse.dxf", "0\nSECTION\n2\n");
    EXPECT_EQ(ImportDxf::Importe(doc, casse), 0);
    EXPECT_EQ(ui.rec.messages.back(), "Erreur de lecture du fichier d'import " + casse + " : ligne 3 : code de groupe sans valeur");
}

// A 4 x 5 mesh written by ezdxf (release 2013 with handles and subclass
// markers) comes back point for point.
TEST(ImportDxf, AMeshWrittenByEzdxfComesBackExactly) {
    testfiles::Dossier d;
    const std::string chemin = d / "ezdxf.dxf";
    const std::string script =
        "import ezdxf, sys\n"
        "doc = ezdxf.new('R2013')\n"
        "mesh = doc.modelspace().add_polymesh(size=(4, 5), dxfattribs={'layer': 'Bordé'})\n"
        "for m in range(4):\n"
        "    for n in range(5):\n"
        "        mesh.set_mesh_vertex((m, n), (m * 0.1, n / 3, m * n * 0.01 - 1))\n"
        "doc.saveas(sys.argv[1])\n";
    const std::string py = d.Ecrit("ecrit.py", script);
    ASSERT_EQ(std::system(("/usr/bin/python3 " + py + " " + chemin).c_str()), 0) << "python3-ezdxf is needed";
    Import::TLecture lu;
    std::string erreur;
    ASSERT_TRUE(ImportDxf::Lit(testfiles::LitOctets(chemin), lu, erreur)) << erreur;
    ASSERT_EQ(lu.Surfaces.size(), 1u);
    const TEntity& s = *lu.Surfaces[0];
    ASSERT_EQ(std::tuple(s.Nom, s.Points.rows(), s.Points.cols()), std::tuple("Bordé", 5, 4));
    for (int m = 0; m < 4; ++m)
        for (int n = 0; n < 5; ++n) ExpectNear(s.Points[n][m], {m * 0.1, n / 3.0, m * n * 0.01 - 1}, 1e-12);
}
