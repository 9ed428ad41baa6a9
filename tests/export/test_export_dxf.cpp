// The DXF export read back by ezdxf, an independent reader: every variant
// opens, passes ezdxf's audit, and holds the entities and coordinates that
// the model gives.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <tuple>

#include "export/DxfFormat.h"
#include "export/ExportDXF.h"
#include "tests/support/ExportFixtures.h"
#include "tests/support/Proches.h"
#include "tests/support/TestFiles.h"

namespace {

const std::string kLecteur = std::string(CORVANE_TEST_DATA) + "/../export/lecteurs/lit_dxf.py";

struct TEntiteLue {
    std::string Type, Calque, CalquesVertex;
    int NbVertex = 0, Drapeaux = 0, M = 0, N = 0;
    TVertex3f A, B;
};
struct TFichierLu {
    std::string Version;
    int Erreurs = -1;
    std::vector<TEntiteLue> Entites;
};

// Every file read by ezdxf in one run.
std::vector<TFichierLu> LitAvecEzdxf(const std::vector<std::string>& fichiers) {
    std::string cmd = "/usr/bin/python3 " + kLecteur;
    for (const auto& f : fichiers) cmd += " " + f;
    int statut = -1;
    std::istringstream in(fixtures::Sortie(cmd + " 2>&1", &statut));
    EXPECT_EQ(statut, 0) << "ezdxf (Debian package python3-ezdxf) cannot read the files:\n" << in.str();
    std::vector<TFichierLu> r;
    for (std::string l; std::getline(in, l);) {
        std::istringstream ls(l);
        std::string tag, nom;
        ls >> tag;
        if (tag == "FICHIER") {
            r.emplace_back();
            ls >> nom >> r.back().Version >> r.back().Erreurs;
        } else if (tag == "E" && !r.empty()) {
            TEntiteLue e;
            ls >> e.Type >> e.Calque >> e.NbVertex >> e.Drapeaux >> e.M >> e.N >> e.A.X >> e.A.Y >> e.A.Z >> e.B.X >>
                e.B.Y >> e.B.Z >> e.CalquesVertex;
            r.back().Entites.push_back(e);
        }
    }
    EXPECT_EQ(r.size(), fichiers.size());
    r.resize(fichiers.size());
    return r;
}

TVertex3f Attendu(const TVertex3f& p, const TViewRecord& v) {
    if (v.Kind == vk3D) return p;
    TVertex2f q;
    Calcs::ProjectionVue(p, q, v.Azimuth, v.Elevation);
    double x, y;
    ExportCommun::TProjection2D(v).Projette(p, x, y);
    EXPECT_NEAR(x, q.X, 1e-5);
    return {x, y, 0.0};
}

struct TVariante {
    const char* Nom;
    TViewRecord Vue;
    TOptionsExport Options;
    bool Moitie;
};

TOptionsExport Seul(bool TOptionsExport::*b, bool maille = true) {
    TOptionsExport o;
    o.*b = true;
    o.SurfMaille3D = maille;
    return o;
}

// What the model says a variant holds: entities per type and layer.
std::map<std::string, int> Compte(const Document& doc, const TOptionsExport& o, bool en3D) {
    std::map<std::string, int> n;
    const std::vector<std::string> calques = ExportDXF::Calques(doc);
    for (std::size_t k = 0; k < doc.Surfaces.size(); ++k) {
        const TEntity& e = *doc.Surfaces[k];
        const std::string& c = calques[k];
        const int cotes = (e.Sym && !doc.Aff.MeMoitie) ? 2 : 1;
        const int R = e.DernLigne + 1, C = e.DernCol + 1;
        if (o.Aretes) n["POLYLINE " + c] += 4 * cotes;  // a grid of one row has columns of one point
        auto famille = [&](const TTabCoupes& t, const TTabCoupes& s) {
            for (const TTabCoupes* tab : {&t, &s})
                if (tab == &t || cotes == 2)
                    for (const TCoupe& cp : *tab)
                        for (const TListPt3D& l : cp)
                            if (!l.empty()) ++n[(l.Count() >= 3 ? "POLYLINE " : l.Count() == 2 ? "LINE " : "POINT ") + c];
        };
        if (o.Couples) famille(e.Sec, e.SecSym);
        if (o.LignesE) famille(e.LE, e.LESym);
        if (o.Longits) famille(e.Long, e.LongSym);
        if (o.Diags) famille(e.Diag, e.DiagSym);
        if (o.SurfParam) {
            if (o.SurfMaille3D && en3D) {
                n["MESH " + c] += cotes;
            } else {
                n["POLYLINE " + c] += (R + C) * cotes;
            }
        }
    }
    const TDefGrille& g = doc.DefGrille;
    if (o.Grille) n["LINE GRID"] = 2 * (g.NbSec + g.NbLE + g.NbLongit) + g.NbDiag;
    if (o.Axes) n["LINE AXIS"] = 3;
    return n;
}

TEST(ExportDXF, EveryVariantOpensCleanInEzdxfWithTheModelsEntities) {
    testfiles::Dossier d;
    Document doc = fixtures::CoqueAvecGrille();
    const float a = 0.7f, b = 0.4f;
    const std::vector<TVariante> variantes = {
        {"tout3D", fixtures::Vue(vk3D), fixtures::ToutCoche(), false},
        {"toutMoitie", fixtures::Vue(vk3D), fixtures::ToutCoche(), true},
        {"section", fixtures::Vue(vkSection, 0.0f, 0.0f), fixtures::ToutCoche(), false},
        {"plan", fixtures::Vue(vkPlan, float(M_PI / 2), float(M_PI / 2)), fixtures::ToutCoche(), false},
        {"profil", fixtures::Vue(vkProfile, float(M_PI / 2), 0.0f), fixtures::ToutCoche(), true},
        {"perspective", fixtures::Vue(vkPerspective, a, b), fixtures::ToutCoche(), false},
        {"aretes", fixtures::Vue(vk3D), Seul(&TOptionsExport::Aretes), false},
        {"couples", fixtures::Vue(vk3D), Seul(&TOptionsExport::Couples), false},
        {"lignesE2D", fixtures::Vue(vkPlan, a, b), Seul(&TOptionsExport::LignesE), false},
        {"longits", fixtures::Vue(vk3D), Seul(&TOptionsExport::Longits), false},
        {"diags", fixtures::Vue(vk3D), Seul(&TOptionsExport::Diags), false},
        {"maillage", fixtures::Vue(vk3D), Seul(&TOptionsExport::SurfParam), false},
        {"maillage2D", fixtures::Vue(vkProfile, a, b), Seul(&TOptionsExport::SurfParam), false},
        {"polylignes", fixtures::Vue(vk3D), Seul(&TOptionsExport::SurfParam, false), false},
        {"grille", fixtures::Vue(vk3D), Seul(&TOptionsExport::Grille), false},
        {"axes2D", fixtures::Vue(vkSection, a, b), Seul(&TOptionsExport::Axes), false},
    };
    std::vector<std::string> fichiers;
    for (const TVariante& v : variantes) {
        doc.Aff.MeMoitie = v.Moitie;
        ExportCommun::PrepareModele(doc, v.Options);
        fichiers.push_back(d / (std::string(v.Nom) + ".dxf"));
        ExportDXF::EcrireFichierDXF(fichiers.back(), doc, v.Options, v.Vue);
    }
    const std::vector<TFichierLu> lus = LitAvecEzdxf(fichiers);
    const TEntity& coque = *doc.Surface(0);
    const int R = coque.DernLigne, C = coque.DernCol;
    for (std::size_t k = 0; k < variantes.size(); ++k) {
        const TVariante& v = variantes[k];
        const bool en3D = v.Vue.Kind == vk3D;
        SCOPED_TRACE(v.Nom);
        doc.Aff.MeMoitie = v.Moitie;
        EXPECT_EQ(std::tuple(lus[k].Version, lus[k].Erreurs), std::tuple("AC1009", 0));
        std::map<std::string, int> vu;
        for (const TEntiteLue& e : lus[k].Entites) {
            const bool maillage = e.Type == "POLYLINE" && e.M > 0;
            ++vu[(maillage ? std::string("MESH") : e.Type) + " " + e.Calque];
            // In 2-D every vertex lies in the plane of the view; in 3-D the
            // polylines are 3-D polylines and the meshes polygon meshes.
            if (e.Type == "POLYLINE") { EXPECT_EQ(e.Drapeaux, en3D ? (maillage ? 16 : 8) : 0); }
            if (!en3D) { EXPECT_EQ(e.A.Z, 0.0); }
            if (maillage) {
                const int m = e.Calque == "Surface1" ? C + 1 : 5, n = e.Calque == "Surface1" ? R + 1 : 1;
                EXPECT_EQ(std::tuple(e.M, e.N, e.NbVertex), std::tuple(m, n, m * n));
            }
        }
        EXPECT_EQ(vu, Compte(doc, v.Options, en3D));

        // A sample of coordinates: the first entity of the hull, its first
        // and last point; the axes between their ends.
        const TEntiteLue *premier = nullptr, *maillage = nullptr;
        for (const TEntiteLue& e : lus[k].Entites) {
            if (e.Calque == "Surface1" && !premier) premier = &e;
            if (e.Calque == "Surface1" && e.M > 0 && !maillage) maillage = &e;
        }
        const TArrayVertex3f& g = coque.Points;
        if (v.Options.Aretes || (v.Options.SurfParam && !(v.Options.SurfMaille3D && en3D))) {
            ASSERT_TRUE(premier);
            ExpectNear(premier->A, Attendu(g[0][0], v.Vue), 6e-6);
            ExpectNear(premier->B, Attendu(g[0][C], v.Vue), 6e-6);
        }
        if (v.Options.SurfParam && v.Options.SurfMaille3D && en3D) {
            ASSERT_TRUE(maillage);
            ExpectNear(maillage->A, g[0][0], 6e-6);
            ExpectNear(maillage->B, g[R][C], 6e-6);
        }
        if (v.Options.Axes) {
            int axe = 0;
            for (const TEntiteLue& e : lus[k].Entites)
                if (e.Calque == "AXIS") {
                    ExpectNear(e.A, Attendu(doc.ExtremitesAxes[2 * axe], v.Vue), 6e-6);
                    ExpectNear(e.B, Attendu(doc.ExtremitesAxes[2 * axe + 1], v.Vue), 6e-6);
                    ++axe;
                }
        }
    }
}

// Layer names keep only what DXF accepts, and two surfaces never share one.
TEST(ExportDXF, LayerNamesAreValidAndDistinct) {
    testfiles::Dossier d;
    Document doc;
    const char* noms[] = {"Bow 'A'", "Coque\xC3\xA9/1", "", "a b", "a_b", "X", "GRID", "XS"};
    for (const char* nom : noms)
        fixtures::SurfaceNurbs(doc, nom, 3, 3, 3, 3, [](int i, int j) { return TVertex4f{0.5 * i, 1.0 * j, 0.2 * i * j, 1.0}; });
    const std::vector<std::string> attendus = {"Bow__A_", "Coque__1", "SURF2", "a_b", "a_b_4", "X", "GRID_6",
                                               "XS_7"};
    EXPECT_EQ(ExportDXF::Calques(doc), attendus);
    TOptionsExport o;
    o.Aretes = true;
    ExportCommun::PrepareModele(doc, o);
    ExportDXF::EcrireFichierDXF(d / "calques.dxf", doc, o, fixtures::Vue(vk3D));
    const TFichierLu lu = LitAvecEzdxf({d / "calques.dxf"})[0];
    EXPECT_EQ(lu.Erreurs, 0);
    std::map<std::string, int> polylignes;
    for (const TEntiteLue& e : lu.Entites) ++polylignes[e.Calque];
    // ezdxf gives the vertices their polyline's layer: they are counted in the file itself.
    std::vector<DxfFormat::TPaire> paires;
    int ligne = 0;
    ASSERT_TRUE(DxfFormat::LitPaires(testfiles::LitOctets(d / "calques.dxf"), paires, ligne));
    std::map<std::string, int> vertex;
    for (std::size_t k = 0; k + 2 < paires.size(); ++k)
        if (paires[k].Code == 0 && paires[k].Valeur == "VERTEX") ++vertex[paires[k + 1].Valeur];
    const int parCote = 4 * kPrecisionDefaut + 4;
    for (const std::string& c : attendus)
        EXPECT_EQ(std::tuple(polylignes[c], vertex[c], vertex[c + "S"]), std::tuple(8, parCote, parCote)) << c;
}

TEST(ExportDXF, AnEmptyDocumentGivesEmptyEntitiesAndZeroExtents) {
    testfiles::Dossier d;
    Document doc;
    const TOptionsExport o = fixtures::ToutCoche();
    ExportCommun::PrepareModele(doc, o);
    TOptionsExport sansGrille = o;
    sansGrille.Grille = sansGrille.Axes = false;
    const std::string texte = ExportDXF::TexteDXF(doc, sansGrille, fixtures::Vue(vk3D));
    std::vector<DxfFormat::TPaire> paires;
    int ligne = 0;
    ASSERT_TRUE(DxfFormat::LitPaires(texte, paires, ligne));
    int zeros = 0;
    for (std::size_t k = 0; k + 1 < paires.size(); ++k)
        if (paires[k].Code == 9 && paires[k].Valeur.rfind("$EXT", 0) == 0)
            for (int c = 1; c <= 3; ++c) zeros += paires[k + c].Valeur == "0.00000";
    EXPECT_EQ(zeros, 6);
    testfiles::EcritOctets(d / "vide.dxf", texte);
    const TFichierLu lu = LitAvecEzdxf({d / "vide.dxf"})[0];
    EXPECT_EQ(std::tuple(lu.Erreurs, lu.Entites.size()), std::tuple(0, 0u));
}

}  // namespace
