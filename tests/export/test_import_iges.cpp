// IGES rational B-spline surfaces read into NURBS nets: a file laid out
// column by column as the format wants it, its variants, and broken files.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "export/ImportIges.h"
#include "model/Document.h"
#include "model/Nurbs.h"
#include "tests/support/Proches.h"
#include "tests/support/RecordingUi.h"

namespace {

struct Entite {
    int type;
    std::string params;
    int couleur = 0;
    std::string etiquette = {};
    int transfo = 0;
};
std::string Colonnes(const std::string& texte, int largeur, char section, int seq, const std::string& milieu = "") {
    char fin[16];
    std::snprintf(fin, sizeof fin, "%c%7d", section, seq);
    std::string r = texte;
    r.resize(static_cast<std::size_t>(largeur), ' ');
    r += milieu;
    r.resize(72, ' ');
    return r + fin;
}

// A whole file: start, global section with the units flag, directory and parameters.
std::vector<std::string> Iges(const std::vector<Entite>& es, int unites = 6) {
    std::vector<std::string> l = {Colonnes("Test", 72, 'S', 1)};
    const std::string g = "1H,,1H;,4HTest,8Hfile.igs,4HTest,1H1,32,38,7,308,15,,1.0D0," + std::to_string(unites) +
                          ",1HM,1,0.254D0,13H060101.000000,0.001D0,0.0D0,,,10,0,13H060101.000000;";
    int ng = 0;
    for (std::size_t k = 0; k < g.size(); k += 72) l.push_back(Colonnes(g.substr(k, 72), 72, 'G', ++ng));
    std::vector<std::string> d, p;
    for (std::size_t e = 0; e < es.size(); ++e) {
        const int de = static_cast<int>(2 * e + 1), debut = static_cast<int>(p.size()) + 1;
        char pointeur[8];
        std::snprintf(pointeur, sizeof pointeur, "%7d", de);
        for (std::size_t k = 0; k < es[e].params.size(); k += 64)
            p.push_back(Colonnes(es[e].params.substr(k, 64), 64, 'P', static_cast<int>(p.size()) + 1, std::string(" ") + pointeur));
        char r1[80], r2[80];
        std::snprintf(r1, sizeof r1, "%8d%8d%8d%8d%8d%8d%8d%8d%8s", es[e].type, debut, 0, 0, 0, 0, es[e].transfo, 0, "00000000");
        std::snprintf(r2, sizeof r2, "%8d%8d%8d%8d%8d%8s%8s%8s%8d", es[e].type, 0, es[e].couleur,
                      static_cast<int>(p.size()) + 1 - debut, 0, "", "", es[e].etiquette.c_str(), 0);
        d.push_back(Colonnes(r1, 72, 'D', de));
        d.push_back(Colonnes(r2, 72, 'D', de + 1));
    }
    l.insert(l.end(), d.begin(), d.end());
    l.insert(l.end(), p.begin(), p.end());
    l.push_back(Colonnes("S0000001G" + std::to_string(ng) + "D" + std::to_string(d.size()) + "P" + std::to_string(p.size()), 72, 'T', 1));
    return l;
}

std::string Octets(const std::vector<std::string>& lignes) {
    std::string r;
    for (const std::string& l : lignes) r += l + "\r\n";
    return r;
}

std::string Liste(const std::vector<double>& v) {
    std::string t;
    for (double x : v) {
        char b[40];
        std::snprintf(b, sizeof b, "%.10g,", x);
        t += b;
    }
    return t;
}

// A net of nbC columns (first index) and nbL rows: point (j, i) at
// (j / 4, 1.5 i, j i / 8), weight 1 + j / 2, knots clamped and uniform over
// [0, 2]; `change` may alter any list before the entity is written.
struct Surface128 {
    int nbC = 4, nbL = 2, ordC = 3, ordL = 2;
    std::vector<double> S, T, W, X, domaine;
    Surface128(int c = 4, int l = 2, int oc = 3, int ol = 2) : nbC(c), nbL(l), ordC(oc), ordL(ol) {
        auto noeuds = [](int ordre, int n) {
            double k[kMaxNetSize + kMaxOrder] = {};
            nurbs::KnotOpenUniform(ordre, n - 1, k);
            std::vector<double> v(k, k + n + ordre);
            for (double& x : v) x *= 2;
            return v;
        };
        S = noeuds(ordC, nbC);
        T = noeuds(ordL, nbL);
        for (int i = 0; i < nbL; ++i)
            for (int j = 0; j < nbC; ++j) {
                W.push_back(1 + j / 2.0);
                X.insert(X.end(), {j / 4.0, 1.5 * i, j * i / 8.0});
            }
        domaine = {0, 2, 0, 2};
    }
    std::string Params() const {
        return "128," + std::to_string(nbC - 1) + "," + std::to_string(nbL - 1) + "," + std::to_string(ordC - 1) + "," +
               std::to_string(ordL - 1) + ",0,0,0,0,0," + Liste(S) + Liste(T) + Liste(W) + Liste(X) +
               Liste(domaine).substr(0, Liste(domaine).size() - 1) + ";";
    }
};

}  // namespace

