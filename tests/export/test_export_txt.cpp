// The text export read back by a reader of its own, and the failures of the
// three exports: nothing half written, the old file kept, the reason given.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <sstream>
#include <tuple>

#include "export/ExportFile.h"
#include "export/ExportTXT.h"
#include "tests/support/ExportFixtures.h"
#include "tests/support/Proches.h"
#include "tests/support/TestFiles.h"

namespace {

struct TBloc {
    std::string Tag;
    std::vector<std::vector<double>> Lignes;  // the number lines of the block
    std::vector<std::string> Textes;          // its other lines
};
struct TSurfaceLue {
    std::string Nom, Couleur;
    std::vector<TBloc> Blocs;
    int Compte(const std::string& tag) const {
        return int(std::count_if(Blocs.begin(), Blocs.end(), [&](const TBloc& b) { return b.Tag == tag; }));
    }
    const TBloc* Premier(const std::string& tag) const {
        for (const TBloc& b : Blocs)
            if (b.Tag == tag) return &b;
        return nullptr;
    }
};

// Reads the file as tagged blocks; every value line must be a list of
// numbers, each ended by ";".
std::vector<TSurfaceLue> Lit(const std::string& texte) {
    std::vector<TSurfaceLue> r;
    std::istringstream in(texte);
    std::string tag;
    for (std::string l; std::getline(in, l);) {
        EXPECT_TRUE(!l.empty() && l.back() == '\r') << "line without CR LF: " << l;
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (l.front() == '[') {
            tag = l;
            if (tag == "[SURFACE]") {
                r.emplace_back();
            } else if (tag != "[COLOR]") {
                r.back().Blocs.push_back({tag, {}, {}});
            }
            continue;
        }
        if (tag == "[SURFACE]") {
            r.back().Nom = l;
        } else if (tag == "[COLOR]") {
            r.back().Couleur = l;
        } else if (l.find(';') == std::string::npos) {
            r.back().Blocs.back().Textes.push_back(l);
        } else {
            std::vector<double> v;
            std::istringstream ls(l);
            for (std::string n; std::getline(ls, n, ';');) {
                v.push_back(std::stod(n));
                EXPECT_TRUE(std::isfinite(v.back())) << l;
            }
            r.back().Blocs.back().Lignes.push_back(v);
        }
    }
    return r;
}

Document Modele() {
    Document doc = fixtures::CoqueAvecGrille();
    // Orders 4 on a net of 3 rows: the surface is evaluated with order 3.
    TSurface* s = fixtures::SurfaceNurbs(doc, "Etrave", 3, 5, 4, 4, [](int i, int j) {
        return TVertex4f{0.3 * i, 6.0 + 0.2 * j, 0.25 * i * j - 0.5, j == 2 ? std::sqrt(0.5) : 1.0};
    });
    s->Couleur = 255;
    doc.Surface(0)->Couleur = -1;
    TOptionsExport o = fixtures::ToutCoche();
    ExportCommun::PrepareModele(doc, o);
    return doc;
}

TEST(ExportTXT, EveryBlockReadsBackAndTheNurbsBlockIsTheSurfaceEvaluated) {
    Document doc = Modele();
    TCouleursDessin couleurs;
    couleurs.BordSf = 0x12AB34;
    const std::vector<TSurfaceLue> lu =
        Lit(ExportTXT::TexteTXT(doc, fixtures::ToutCoche(), fixtures::Vue(vk3D), couleurs));
    ASSERT_EQ(lu.size(), 5u);  // hull, keel, stem, GRID, AXIS
    // The default colour -1, not the option's; a mesh has no net.
    EXPECT_EQ(std::tuple(lu[0].Couleur, lu[2].Couleur, lu[1].Nom, lu[1].Compte("[NURBS]")),
              std::tuple("FFFFFFFF", "0000FF", "Quille 'A'", 0));

    for (int k : {0, 2}) {
        const auto& s = static_cast<const TSurface&>(*doc.Surface(k));
        const TSurfaceLue& sl = lu[std::size_t(k)];
        SCOPED_TRACE(s.Nom);
        const TBloc* n = sl.Premier("[NURBS]");
        ASSERT_TRUE(n);
        ASSERT_EQ(n->Textes.size(), 4u);
        SNURBS r{};
        const int nl = std::stoi(n->Textes[0]), nc = std::stoi(n->Textes[1]);
        std::tie(r.orderU, r.orderV, r.lastU, r.lastV) = std::tuple(std::stoi(n->Textes[2]), std::stoi(n->Textes[3]), nl - 1, nc - 1);
        EXPECT_EQ(r.orderU, std::min(s.Net.LFlex, s.Net.NbL));
        ASSERT_EQ(int(n->Lignes.size()), 2 + nl * nc);
        ASSERT_EQ(std::tuple(int(n->Lignes[0].size()), int(n->Lignes[1].size())), std::tuple(r.orderU + nl, r.orderV + nc));
        std::copy(n->Lignes[0].begin(), n->Lignes[0].end(), r.knotsU);
        std::copy(n->Lignes[1].begin(), n->Lignes[1].end(), r.knotsV);
        for (int i = 0; i < nl; ++i)
            for (int j = 0; j < nc; ++j) {
                const auto& v = n->Lignes[std::size_t(2 + i * nc + j)];
                r.points[i][j] = {v[0], v[1], v[2]};
                r.weights[i][j] = v[3];
            }
        // The net read back evaluates to the surface shown.
        for (int i = 0; i <= s.DernLigne; i += 4)
            for (int j = 0; j <= s.DernCol; j += 4) {
                TVertex3f p, nrm;
                nurbs::EvalPoint(r, double(i) / s.DernLigne, double(j) / s.DernCol, 1.0, false, p, nrm);
                ExpectNear(p, s.Points[i][j], 2e-4);
            }
        // Borders and mesh as evaluated, the mirror mesh for a symmetric surface.
        const int sym = s.Sym ? 2 : 1;
        EXPECT_EQ(sl.Compte("[MESH]"), sym);
        const TBloc* m = sl.Premier("[MESH]");
        EXPECT_EQ(m->Textes, (std::vector<std::string>{std::to_string(s.DernLigne + 1), std::to_string(s.DernCol + 1)}));
        EXPECT_NEAR(m->Lignes.back()[2], s.Points[s.DernLigne][s.DernCol].Z, 5e-5);
        int cuts = 4;
        for (const TTabCoupes* t : {&s.Sec, &s.LE, &s.Long, &s.Diag, &s.SecSym, &s.LESym, &s.LongSym, &s.DiagSym})
            if (s.Sym || t == &s.Sec || t == &s.LE || t == &s.Long || t == &s.Diag)
                for (const TCoupe& c : *t) cuts += c.Count();
        EXPECT_EQ(sl.Compte("[POLYLINE]"), cuts);
    }
    // The grid's lines and the axes computed at export time.
    const TDefGrille& g = doc.DefGrille;
    EXPECT_EQ(std::tuple(lu[3].Nom, lu[3].Compte("[POLYLINE]")), std::tuple("GRID", g.NbSec + g.NbLE + g.NbLongit + g.NbDiag));
    ASSERT_EQ(std::tuple(lu[4].Nom, lu[4].Compte("[POLYLINE]")), std::tuple("AXIS", 3));
    EXPECT_EQ(lu[4].Blocs[1].Lignes[1][1], doc.MinMaxNet.Max.Y + 1.0);
}

TEST(ExportTXT, TwoDimensionsHalfHullEmptyFamiliesAndAnEmptyDocument) {
    Document doc = Modele();
    doc.Aff.MeMoitie = true;
    doc.ExtremitesAxes = {};  // as long as no view has drawn its axes
    // No waterline, and a diagonal whose angle gives no plane.
    doc.DefGrille.NbLE = 0;
    doc.DefGrille.DiagAngle.Val[1] = 180.0;
    const TOptionsExport o = fixtures::ToutCoche();
    ExportCommun::PrepareModele(doc, o);
    const std::vector<TSurfaceLue> lu = Lit(ExportTXT::TexteTXT(doc, o, fixtures::Vue(vkPlan, 0.3f, 1.1f), {}));
    ASSERT_EQ(lu.size(), 5u);
    // Control points keep four values (after the two knot lines), every other point two.
    for (const TSurfaceLue& s : lu)
        for (const TBloc& b : s.Blocs)
            for (std::size_t k = 0; k < b.Lignes.size(); ++k)
                if (b.Tag != "[NURBS]" || k >= 2) {
                    EXPECT_EQ(b.Lignes[k].size(), b.Tag == "[NURBS]" ? 4u : 2u);
                }
    EXPECT_EQ(lu[0].Compte("[MESH]"), 1);
    EXPECT_EQ(lu[3].Compte("[POLYLINE]"), doc.DefGrille.NbSec + doc.DefGrille.NbLongit + doc.DefGrille.NbDiag - 1);
    for (const TBloc& b : lu[3].Blocs)
        for (const auto& p : b.Lignes)
            for (double v : p) EXPECT_LT(std::fabs(v), 100.0);
    EXPECT_NE(lu[4].Blocs[0].Lignes[0], lu[4].Blocs[0].Lignes[1]);

    Document vide;
    TOptionsExport sansGrille = o;
    sansGrille.Grille = sansGrille.Axes = false;
    EXPECT_EQ(ExportTXT::TexteTXT(vide, sansGrille, fixtures::Vue(vk3D), {}).size(), 0u);
}

// A failed write, or a surface holding a value that is not a finite
// number, is reported, leaves no half file and keeps the old one.
TEST(ExportFile, AFailedWriteIsReportedAndKeepsTheOldFile) {
    testfiles::Dossier d;
    Document doc = Modele();
    Document nan = Modele();
    nan.SurfaceNurbs(2)->Net.TabPC[1][3].Y = std::nan("");
    nan.SurfaceNurbs(2)->Calculee = 0;
    const TOptionsExport o = fixtures::ToutCoche();
    for (const char* type : {ExportFile::kTXT, ExportFile::kDXF, ExportFile::kIGES}) {
        SCOPED_TRACE(type);
        const std::string f = d / (std::string("export.") + type);
        testfiles::EcritOctets(f, "ancien");
        // A file size limit makes the write fail part-way, as a full disk does.
        struct sigaction ignore {}, avant {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &avant);
        rlimit limite{}, ancienne{};
        ::getrlimit(RLIMIT_FSIZE, &ancienne);
        limite = ancienne;
        limite.rlim_cur = 1000;
        ::setrlimit(RLIMIT_FSIZE, &limite);
        const ExportFile::TResultat plein = ExportFile::Exporte(doc, type, f, o, fixtures::Vue(vk3D), {});
        ::setrlimit(RLIMIT_FSIZE, &ancienne);
        ::sigaction(SIGXFSZ, &avant, nullptr);
        EXPECT_FALSE(plein.Ecrit);
        EXPECT_NE(plein.Message.find(f), std::string::npos) << plein.Message;
        const ExportFile::TResultat r = ExportFile::Exporte(nan, type, f, o, fixtures::Vue(vk3D), {});
        EXPECT_EQ(std::tuple(r.Ecrit, r.Message),
                  std::tuple(false, "Export impossible : la surface \"Etrave\" contient des valeurs qui ne sont pas des "
                                    "nombres finis (points ou poids) ; aucun fichier n'est écrit"));
        EXPECT_EQ(testfiles::LitOctets(f), "ancien");
    }
    // A folder that does not exist; an unknown type writes nothing.
    EXPECT_FALSE(ExportFile::Exporte(doc, "DXF", d / "absent/x.dxf", o, fixtures::Vue(vk3D), {}).Ecrit);
    EXPECT_EQ(ExportFile::Exporte(doc, "WMF", d / "x.wmf", o, fixtures::Vue(vk3D), {}).Message, "Type d'export inconnu");
    EXPECT_EQ(d.Entrees().size(), 3u);
    const ExportFile::TResultat iges = ExportFile::Exporte(doc, "IGES", d / "x.igs", o, fixtures::Vue(vk3D), {});
    EXPECT_EQ(std::tuple(iges.Ecrit, iges.Message), std::tuple(true, ""));
}

}  // namespace
