// The IGES export read back by OpenCASCADE, an independent reader: every
// curve and surface transfers, and the points OpenCASCADE evaluates on them
// are the program's own evaluation within 1e-9.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <tuple>

#include "export/ExportIGES.h"
#include "export/IgesFormat.h"
#include "tests/support/ExportFixtures.h"
#include "tests/support/Proches.h"
#include "tests/support/TestFiles.h"

namespace {

struct TEntiteOcc {
    bool Surface = true;
    int PolesU = 0, PolesV = 0, DegU = 0, DegV = 0, Rationnel = 0;
    std::vector<std::array<double, 5>> Points;  // u v x y z
};
struct TLectureOcc {
    std::string Fichier;
    int Entites = -1, Transferees = -1;
    std::vector<TEntiteOcc> Liste;
};

TLectureOcc LitAvecOcct(const std::string& fichier) {
#ifndef CORVANE_LIT_IGES
    ADD_FAILURE() << "OpenCASCADE's IGES reader is missing: install libocct-data-exchange-dev "
                     "(bash scripts/deps.sh test) and run cmake again";
    return {};
#else
    int statut = -1;
    std::istringstream in(fixtures::Sortie(std::string(CORVANE_LIT_IGES) + " " + fichier + " 5", &statut));
    EXPECT_EQ(statut, 0) << "OpenCASCADE could not read " << fichier;
    TLectureOcc r;
    for (std::string l; std::getline(in, l);) {
        std::istringstream ls(l);
        std::string tag, t2;
        ls >> tag;
        if (tag == "FICHIER") {
            std::getline(ls >> std::ws, r.Fichier);
        } else if (tag == "ENTITES") {
            ls >> r.Entites >> t2 >> r.Transferees;
        } else if (tag == "SURFACE") {
            TEntiteOcc e;
            ls >> e.PolesU >> e.PolesV >> e.DegU >> e.DegV >> e.Rationnel;
            r.Liste.push_back(e);
        } else if (tag == "COURBE") {
            TEntiteOcc e;
            e.Surface = false;
            ls >> e.PolesU >> e.DegU >> e.Rationnel;
            r.Liste.push_back(e);
        } else if (tag == "P" && !r.Liste.empty()) {
            std::array<double, 5> p{};
            for (double& v : p) ls >> v;
            r.Liste.back().Points.push_back(p);
        }
    }
    return r;
#endif
}

// The program's own evaluation at (u, v), mirrored when asked.
TVertex3f Evalue(const SNURBS& r, double u, double v, const TPlanSym* miroir) {
    TVertex3f S[3][3];
    nurbs::SurfaceDerivs(r, 0, S, u, v);
    TVertex3f p = S[0][0];
    if (miroir) Calcs::CalcSym(S[0][0], miroir->Normal, miroir->D, p);
    return p;
}

struct TCasNet {
    int Lignes, Colonnes, LFlex, CFlex;
    bool Rationnel, Sym, Retournee;  // Retournee: orientation 0
};

TEST(ExportIGES, OpenCascadeEvaluatesEverySurfaceAsTheProgramDoes) {
    const std::vector<TCasNet> cas = {
        {2, 2, 4, 4, false, false, false},  // orders lowered to 2: a bilinear patch
        {3, 3, 3, 3, true, true, false},    {5, 4, 4, 3, true, false, false},  {7, 9, 7, 7, true, true, false},
        {31, 31, 5, 5, true, false, false}, {30, 29, 6, 7, false, true, false}, {12, 6, 2, 5, true, true, false},
        {5, 4, 4, 3, true, false, true},    {12, 6, 2, 5, true, true, true},
        {1, 6, 4, 4, true, true, true},     // a one-row net: a curve
        {5, 1, 3, 3, true, false, false},   // a one-column net: a curve
    };
    testfiles::Dossier d;
    Document doc;
    for (const TCasNet& c : cas) {
        TSurface* s = fixtures::SurfaceNurbs(doc, "S", c.Lignes, c.Colonnes, c.LFlex, c.CFlex, [&](int i, int j) {
            const double a = 0.3 * i + 0.11 * j;
            return TVertex4f{1.0 + std::cos(a) + 0.01 * j, 0.37 * j + 0.05 * i * i, std::sin(a) - 0.2 * i,
                             c.Rationnel ? 0.5 + 0.45 * std::sin(1.7 * i + 2.3 * j) + 0.5 : 1.0};
        });
        s->Sym = c.Sym;
        s->Orientation = c.Retournee ? 0 : 1;
        // A frame other than the world's: the mirror is taken in the plane x = 0.25.
        s->PlanSym.Origin = {0.25, 0.0, 0.0};
        s->PlanSym.MajEquation();
    }
    // A quarter circle of radius 2: weights 1, sqrt(2)/2, 1 (a four-digit
    // weight would make it an ellipse-like curve off the circle).
    fixtures::SurfaceNurbs(doc, "Cercle", 3, 2, 3, 2, [](int i, int j) {
        const TVertex3f p[3] = {{2, 0, 0}, {2, 2, 0}, {0, 2, 0}};
        return TVertex4f{p[i].X, p[i].Y, 1.0 * j, i == 1 ? std::sqrt(0.5) : 1.0};
    })->Sym = 0;
    TOptionsExport o;
    o.Nurbs = o.Couleur = true;
    ExportCommun::PrepareModele(doc, o);
    const std::string f = d / "nets.igs";
    EXPECT_EQ(ExportIGES::EcrireFichierIGES(f, doc, o), "");
    const TLectureOcc lu = LitAvecOcct(f);

    int nb = 0;
    for (const TCasNet& c : cas) nb += c.Sym ? 2 : 1;
    ++nb;
    ASSERT_EQ(std::tuple(lu.Entites, lu.Transferees, int(lu.Liste.size())), std::tuple(nb, nb, nb));
    std::size_t k = 0;
    auto r = std::make_unique<SNURBS>();
    for (const auto& ps : doc.Surfaces) {
        const auto& s = static_cast<const TSurface&>(*ps);
        nurbs::NetToSNurbs(s.Net, *r);
        bool poids1 = true;
        for (int i = 0; i < s.Net.NbL; ++i)
            for (int j = 0; j < s.Net.NbC; ++j) poids1 = poids1 && s.Net.TabPC[i][j].W == 1.0;
        for (const TPlanSym* miroir : {static_cast<const TPlanSym*>(nullptr), &s.PlanSym}) {
            if (miroir && !s.Sym) break;
            const TEntiteOcc& e = lu.Liste[k++];
            SCOPED_TRACE(testing::Message() << "net " << s.Net.NbL << " x " << s.Net.NbC << (miroir ? " mirrored" : ""));
            const bool courbe = s.Net.NbL == 1 || s.Net.NbC == 1;
            EXPECT_EQ(std::tuple(e.Surface, e.Rationnel), std::tuple(!courbe, poids1 ? 0 : 1));
            // OpenCASCADE's u runs along a row of the net (our v); along a
            // column (our u) for a mirror or a surface of orientation 0,
            // whose directions are exchanged (for both, they are not).
            const bool echange = !courbe && ((miroir != nullptr) != (s.Orientation == 0));
            if (courbe) {
                EXPECT_EQ(std::tuple(e.PolesU, e.DegU),
                          std::tuple(std::max(s.Net.NbL, s.Net.NbC), (s.Net.NbL == 1 ? r->orderV : r->orderU) - 1));
            } else {
                EXPECT_EQ(std::tuple(e.PolesU, e.PolesV, e.DegU, e.DegV),
                          echange ? std::tuple(s.Net.NbL, s.Net.NbC, r->orderU - 1, r->orderV - 1)
                                  : std::tuple(s.Net.NbC, s.Net.NbL, r->orderV - 1, r->orderU - 1));
            }
            ASSERT_FALSE(e.Points.empty());
            for (const auto& p : e.Points) {
                const double u = courbe ? (s.Net.NbL == 1 ? 0.0 : p[0]) : p[echange ? 0 : 1];
                const double v = courbe ? (s.Net.NbL == 1 ? p[0] : 0.0) : p[echange ? 1 : 0];
                const TVertex3f q = Evalue(*r, u, v, miroir);
                ExpectNear({p[2], p[3], p[4]}, q, 1e-9);
                if (s.Nom == "Cercle") {
                    EXPECT_NEAR(std::hypot(p[2], p[3]), 2.0, 1e-12);
                }
            }
        }
    }
}

TEST(ExportIGES, RecordsKeepTheirColumnsAndTheFlagsSayWhatTheNetIs) {
    testfiles::Dossier d;
    Document doc;
    // A file name longer than a record, with commas and a Hollerith look-alike.
    doc.NomFichier = "/tmp/" + std::string(90, 'n') + ",2Hx," + std::string(60, 'm') + ".cse";
    doc.PropFich.Titre = std::string(50, 't');
    doc.PropFich.Archi = "Dupont, Durand";
    fixtures::SurfaceNurbs(doc, "Polynomiale longue", 3, 4, 3, 3,
                           [](int i, int j) { return TVertex4f{-7.5 * i, 1.0 * j, 0.5, 1.0}; })->Sym = 0;
    fixtures::SurfaceNurbs(doc, "R", 3, 4, 3, 3, [](int i, int j) { return TVertex4f{1.0 * i, 1.0 * j, 0, 2.0}; })
        ->Sym = 0;
    TOptionsExport o;
    o.Nurbs = o.Couleur = true;
    ExportCommun::PrepareModele(doc, o);
    const std::string texte = ExportIGES::TexteIGES(doc, o);
    std::istringstream in(texte);
    std::string g;
    std::vector<std::string> de, p;
    for (std::string l; std::getline(in, l);) {
        ASSERT_EQ(l.size(), 80u) << l;
        if (l[72] == 'G') g += l.substr(0, 72);
        if (l[72] == 'D') de.push_back(l);
        if (l[72] == 'P') p.push_back(l);
    }
    // Each colour before its surface, whose colour field points back to it;
    // the default colour -1 gives the bytes FF FF FF.
    ASSERT_EQ(de.size(), 8u);
    EXPECT_EQ(p[0].substr(0, 51), "314,100.0000,100.0000,100.0000,16HRGB(255,255,255);");
    EXPECT_EQ(std::tuple(de[0].substr(0, 8), de[3].substr(16, 8), de[7].substr(16, 8)),
              std::tuple("     314", "      -1", "      -5"));
    // The polynomial flag is 1 only when every weight is 1; never periodic.
    std::vector<std::string> entetes;
    for (const std::string& l : p)
        if (l.rfind("128,", 0) == 0) entetes.push_back(l.substr(0, 22));
    EXPECT_EQ(entetes, (std::vector<std::string>{"128,3,2,2,2,0,0,1,0,0,", "128,3,2,2,2,0,0,0,0,0,"}));
    // Global parameter 20: the largest absolute coordinate.
    EXPECT_NE(g.find(",15.000D0,"), std::string::npos) << g;
    EXPECT_NE(g.find("14HDupont, Durand,"), std::string::npos) << g;

    const std::string f = d / "long.igs";
    testfiles::EcritOctets(f, texte);
    const TLectureOcc lu = LitAvecOcct(f);
    EXPECT_EQ(lu.Fichier, std::string(90, 'n') + ",2Hx," + std::string(60, 'm') + ".cse");
    EXPECT_EQ(lu.Transferees, 2);
}

// An empty document, a document of meshes, or nets of one point: the file
// has no surface, or leaves those nets out, and says so.
TEST(ExportIGES, WhatIsNotWrittenIsSaid) {
    Document vide, maillages = fixtures::CoqueAvecGrille(), point = fixtures::CoqueAvecGrille();
    maillages.Surfaces.erase(maillages.Surfaces.begin());
    fixtures::SurfaceNurbs(point, "Ignorée", 1, 1, 2, 2, [](int, int) { return TVertex4f{1, 2, 3, 1}; });
    const std::string aucune = "Aucune surface NURBS écrite : le fichier IGES ne contient aucune surface";
    const struct {
        Document* doc;
        std::string note;
        int transferees;
    } cas[] = {
        {&vide, aucune, 0},
        {&maillages, aucune, 0},
        {&point, "Surface \"Ignorée\" non écrite : réseau d'un seul point", 2},  // the hull and its mirror
    };
    testfiles::Dossier d;
    TOptionsExport o;
    o.Nurbs = o.Couleur = true;
    for (const auto& c : cas) {
        ExportCommun::PrepareModele(*c.doc, o);
        std::string note;
        const std::string texte = ExportIGES::TexteIGES(*c.doc, o, {}, &note);
        EXPECT_EQ(note, c.note);
        testfiles::EcritOctets(d / "f.igs", texte);
        const TLectureOcc lu = LitAvecOcct(d / "f.igs");
        EXPECT_EQ(std::tuple(lu.Entites, lu.Transferees), std::tuple(c.transferees, c.transferees));
    }
}

TEST(IgesFormat, RealsReadBackToTheSameDouble) {
    for (double v : {0.0, 1.0, -2.5, 0.1, std::sqrt(0.5), 1e-5, 1.0 / 3.0, -123456789.125, 6.02e23}) {
        const std::string s = IgesFormat::Reel(v);
        EXPECT_NE(s.find('.'), std::string::npos) << s;
        EXPECT_EQ(std::strtod(s.c_str(), nullptr), v) << s;
    }
    EXPECT_EQ(IgesFormat::Reel(1e-5), "1.0E-05");
}

}  // namespace