TEST(ImportIges, ASurfaceComesWithItsNetOrdersColourTransformAndUnit) {
    const Entite couleur{314, "314,100.,50.,0.,3HRGB;"};
    const Entite transfo{124, "124,1.,0.,0.,1000.,0.,1.,0.,2000.,0.,0.,1.,3000.;"};
    const Entite courbe{126, "126,1,1,0,0,1,0,0.,0.,1.,1.,1.,1.,0.,0.,0.,1.,1.,1.,0.,1.,0.,0.,0.;"};
    const Entite surface{128, Surface128().Params(), -1, "Bordé", 3};
    Import::TLecture lu;
    std::string erreur;
    ASSERT_TRUE(ImportIges::Lit(Octets(Iges({couleur, transfo, surface, courbe}, 2)), lu, erreur)) << erreur;
    ASSERT_EQ(lu.Surfaces.size(), 1u);
    EXPECT_EQ(std::tuple(lu.Refus.size(), lu.Ignores), std::tuple(0u, std::map<std::string, int>{{"entité 126", 1}}));
    const auto& s = dynamic_cast<const TSurface&>(*lu.Surfaces[0]);
    EXPECT_EQ(std::tuple(s.Nom, s.Sym, s.Couleur), std::tuple("Bordé", 0, 0x0080FF));
    const TNet& n = s.Net;
    EXPECT_EQ(std::tuple(n.NbC, n.NbL, n.CFlex, n.LFlex), std::tuple(4, 2, 3, 2));
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 4; ++j) {
            // Millimetres moved by (1000, 2000, 3000) mm, in metres.
            ExpectNear(ToVertex3f(n.TabPC[i][j]),
                       {(j / 4.0 + 1000) * 0.001, (1.5 * i + 2000) * 0.001, (j * i / 8.0 + 3000) * 0.001});
            EXPECT_EQ(n.TabPC[i][j].W, 1 + j / 2.0);
        }
}

TEST(ImportIges, ASurfaceTheProgramCannotEvaluateIsRefusedWithItsReason) {
    const struct {
        Surface128 s;
        std::function<void(Surface128&)> change;
        const char* raison;
        int unites = 6;
    } cas[] = {
        {Surface128(32, 2), {}, "réseau de 2 x 32 points, au plus 31 x 31"},
        {Surface128(9, 2, 8), {}, "ordres 2 et 8, de 2 à 7"},
        {Surface128(31, 2, 7), {}, "Ordre trop grand pour le nombre de points"},
        {Surface128(), [](Surface128& s) { s.S[3] = 1.2; }, "nœuds non uniformes"},
        {Surface128(), [](Surface128& s) { s.domaine[1] = 1.5; }, "domaine paramétrique restreint"},
        {Surface128(), [](Surface128& s) { s.W[5] = 0; }, "poids 0 (les poids doivent être positifs)"},
        // Kilometres: finite in the file, beyond the doubles in metres.
        {Surface128(), [](Surface128& s) { s.X[4] = 1e306; }, "point 2 hors des nombres finis ou de ±1e37 une fois en mètres", 7},
    };
    for (auto c : cas) {
        if (c.change) c.change(c.s);
        Import::TLecture lu;
        std::string erreur;
        ASSERT_TRUE(ImportIges::Lit(Octets(Iges({{128, c.s.Params(), 0, "Quille"}, {128, Surface128().Params()}}, c.unites)),
                                    lu, erreur))
            << erreur;
        ASSERT_EQ(std::tuple(lu.Surfaces.size(), lu.Refus.size()), std::tuple(1u, 1u)) << c.raison;
        EXPECT_EQ(lu.Surfaces[0]->Nom, "IGES 3");
        EXPECT_EQ(lu.Refus[0].rfind(std::string("Surface \"Quille\", entité 128 (DE 1) : ") + c.raison, 0), 0u)
            << lu.Refus[0];
    }
}

TEST(ImportIges, AMalformedFileNamesItsLineOrEntityAndGivesNothing) {
    std::vector<std::string> court = Iges({{128, Surface128().Params()}});
    court[2].resize(60);
    std::vector<std::string> binaire = Iges({});
    binaire[0][72] = 'B';
    std::string tronque = Surface128().Params();
    tronque = tronque.substr(0, tronque.size() / 2) + ";";
    std::vector<std::string> globale = Iges({});
    globale[1] = Colonnes("1H,,1H;,199Hcourt", 72, 'G', 1);
    std::string illisible = Surface128().Params();
    illisible.replace(0, 5, "128,x");
    const struct {
        std::vector<std::string> lignes;
        const char* erreur;
    } cas[] = {
        {court, "ligne 3 : enregistrement de moins de 73 colonnes"},
        {binaire, "ligne 1 : section \"B\" (seul le format ASCII à 80 colonnes est lu)"},
        {Iges({{128, tronque}}), "entité 128 (DE 1) : paramètres incomplets"},
        {Iges({{128, illisible}}), "entité 128 (DE 1) : nombre illisible \"x\""},
        {Iges({{128, "128,1,1,2,1;"}}), "entité 128 (DE 1) : indices 1, 1 et degrés 2, 1 incohérents"},
        {Iges({{128, Surface128().Params(), -3}, {124, "124,1.;"}}), "entité 124 (DE 3) : couleur (314) attendue"},
        {Iges({{128, "126,0;"}}), "entité 128 (DE 1) : type 126 dans la section P"},
        {Iges({}, 12), "unité 12 inconnue"},
        {globale, "texte Hollerith tronqué"},
    };
    for (const auto& c : cas) {
        Import::TLecture lu;
        std::string erreur;
        EXPECT_FALSE(ImportIges::Lit(Octets(c.lignes), lu, erreur)) << c.erreur;
        EXPECT_EQ(erreur, c.erreur);
    }
}

// Beyond a hundred surfaces the reading only counts them, and the document
// takes none; a surface whose evaluated points overflow is refused by name
// as it joins, the summary naming what came.
TEST(ImportIges, WhatADocumentCannotTakeIsCountedOrRefusedByName) {
    RecordingScope ui;
    std::vector<Entite> es(kMaxSurfaces + 50, Entite{128, Surface128().Params()});
    Import::TLecture lu;
    std::string erreur;
    ASSERT_TRUE(ImportIges::Lit(Octets(Iges(es)), lu, erreur)) << erreur;
    EXPECT_EQ(std::tuple(lu.Surfaces.size(), lu.Lues()), std::tuple(std::size_t(kMaxSurfaces), kMaxSurfaces + 50));
    Document doc;
    EXPECT_EQ(Import::Ajoute(doc, std::move(lu)), 0);

    Surface128 enorme;
    // Points within reach, weights whose products with them overflow.
    for (double& x : enorme.X) x = 1e36;
    for (double& w : enorme.W) w = 1e300;
    ASSERT_TRUE(ImportIges::Lit(Octets(Iges({{128, enorme.Params(), 0, "Enorme"}, {128, Surface128().Params()}})), lu, erreur));
    EXPECT_EQ(Import::Ajoute(doc, std::move(lu)), 1);
    EXPECT_EQ(ui.rec.messages.back(),
              "Surface \"Enorme\" refusée : ses points calculés ne sont pas des nombres finis ou dépassent ±1e37 "
              "(coordonnées ou poids trop grands)\n1 surface(s) importée(s)");
}
