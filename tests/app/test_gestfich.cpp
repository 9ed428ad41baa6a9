// The document reader and writer: exact values of hand-written documents,
// bit-for-bit round trips, old versions, atomic and failing saves, the
// recovery save, the recent files, and every fault the reader mends.
#include <algorithm>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <type_traits>

#include "app/doc/DocFormat.h"
#include "app/doc/DocWriter.h"
#include "app/doc/GestFich.h"
#include "app/doc/RecentFiles.h"
#include "base/Encodage.h"
#include "model/Document.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"

namespace {

inline std::string Donnee(const std::string& nom) { return std::string(CORVANE_TEST_DATA) + "/" + nom; }

using testfiles::Dossier;
using testfiles::EcritOctets;
using testfiles::LitOctets;

inline std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// Every value the file holds. (A lost sign of zero shows in the byte
// comparisons of the writes that follow each reading.)
inline void ExpectMemeDocument(const Document& a, const Document& b) {
    auto prop = [](const TPropFich& p) { return std::tie(p.Titre, p.Type, p.Archi, p.Societe, p.Version, p.Date, p.Comment); };
    EXPECT_EQ(prop(a.PropFich), prop(b.PropFich));
    ASSERT_EQ(a.NbSurf(), b.NbSurf());
    auto champs = [](const TEntity& s) {
        return std::tie(s.Nom, s.Couleur, s.Alpha, s.Ambient, s.Specular, s.Shininess, s.Emission, s.Orientation,
                        s.Jonction, s.TypePoids, s.Epaisseur, s.Densite, s.PoidsParM2, s.Visible, s.Verrou, s.Sym,
                        s.Calc, s.Voile, s.PlanSym.Origin, s.PlanSym.Axis1, s.PlanSym.Axis2, s.PlanSym.Axis3);
    };
    for (int k = 0; k < a.NbSurf(); ++k) {
        SCOPED_TRACE("surface " + std::to_string(k));
        const TEntity &s = *a.Surface(k), &t = *b.Surface(k);
        EXPECT_EQ(champs(s), champs(t));
        const bool donnee = s.TypePoids == tpFixe || s.TypePoids == tpFixeVolume || s.Visible == 0;  // a mass kept
        EXPECT_EQ(donnee ? s.Poids.Masse : 0, donnee ? t.Poids.Masse : 0);
        const auto *n = dynamic_cast<const TSurface*>(&s), *m = dynamic_cast<const TSurface*>(&t);
        ASSERT_EQ(n != nullptr, m != nullptr);
        if (!n) {
            EXPECT_EQ(s.Points, t.Points);
            continue;
        }
        ASSERT_EQ(std::tie(n->Net.NbL, n->Net.NbC, n->Net.LFlex, n->Net.CFlex),
                  std::tie(m->Net.NbL, m->Net.NbC, m->Net.LFlex, m->Net.CFlex));
        for (int i = 0; i < n->Net.NbL; ++i)
            EXPECT_TRUE(std::equal(n->Net.TabPC[i], n->Net.TabPC[i] + n->Net.NbC, m->Net.TabPC[i])) << "row " << i;
    }
    EXPECT_EQ(std::tie(a.ListSoudures, a.StockFen, a.VuesSauvees, a.ListPoids, a.ListReperes, a.ListReperesEnv),
              std::tie(b.ListSoudures, b.StockFen, b.VuesSauvees, b.ListPoids, b.ListReperes, b.ListReperesEnv));
    auto grille = [](const TDefGrille& g) {
        return std::tie(g.SecScind, g.NbSec, g.NbLE, g.NbLongit, g.NbDiag, g.Sec.Val, g.LE.Val, g.Longit.Val, g.DiagPos.Val, g.DiagAngle.Val);
    };
    EXPECT_TRUE(grille(a.DefGrille) == grille(b.DefGrille));
    auto cote = [](const TCote& c) {
        return std::tuple(c.Kind, c.Text, c.Mesure.View, c.Mesure.P1, c.Mesure.P2, c.Mesure.P3, c.Mesure.Kind());
    };
    ASSERT_EQ(a.ListCotes.size(), b.ListCotes.size());
    for (std::size_t k = 0; k < a.ListCotes.size(); ++k) EXPECT_EQ(cote(a.ListCotes[k]), cote(b.ListCotes[k])) << k;
}

using GestFich::OuvrirFichier;
using GestFich::TResultatLecture;

const char* kDate = "06/12/2026";

// A document with a HEADER of the given version and the given sections; the
// writer's sections the body lacks follow it empty (unless it was cut inside one).
std::string Doc(const std::string& corps, const std::string& version = "1.10") {
    std::string d = "[HEADER]\n[Version]\n" + version + "\n[END]\n" + corps;
    for (const std::string n : {"MAIN", "SOUDES", "VUES", "GRILLE", "OPTIONS", "COTES", "BALLAST", "REPERES", "ENVAHISEMENT"})
        if (corps.find("[" + n + "]") == std::string::npos && corps.find("[END]", std::max<std::size_t>(corps.size(), 8) - 8) != std::string::npos)
            d += "[" + n + "]\n[END]\n";
    return d;
}

// A NURBS section: point (i, j) is i;j;0.5;1; extra keys go before "[END]".
std::string Nurbs(int n, int nbl, int nbc, const std::string& avant = "", const std::string& apres = "") {
    std::string s = "[SURF" + std::to_string(n) + "]\n[Type]\nSNURBS\n[Nom]\nS" + std::to_string(n) + "\n" + avant;
    s += "[NbL]\n" + std::to_string(nbl) + "\n[NbC]\n" + std::to_string(nbc) + "\n";
    for (int i = 0; i < nbl; ++i)
        for (int j = 0; j < nbc; ++j)
            s += "[V_" + std::to_string(i) + "_" + std::to_string(j) + "]\n" + std::to_string(i) + ";" +
                 std::to_string(j) + ";0.5;1;\n";
    return s + apres + "[PlanS]\n0;0;0;1;0;0;0;1;0;0;0;1;\n[END]\n";
}

bool UnMessageContient(const RecordingUi& ui, const std::string& texte) {
    for (const std::string& m : ui.messages)
        if (m.find(texte) != std::string::npos) return true;
    return false;
}

// The errors of the one message of a reading, without the summary of a
// partial reading that leads it.
std::string Erreurs(const RecordingUi& ui) {
    if (ui.messages.size() != 1) return "(" + std::to_string(ui.messages.size()) + " messages)";
    const std::string& m = ui.messages[0];
    return m.rfind("La lecture du fichier ", 0) == 0 ? m.substr(m.find('\n') + 1) : m;
}

// Reads a text written to a scratch file into a fresh document.
struct Lecture {
    RecordingScope r;
    Document doc;
    TResultatLecture res;
    Dossier dossier;
    std::string chemin;
    explicit Lecture(const std::string& texte, const std::string& nom = "essai.cse", bool demarrage = false) {
        chemin = dossier / nom;
        EcritOctets(chemin, texte);
        doc.FormeAffichee = !demarrage;  // at start-up the window evaluates later
        res = OuvrirFichier(doc, chemin, demarrage);
    }
};

// Reads a document body that must not read whole, and checks that each text
// is in the messages.
struct Signalee : Lecture {
    Signalee(const std::string& corps, std::initializer_list<const char*> textes) : Lecture(Doc(corps)) {
        EXPECT_FALSE(res.Complet);
        for (const char* t : textes) EXPECT_TRUE(UnMessageContient(r.rec, t)) << t << "\n" << Erreurs(r.rec);
    }
};

// Reads a test document that must read whole and without a message.
Document LitEntier(const std::string& nom) {
    RecordingScope r;
    Document doc;
    EXPECT_TRUE(OuvrirFichier(doc, Donnee(nom)).Complet) << nom;
    EXPECT_EQ(r.rec.messages, std::vector<std::string>{}) << nom;
    return doc;
}

class RecentsVides : public ::testing::Test {
protected:
    void SetUp() override { GestFich::RecentFiles().Clear(); }
    void TearDown() override {
        GestFich::RecentFiles().Clear();
        GestFich::InstalleFenetres({});
    }
};

// ---- The hand-written document -------------------------------------------------------

TEST(DocWriter, FullDocumentSavedIsTheHandWrittenFile) {
    const Document doc = LitEntier("full.cse");
    EXPECT_TRUE(doc.Enregistre());
    // A few values of the file read where they belong (the round trips below
    // cannot see a reader and a writer that make the same mistake).
    EXPECT_EQ(doc.SurfaceNurbs(0)->Net.TabPC[1][1], (TVertex4f{1.2345678901234567, 3.5, -0.25, 0.7071067811865476}));
    EXPECT_EQ(doc.SurfaceNurbs(1)->PlanSym.Axis2, (TVertex3f{-1, 0, 0}));
    EXPECT_EQ(doc.Surface(2)->Points[1][2], (TVertex3f{0.1, 3, -1.5}));
    EXPECT_EQ(doc.ListSoudures[1][1], (TPC{1, 1, 1}));
    EXPECT_EQ(doc.StockFen.Vues[3].Angle2, -0.25f);
    EXPECT_EQ(doc.DefGrille.DiagPos.Val[2], 0.3);
    EXPECT_EQ(doc.ListCotes[0].Mesure.P2, (TVertex3f{1.5, 0, 0.6}));
    EXPECT_EQ(doc.ListPoids[1], (TPoids{"Lest de quille", 1200.5, 0, 3, -1.2, 2}));
    EXPECT_EQ(doc.ListReperesEnv, (std::vector<TRepereEnv>{{"Descente", 0.3, 3, 1.2}}));
    EXPECT_EQ(DocWriter::OctetsDocument(doc, DocWriter::ToutesLesSurfaces(doc), {kDate}), LitOctets(Donnee("full.cse")));
}

// A document with every kind of value a save must keep: random bit patterns,
// denormals, signed zeros, the largest nets, texts the format cannot hold as
// they stand.
Document DocumentExtreme(std::uint64_t graine) {
    std::mt19937_64 alea(graine);
    auto fini = [&](auto v) {  // random bits of v's size, drawn again until finite
        do v = std::bit_cast<decltype(v)>(static_cast<std::conditional_t<sizeof v == 8, std::uint64_t, std::uint32_t>>(alea()));
        while (!std::isfinite(v));
        return v;
    };
    auto reel = [&] { return fini(0.0); };
    auto simple = [&] { return fini(0.0f); };
    auto point = [&] { return TVertex3f{reel(), reel(), reel()}; };
    // Points within reach: coordinates below 2^120, weights within 2^±30.
    int e = 0;
    auto coord = [&] { return std::ldexp(std::frexp(reel(), &e), e % 120); };
    auto poids = [&] { return std::ldexp(std::abs(std::frexp(reel(), &e)), e % 30); };
    Document doc;
    std::tie(doc.PropFich.Type, doc.PropFich.Archi, doc.PropFich.Societe, doc.PropFich.Version) =
        std::tuple{"[type]", "  ", " [x", "1,2;3"};
    doc.PropFich.Comment = {"[a", "", " ", "é ç ° €"};
    for (int k = 0; k < 3; ++k) {
        TSurface* s = doc.NouvelleSurface(k == 0 ? "" : k == 1 ? "[Coque]" : "Pont");
        s->Net.NbL = k == 0 ? 31 : 2 + k;
        s->Net.NbC = k == 0 ? 31 : 5;
        s->Net.LFlex = 2 + 2 * k;  // 4 on 3 rows: above the count, kept
        s->Net.CFlex = k == 0 ? 6 : 5;  // 6 on 31 columns: the most the knots take
        for (int i = 0; i < s->Net.NbL; ++i)
            for (int j = 0; j < s->Net.NbC; ++j) s->Net.TabPC[i][j] = {coord(), coord(), coord(), poids()};
        s->Net.TabPC[0][0] = {-0.0, 5e-324, -2.2250738585072014e-308, 1.7976931348623157e308};
        s->Couleur = static_cast<std::int32_t>(alea());
        s->Alpha = reel();
        std::tie(s->Ambient, s->Specular, s->Shininess, s->Emission) = std::tuple{simple(), simple(), simple(), simple()};
        // Given masses, and one computed on a hidden surface: evaluation keeps them.
        s->TypePoids = k == 1 ? tpFixeVolume : k == 2 ? tpEpaisseur : tpFixe;
        std::tie(s->Epaisseur, s->Densite, s->PoidsParM2, s->Poids.Masse) = std::tuple{reel(), reel(), reel(), reel()};
        std::tie(s->Orientation, s->Jonction, s->Visible, s->Verrou, s->Sym, s->Calc, s->Voile) =
            std::tuple{k % 2, (k + 1) % 2, k != 2, k == 1, k != 1, k != 0, k == 2};
        s->PlanSym = {point(), point(), point(), point()};
    }
    auto mesh = std::make_unique<TDXFSurface>(0, 4, 6, doc.DefGrille);
    mesh->SetNom("Maille;1");
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 6; ++j) mesh->Points[i][j] = {coord(), coord(), coord()};
    doc.AjouteSurface(std::move(mesh));
    for (const std::vector<TPC>& pcs : {std::vector<TPC>{{0, 30, 30}, {1, 2, 4}}, {{2, 0, 0}, {0, 0, 0}, {1, 0, 0}}}) {
        TListPC g;
        for (const TPC& pc : pcs) g.Add(pc);
        doc.AjouteSoudure(g);
    }
    for (int v = 0; v < 5; ++v) {
        TStockValues& s = doc.StockFen.Vues[v];
        s.OrigX = static_cast<int>(alea());
        s.OrigY = -static_cast<int>(alea() % 1000);
        s.Echelle = simple();
        if (v >= 3) s.Angle1 = s.Angle2 = s.Autre = simple();
        if (v < 4) s.Fond = {v == 0 ? "" : v == 1 ? "[fond].png" : "/tmp/é x.jpg", static_cast<std::uint8_t>(v), v * 7, -v};
    }
    doc.VuesSauvees[1] = {true, -3, 4, simple(), simple(), simple()};
    doc.VuesSauvees[2] = {true, 0, 0, -0.0f, 0.0f, 1e-45f};
    TDefGrille& g = doc.DefGrille;
    std::tie(g.SecScind, g.NbSec, g.NbLE, g.NbLongit, g.NbDiag) = std::tuple{7, 100, 0, 3, 2};
    for (int i = 1; i <= 100; ++i) g.Sec.Val[i] = reel();
    for (int i = 1; i <= 3; ++i) g.Longit.Val[i] = reel();
    for (int i = 1; i <= 2; ++i) std::tie(g.DiagPos.Val[i], g.DiagAngle.Val[i]) = std::tuple{reel(), reel()};
    const char* genres[] = {"Mètre", "Metre", "Rayon", "Angle"};
    for (int k = 0; k < 4; ++k) {
        TCote c;
        c.Kind = genres[k];
        c.Text = k == 0 ? "" : "[" + std::to_string(k) + "] m";
        c.Mesure = k < 2 ? TMesure(TMesure::gMetre) : k == 2 ? TMesure(TMesure::gCercle) : TMesure(TMesure::gAngle);
        c.Mesure.View = static_cast<std::uint8_t>(k % 3);
        std::tie(c.Mesure.P1, c.Mesure.P2, c.Mesure.P3) = std::tuple{point(), point(), point()};
        if (k == 3) c.Mesure.NbPts = 2;
        doc.ListCotes.push_back(c);
    }
    doc.ListPoids = {{"", reel(), reel(), reel(), reel(), -1}, {"[Lest]", reel(), reel(), reel(), reel(), 3},
                     {" ", -0.0, 0, 0, 0, 0}};
    doc.ListReperes = {{"Rep", reel(), reel(), reel()}, {"", 0, 0, 0}};
    doc.ListReperesEnv = {{"[E]", reel(), reel(), reel()}};
    return doc;
}

TEST(DocWriter, EveryValueSurvivesOpenSaveOpenBitForBit) {
    for (std::uint64_t graine : {1u, 2u, 3u}) {
        SCOPED_TRACE(graine);
        const Document doc = DocumentExtreme(graine);
        const std::string octets = DocWriter::OctetsDocument(doc, DocWriter::ToutesLesSurfaces(doc), {kDate});
        Lecture l(octets);
        EXPECT_TRUE(l.res.Complet && l.res.Erreurs == 0) << Erreurs(l.r.rec);
        ExpectMemeDocument(doc, l.doc);
        EXPECT_EQ(DocWriter::OctetsDocument(l.doc, DocWriter::ToutesLesSurfaces(l.doc), {kDate}), octets);
        // An empty list is one empty field; each comment line is followed by the separator.
        EXPECT_NE(octets.find("[LLe]\r\n;\r\n"), std::string::npos);
        EXPECT_NE(octets.find("[Comment]\r\n [a\xA4\xA4 \xA4"), std::string::npos);
    }
}

// A title whose Windows-1252 bytes happen to be valid UTF-8, a weight of the
// user's named "TOTAL" (the reader skips the computed total of that name), an
// old comment line holding the separator.
TEST(DocWriter, TextsTheReaderCouldMistakeReadBackAsThemselves) {
    Document doc = Document::Defaut();
    doc.PropFich.Titre = "Ã©tude";
    doc.ListPoids.push_back({"TOTAL", 1, 2, 3, 4, -1});
    Lecture l(DocWriter::OctetsDocument(doc, DocWriter::ToutesLesSurfaces(doc), {kDate}));
    ASSERT_TRUE(l.res.Complet);
    EXPECT_EQ(l.doc.PropFich.Titre, "Ã©tude");
    EXPECT_FALSE(Encodage::EstUtf8Valide(LitOctets(l.chemin)));
    ASSERT_EQ(l.doc.ListPoids.size(), 1u);
    EXPECT_EQ(l.doc.ListPoids[0].Nom, "TOTAL ");
    EXPECT_EQ(DocFormat::TexteVersLigne("a\r\nb"), "a  b");  // a line break would split the line
    doc.PropFich.Titre = "etude";  // a plain ASCII document gets nothing more
    EXPECT_EQ(DocWriter::OctetsDocument(doc, {0}, {kDate}).find("Windows-1252"), std::string::npos);
    // Before 1.09 comment lines end at ";", so a line may hold "¤"; saved in
    // the newer form, where "¤" ends a line, it must not split in two.
    Lecture c(Doc("[MAIN]\n[Comment]\nprix 10 \xA4;fin;\n[END]\n", "1.08"));
    const std::string octets = DocWriter::OctetsDocument(c.doc, DocWriter::ToutesLesSurfaces(c.doc), {kDate});
    Lecture relu(octets);
    EXPECT_TRUE(relu.res.Complet);
    EXPECT_EQ(relu.doc.PropFich.Comment, (std::vector<std::string>{"prix 10 ?", "fin"}));
    EXPECT_EQ(DocWriter::OctetsDocument(relu.doc, DocWriter::ToutesLesSurfaces(relu.doc), {kDate}), octets);
}

TEST(DocWriter, ChosenSurfacesAreRenumberedWithTheirWelds) {
    RecordingScope r;
    Dossier d;
    Document doc = LitEntier("full.cse");
    TListPC g;  // a weld from the mesh side
    g.Add({0, 1, 1});
    g.Add({1, 0, 1});
    doc.AjouteSoudure(g);
    DocWriter::EcritDocument(doc, std::vector<std::string>{"2", "0"}, d / "choix.cse", {kDate});
    Document sub;
    ASSERT_TRUE(OuvrirFichier(sub, d / "choix.cse").Complet);
    ASSERT_EQ(sub.NbSurf(), 2);
    EXPECT_EQ(sub.Surface(0)->Nom, "Quille");
    // A group left with one point goes; one left with two stays.
    ASSERT_EQ(sub.ListSoudures.size(), 1u);
    EXPECT_EQ(sub.ListSoudures[0][1], (TPC{1, 2, 2}));
    // The ballast on the mesh follows it.
    EXPECT_EQ(sub.ListPoids[1].Surf, 0);
    EXPECT_THROW(DocWriter::EcritDocument(doc, std::vector<int>{0, 0}, d / "x.cse"), std::invalid_argument);
    EXPECT_THROW(DocWriter::EcritDocument(doc, std::vector<std::string>{"3"}, d / "x.cse"), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(d / "x.cse"));
}

// ---- Old versions ---------------------------------------------------------------------

TEST(OuvrirFichier, Version102WithDecimalCommas) {
    const Document doc = LitEntier("old102.cse");
    EXPECT_EQ(doc.PropFich.Titre, "Cotre 8.5 m");  // every comma of the file became a point
    ASSERT_EQ(doc.NbSurf(), 2);
    const TSurface *s = doc.SurfaceNurbs(0), *t = doc.SurfaceNurbs(1);
    ASSERT_TRUE(s && t);  // before 1.07 there is no type: the "MESH" section is a NURBS surface
    // StabNeg 1 is orientation 0; absent, the new surface's stays.
    EXPECT_EQ(std::tuple(s->Orientation, t->Orientation, s->Poids.Masse), std::tuple(0, 1, 250.75));
    EXPECT_EQ(s->Net.TabPC[1][1], (TVertex4f{0.5, 6.5, 0.75, 0.5}));
    EXPECT_EQ(doc.DefGrille.Sec.Val[2], 2.5);
    EXPECT_EQ(doc.StockFen.Vues[0].Fond, (TFondFichier{"plan.bmp", 0, 10, 20}));
    EXPECT_EQ(doc.ListPoids, (TListPoids{{"Lest", 800.5, 0, 3.25, -0.5, -1}}));  // "TOTAL" skipped
}

TEST(OuvrirFichier, FileWithoutHeaderReadsAsTheOldestKind) {
    const Document doc = LitEntier("noheader.cse");
    EXPECT_EQ(doc.PropFich.Comment, (std::vector<std::string>{"première", "seconde"}));
    const TSurface* s = doc.SurfaceNurbs(0);  // "Type" is not read: a NURBS surface
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Net.TabPC[1][1], (TVertex4f{1, 2, 0.5, 1}));
    EXPECT_EQ(doc.StockFen.Vues[0].Fond, (TFondFichier{"coupe.jpg", 1, 0, 0}));  // the newer picture form
}

TEST(OuvrirFichier, Utf8FileReadsLikeItsWindows1252Form) {
    const Document doc = LitEntier("utf8.cse");
    EXPECT_EQ(doc.PropFich.Titre, "Dériveur « été »");
    EXPECT_EQ(doc.ListCotes[1].Text, "90.00 °");
    // Without the byte-order mark, in Windows-1252.
    Lecture ansi(Encodage::Utf8VersWindows1252(LitOctets(Donnee("utf8.cse")).substr(3)));
    EXPECT_TRUE(ansi.res.Complet);
    ExpectMemeDocument(doc, ansi.doc);
}

// ---- Saving -------------------------------------------------------------------------------

// Runs f with the effective user "nobody" when the tests run as root, so that
// folder permissions apply.
template <class F>
void SansDroitsRoot(F&& f) {
    const bool root = ::geteuid() == 0;
    ASSERT_EQ(root ? ::seteuid(65534) : 0, 0);
    f();
    ASSERT_EQ(root ? ::seteuid(0) : 0, 0);
}

// A folder or a file the user may not write, a value the file cannot hold:
// the save fails naming the file and the reason, the old file stays whole,
// no temporary is left.
TEST(DocWriter, AFolderOrFileTheUserMayNotWriteOrANonFiniteValueKeepsTheOldFile) {
    for (int cas : {0, 1, 2, 3}) {  // folder protected, file protected, a NaN, read-only even to root
        SCOPED_TRACE(cas);
        RecordingScope r;
        Dossier d;
        ::chmod(d.chemin().c_str(), 0777);
        const std::string f = d.Ecrit("bateau.cse", LitOctets(Donnee("full.cse")));
        Document doc;
        ASSERT_TRUE(OuvrirFichier(doc, f).Complet);
        doc.SurfaceNurbs(0)->Net.TabPC[1][2].W = cas == 2 ? std::nan("") : 42.0;
        doc.MarquerModifie();
        ::chmod(f.c_str(), cas == 0 ? 0666 : cas == 1 || cas == 3 ? 0444 : 0644);
        if (cas == 0) ::chmod(d.chemin().c_str(), 0555);
        std::string raison;
        const auto enregistre = [&] {
            try {
                GestFich::EnregistrerFichierAll(doc, 0);
            } catch (const DocWriter::TErreurEcriture& e) {
                raison = e.what();
            }
        };
        cas == 3 ? enregistre() : SansDroitsRoot(enregistre);
        EXPECT_NE(raison.find(f), std::string::npos) << raison;
        EXPECT_EQ(raison.find("lecture seule") != std::string::npos, cas == 3) << raison;
        EXPECT_EQ(raison.find("surface « Coque » (SURF0), champ V_1_2") != std::string::npos, cas == 2) << raison;
        EXPECT_EQ(LitOctets(f), LitOctets(Donnee("full.cse")));
        EXPECT_EQ(d.Entrees(), std::vector<std::string>{"bateau.cse"});
    }
}

TEST(DocWriter, ReplacingFollowsLinks) {
    Dossier d;
    EcritOctets(d / "vrai.cse", "x");
    std::filesystem::create_symlink("vrai.cse", d / "lien.cse");
    DocWriter::EcritFichierAtomique(d / "lien.cse", "nouveau");
    EXPECT_TRUE(std::filesystem::is_symlink(d / "lien.cse"));
    EXPECT_EQ(LitOctets(d / "vrai.cse"), "nouveau");
}

TEST(Recuperation, RecoveryFileGoesToTheCurrentFolderOrTheUserDataFolder) {
    RecordingScope r;
    Dossier d, donnees;
    const std::string cwd = std::filesystem::current_path().string();
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string ancienXdg = xdg ? xdg : "";
    ::chmod(donnees.chemin().c_str(), 0777);
    ::setenv("XDG_DATA_HOME", donnees.chemin().c_str(), 1);

    Document doc = Document::Defaut();
    doc.NomFichier = "/nulle/part/bateau.cse";
    doc.MarquerModifie();
    ASSERT_EQ(::chdir(d.chemin().c_str()), 0);
    EXPECT_EQ(GestFich::EnregistrerFichierAll(doc, 1), d / "recovery.cse");
    EXPECT_FALSE(doc.Enregistre());

    // The current folder cannot be written: the user's data folder takes it.
    ::chmod(d.chemin().c_str(), 0555);
    std::string ecrit;
    SansDroitsRoot([&] { ecrit = GestFich::EnregistrerFichierAll(doc, 1); });
    EXPECT_EQ(ecrit, donnees / "Corvane Shaper/recovery.cse");
    Document relu;
    EXPECT_TRUE(OuvrirFichier(relu, ecrit).Complet);

    // Neither can be written: an error naming the file, the name still restored.
    ::chmod((donnees / "Corvane Shaper").c_str(), 0555);
    SansDroitsRoot([&] { EXPECT_THROW(GestFich::EnregistrerFichierAll(doc, 1), DocWriter::TErreurEcriture); });
    EXPECT_EQ(doc.NomFichier, "/nulle/part/bateau.cse");
    ASSERT_EQ(::chdir(cwd.c_str()), 0);
    xdg ? ::setenv("XDG_DATA_HOME", ancienXdg.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

// ---- Recent files ------------------------------------------------------------------------

TEST(RecentFiles, NewestFirstWithoutDuplicatesComparedExactly) {
    TRecentFiles l;
    for (int k = 1; k <= 12; ++k) l.Ajoute("/b/f" + std::to_string(k) + ".cse");
    ASSERT_EQ(l.Menu().size(), 10u);
    EXPECT_EQ(l.Menu().back(), "/b/f3.cse");
    l.Ajoute("/b/f5.cse");
    EXPECT_EQ(l.Count(), 12);
    EXPECT_EQ(l.Liste()[0], "/b/f5.cse");
    l.Ajoute("/b/F5.cse");  // another file on this system
    l.Ajoute("");
    EXPECT_EQ(l.Count(), 13);
    l.Remplace({"/a", "", "/b", "/a"});
    EXPECT_EQ(l.Liste(), (std::vector<std::string>{"/a", "/b"}));
}

TEST_F(RecentsVides, MenuIsRebuiltOnlyWhileTheWindowIsShownAndItsErrorsAreSwallowed) {
    RecordingScope r;
    std::vector<std::string> menu;
    GestFich::TFenetres f;
    f.MenuRecents = [&](const std::vector<std::string>& m) {
        menu = m;
        if (m.size() > 1) throw std::runtime_error("menu");
    };
    GestFich::InstalleFenetres(f);
    Document doc;
    doc.NomFichier = "/x/a.cse";
    doc.FormeAffichee = false;
    GestFich::AddRecentFile(doc);
    EXPECT_TRUE(menu.empty());
    doc.FormeAffichee = true;
    doc.NomFichier = "/x/b.cse";
    EXPECT_NO_THROW(GestFich::AddRecentFile(doc));
    EXPECT_EQ(menu, (std::vector<std::string>{"/x/b.cse", "/x/a.cse"}));
}

// ---- Faults the reader mends ----------------------------------------------------------------

TEST(OuvrirFichier, AMissingFileOrAFileWithoutAnySectionIsNotTakenUnderItsName) {
    RecordingScope r;
    Document doc = Document::Defaut();
    EXPECT_FALSE(OuvrirFichier(doc, "/nulle/part/absent.cse").Charge);
    EXPECT_EQ(doc.NbSurf(), 1);
    EXPECT_EQ(r.rec.messages, std::vector<std::string>{"Fichier /nulle/part/absent.cse inexistant"});
    for (const std::string& texte : {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR"), std::string(),
                                     std::string("[Titre]\nrien\n")}) {
        Lecture l(texte, "image.png");
        EXPECT_TRUE(l.res.Charge && !l.res.Complet && l.doc.NomFichier.empty());
        EXPECT_NE(Erreurs(l.r.rec).find("ne contient aucune section"), std::string::npos) << Erreurs(l.r.rec);
        EXPECT_THROW(GestFich::EnregistrerFichierAll(l.doc, 0), DocWriter::TErreurEcriture);
    }
    EXPECT_TRUE(Lecture(Doc("[MAIN]\n[END]\n")).res.Complet);  // a document with nothing in it
}

// Net and grid sizes outside their bounds, an unknown kind, weights that are
// not positive, points that overflow: the surface is refused by name.
TEST(OuvrirFichier, SurfacesThatCannotBeEvaluatedAreRefusedAndTheDocumentIsUntitled) {
    auto net = [](const std::string& nbl, const std::string& nbc, const std::string& point) {
        return "[NbL]\n" + nbl + "\n[NbC]\n" + nbc + "\n[V_0_0]\n" + point + "\n";
    };
    const std::string mesh = "[Type]\nMESH\n";
    struct Cas {
        std::string section;
        const char* message;
    } cas[] = {{net("32", "4", "1;2;3;1;"), "NbL = 32, NbC = 4 hors limites (0 à 31) - Surf1 (S1)"},
               {net("3", "-2", "1;2;3;1;"), "NbL = 3, NbC = -2 hors limites"},
               {net("1000000000", "1000000000", "1;2;3;1;"), "hors limites"},
               {net("0", "0", "1;2;3;1;"), "Erreur de lecture du fichier; NbVxi & NbVxj <=0 - Surf1"},
               {net("1", "1", "1;2;3;0;"), "poids de V_0_0 = 0 : les poids doivent être positifs - Surf1 (S1)"},
               {net("1", "1", "1;2;3;-1.5;"), "poids de V_0_0 = -1.5"},
               {net("1", "1", "1e308;2;3;2.5;"), "points calculés de la surface ne sont pas tous finis"},
               {mesh + net("-1", "2", ""), "hors limites pour une surface MESH"},
               {mesh + net("5000", "2", ""), "hors limites pour une surface MESH"},
               {mesh + net("0", "0", "5e37;2;3;"), "le point V_0_0 dépasse ±1e37 - Surf1 (S1)"},
               {"[Type]\nNURBS\n", "Type de surface inconnu \"NURBS\" - Surf1"}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.message);
        Signalee l(Nurbs(0, 2, 2) + "[SURF1]\n[Nom]\nS1\n" + c.section + "[END]\n" + Nurbs(2, 2, 2) +
                       "[SOUDES]\n[NbGp]\n1\n[GpS_0]\n2\n[V_0_0]\n0;1;1;\n[V_0_1]\n2;0;0;\n[END]\n",
                   {c.message, "sans nom"});
        EXPECT_EQ(l.doc.NbSurf(), 1);  // the surfaces after the refused one are not read
        EXPECT_TRUE(l.doc.NomFichier.empty() && !l.doc.Enregistre());
        EXPECT_EQ(l.doc.SurfaceNurbs(0)->Calculee, 1);
        ASSERT_EQ(l.doc.ListSoudures.size(), 1u);  // the point on surface 2 is dropped
        EXPECT_EQ(l.doc.ListSoudures[0].Count(), 1);
    }
}

TEST(OuvrirFichier, OrdersAreBroughtWithinWhatTheEvaluationAccepts) {
    // The file's orders are not kept.
    Signalee l(Nurbs(0, 31, 3, "", "[LFlex]\n9\n[CFlex]\n1\n") + Nurbs(1, 4, 4, "", "[LFlex]\n6\n[CFlex]\n4\n"),
               {"ordres LFlex = 9, CFlex = 1 ramenés à 6, 2 - Surf0"});
    const TNet& n = l.doc.SurfaceNurbs(0)->Net;
    EXPECT_EQ(std::tuple(n.LFlex, n.CFlex, l.doc.SurfaceNurbs(1)->Net.LFlex), std::tuple(6, 2, 6));  // 6 + 31 = 37 knots
    EXPECT_EQ(l.r.rec.messages.size(), 1u);
}

TEST(OuvrirFichier, GridListsStopAtOneHundredAndDiagonalsTakeTheShorterList) {
    std::string cent;
    for (int i = 0; i < 150; ++i) cent += std::to_string(i) + ";";
    // Values of the file left out.
    Signalee l(Nurbs(0, 2, 2) + "[GRILLE]\n[NumSc]\n4\n[LSe]\n" + cent +
                   "\n[LLe]\n1;2;x;4;\n[LLg]\n1;;3;\n[LDg]\n0.5;1;1.5;\n[LDgA]\n10;20;\n[END]\n",
               {"GRILLE/LSE - plus de 100 valeurs", "Erreur de lecture du fichier : GRILLE/LLE - Str = 1;2;x;4;",
                "3 positions de diagonales (LDg) et 2 angles (LDgA)"});
    // A family keeps the values before a bad field; a list ends at its first empty field.
    const TDefGrille& g = l.doc.DefGrille;
    EXPECT_EQ(std::tuple(g.NbSec, g.Sec.Val[100], g.NbLE, g.NbLongit, g.NbDiag), std::tuple(100, 99.0, 2, 1, 2));
    EXPECT_EQ(l.doc.SurfaceNurbs(0)->Sec.Count(), 100);
}

TEST(OuvrirFichier, WeldsOnPointsThatDoNotExistAreDroppedAndReported) {
    Signalee l(Nurbs(0, 3, 3) + "[SURF1]\n[Type]\nMESH\n[NbL]\n1\n[NbC]\n1\n[V_0_0]\n0;0;0;\n[V_0_1]\n0;0;0;\n"
                                   "[V_1_0]\n0;0;0;\n[V_1_1]\n0;0;0;\n[PlanS]\n0;0;0;1;0;0;0;1;0;0;0;1;\n[END]\n"
                                   "[SOUDES]\n[NbGp]\n3\n[GpS_0]\n6\n[V_0_0]\n0;2;2;\n[V_0_1]\n0;3;0;\n[V_0_2]\n7;0;0;\n"
                                   "[V_0_3]\n1;0;0;\n[V_0_4]\n-1;0;0;\n[V_0_5]\n0;-4;1;\n"
                                   "[GpS_1]\n2\n[V_1_0]\n0;0;x;\n[V_1_1]\n0;0;0;\n[GpS_2]\n1\n[V_2_0]\n5;5;5;\n[END]\n",
               {"Erreur de lecture du fichier : SOUDES - Str =0;0;x;", "SOUDES - 5 point(s) soudé(s)"});
    ASSERT_EQ(l.doc.ListSoudures.size(), 1u);  // group 1 stops at its bad point, group 2 loses its only one
    const TListPC& g = l.doc.ListSoudures[0];
    EXPECT_EQ(std::vector<TPC>(g.begin(), g.end()), (std::vector<TPC>{{0, 2, 2}, {0, 0, 1}}));  // a negative row reads as 0
    // A count far beyond the section is not believed.
    Lecture m(Doc(Nurbs(0, 2, 2) + "[SOUDES]\n[NbGp]\n2000000000\n[GpS_0]\n2000000000\n[V_0_0]\n0;1;1;\n[END]\n"));
    ASSERT_EQ(m.doc.ListSoudures.size(), 1u);
    EXPECT_EQ(m.doc.ListSoudures[0].Count(), 1);
}

TEST_F(RecentsVides, APointThatDoesNotConvertEndsTheReadingWithAnUntitledDocument) {
    std::vector<std::string> captions;
    GestFich::TFenetres f;
    f.Caption = [&](const std::string& c) { captions.push_back(c); };
    GestFich::InstalleFenetres(f);
    const std::string octets = Doc(Nurbs(0, 2, 2) + "[SURF1]\n[Type]\nSNURBS\n[NbL]\n2\n[NbC]\n2\n[V_0_0]\n1;2;3;1;\n"
                                   "[V_0_1]\n1;abc;3;1;\n[END]\n" + Nurbs(2, 2, 2) + "[REPERES]\n[Rep_1]\nA;1;2;3;\n[END]\n");
    Lecture l(octets);
    // One message: what was kept, the surface refused, the line and its text.
    ASSERT_EQ(l.r.rec.messages.size(), 1u);
    const auto ligne = 1 + std::count(octets.begin(), octets.begin() + static_cast<long>(octets.find("1;abc")), '\n');
    for (const std::string& morceau : {std::string("1 surface(s) gardée(s) ; la surface \"\" (SURF1) n'a pas été reprise"),
                                       "vertex V_0_1 (ligne " + std::to_string(ligne) + ") illisible : \"1;abc;3;1;\"",
                                       std::string("Enregistrer sous")})
        EXPECT_NE(l.r.rec.messages[0].find(morceau), std::string::npos) << morceau << "\n" << l.r.rec.messages[0];
    // Nothing after the fault is read; the document is untitled and not among the recent files.
    EXPECT_TRUE(!l.res.Complet && l.doc.NbSurf() == 1 && l.doc.ListReperes.empty() && !l.doc.Enregistre());
    EXPECT_EQ(captions.back(), "Corvane Shaper");
    EXPECT_EQ(GestFich::RecentFiles().Count(), 0);
}

TEST(OuvrirFichier, ErrorsInWeightsMarksAndFloodingPointsAreShown) {
    const std::string base = Nurbs(0, 2, 2);
    Signalee b(base + "[BALLAST]\n[Bl_1]\nA;1;2;3;4;-1;\n[Bl_2]\nB;x;2;3;4;-1;\n[END]\n[REPERES]\n[Rep_1]\nR;1;2;3;\n[END]\n",
               {"Erreur de lecture du fichier : BALLAST - Str = B;x;2;3;4;-1;"});
    EXPECT_TRUE(b.doc.ListReperes.empty());
    Signalee(base + "[REPERES]\n[Rep_1]\nR;1;2;\n[END]\n", {"Erreur de lecture du fichier : REPERES - Str = R;1;2;"});
    Signalee e(base + "[ENVAHISEMENT]\n[Rep_1]\nE;1;2;3;F;1;2;z;\n[END]\n", {"Erreur de lecture du fichier : POINTS_ENV - Str = "});
    EXPECT_EQ(e.doc.ListReperesEnv.size(), 1u);  // several records on one line; the bad one is dropped
    // A weight on a surface that does not exist stays, attached to none.
    Signalee s(base + "[BALLAST]\n[Bl_1]\nA;1;2;3;4;7;B;1;1;1;1;0;\n[END]\n",
               {"BALLAST - 1 charge(s) attachée(s) à une surface inexistante"});
    ASSERT_EQ(s.doc.ListPoids.size(), 2u);
    EXPECT_EQ(s.doc.ListPoids[0].Surf, -1);
}

// A section or a line of the file that the reading does not take in is
// named with its line; blanks after a header or a key and any line ends are
// read as meant.
TEST(OuvrirFichier, WhatTheReadingLeavesOutIsNamedAndTheDocumentIsUntitled) {
    const std::string s0 = Nurbs(0, 2, 2), s1 = Nurbs(1, 2, 2);
    std::string cent;
    for (int n = 0; n < 102; ++n) cent += Nurbs(n, 2, 2);
    struct Cas {
        std::string corps;
        const char* message;  // empty: read whole, without a message
    } cas[] = {
        {s0 + s1 + Nurbs(3, 2, 2), "section(s) non lue(s) : [SURF3] ligne 45"},  // two surfaces read
        {s0 + s0, "section(s) non lue(s) : [SURF0] ligne 25"},
        {cent, "100 surface(s) gardée(s)"},
        {cent, "[SURF100] ligne 2005, [SURF101] ligne 2025\nNombre maximum de Surfaces ouvertes atteint"},
        {s0 + "[XURF1]\n[Nom]\nS\n[END]\n" + s1, "section(s) non lue(s) : [XURF1] ligne 25"},
        {s0 + "[surf1]\n[Nom]\nS\n[END]\n", "section(s) non lue(s) : [surf1] ligne 25"},
        {s0 + std::string("[SU\0RF1]\n[Nom]\nS\n[END]\n", 23), "section(s) non lue(s) : [SU?RF1] ligne 25"},
        {s0.substr(0, s0.size() - 6), "le fichier est incomplet : [SURF0] ligne 5 sans [END]"},
        {Nurbs(0, 2, 2, "", "[V_2_0]\n1;2;3;1;\n"), "ligne(s) non lue(s) : [SURF0] lignes 22 à 23 « [V_2_0] »"},
        {Nurbs(0, 2, 2, "[Coul]\n"), "ligne(s) non lue(s) : [SURF0] ligne 10 « [Coul] »"},
        {Nurbs(0, 2, 2, "[Visible]\nx\n"), "Erreur de lecture du fichier : SURF0/Visible - Str = x"},
        {"[SURF0] \t\r[NbL]\t\r1\r[NbC]  \r\n1\r[V_0_0]\n1;2;3;1;\r[PlanS] \n0;0;0;1;0;0;0;1;0;0;0;1;\n[END] \n", ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.corps);
        Lecture l(Doc(c.corps));
        ASSERT_GE(l.doc.NbSurf(), 1);
        EXPECT_EQ(l.res.Complet, !*c.message);
        EXPECT_EQ(l.doc.NomFichier.empty(), !!*c.message);
        EXPECT_TRUE(*c.message ? UnMessageContient(l.r.rec, c.message) : l.r.rec.messages.empty()) << Erreurs(l.r.rec);
    }
    // Cut between two sections (today's writer writes every one): what is missing is said.
    const std::string o = LitOctets(Donnee("full.cse"));
    Lecture l(o.substr(0, o.find("[SURF1]")));
    EXPECT_TRUE(!l.res.Complet && l.doc.NomFichier.empty() &&
                UnMessageContient(l.r.rec, "le fichier est incomplet, section(s) absente(s) : [SOUDES], [VUES], [GRILLE], "
                                           "[OPTIONS], [COTES], [BALLAST], [REPERES], [ENVAHISEMENT]"));
}

// Of many places left out, the first ten by line are quoted, the others
// only counted.
TEST(OuvrirFichier, OfManyPlacesLeftOutTenAreQuoted) {
    GestFich::TPlaces p;
    int quotes = 0;
    for (int k = 0; k < 1000; ++k) p.Ajoute((k * 7919) % 1000, [&] { return std::to_string((k * 7919) % 1000 + 0 * ++quotes); });
    EXPECT_EQ(std::tuple(p.Nombre(), p.Gardees(), p.Liste()), std::tuple(1000u, 10u, "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, …"));
    EXPECT_LT(quotes, 100);
}

TEST(OuvrirFichier, EdgeCasesOfTheFormat) {
    // A mesh of 0 by 0 has exactly one point.
    Lecture m(Doc("[SURF0]\n[Type]\nMESH\n[NbL]\n0\n[NbC]\n0\n[V_0_0]\n1;2;3;\n[PlanS]\n0;0;0;1;0;0;0;1;0;0;0;1;\n[END]\n"));
    EXPECT_TRUE(m.res.Complet);
    EXPECT_EQ(m.doc.Surface(0)->Points.rows(), 1);
    EXPECT_EQ(m.doc.Surface(0)->Points[0][0], (TVertex3f{1, 2, 3}));
    // No row but five columns: an empty net, and the reading goes on. Why it
    // cannot be evaluated joins the reading's one message, at start-up too;
    // the current point goes to a surface that has points.
    Lecture n(Doc("[SURF0]\n[Nom]\nCoque\n[Coul]\n[NbL]\n0\n[NbC]\n5\n[PlanS]\n0;0;0;1;0;0;0;1;0;0;0;1;\n[END]\n" + Nurbs(1, 2, 2)),
              "essai.cse", true);
    EXPECT_TRUE(n.doc.NbSurf() == 2 && n.doc.CurrentPC == (TPC{1, 0, 0}));
    ASSERT_EQ(n.r.rec.messages.size(), 1u);
    EXPECT_TRUE(UnMessageContient(n.r.rec, "« [Coul] »\nSurface Coque : Réseau de points vide")) << n.r.rec.messages[0];
    EXPECT_NE(DocWriter::OctetsDocument(n.doc, {0}).find("[NbL]\r\n0\r\n[NbC]\r\n5\r\n[LFlex]"), std::string::npos);
    // PlanS absent: one message, the default frame.
    Lecture p(Doc("[SURF0]\n[NbL]\n1\n[NbC]\n1\n[V_0_0]\n1;1;1;1;\n[END]\n"));
    EXPECT_EQ(p.r.rec.messages, std::vector<std::string>{"Erreur de lecture du fichier SURF/PlanS - Str ="});
    EXPECT_TRUE(p.doc.Surface(0)->PlanSym.EstDefaut());
    // A dimension of another kind is skipped without a message; a bad one with.
    Lecture c(Doc(Nurbs(0, 2, 2) + "[COTES]\n[Ct_1]\nMesure;1;Plan;0;0;0;0;0;0;0;0;0;\n"
                                   "[Ct_2]\nRayon;1;Plan;0;0;0;0;0;0;0;0;\n[Ct_3]\nMetre;2;Coupe;1;2;3;4;5;6;7;8;9;\n[END]\n"));
    ASSERT_EQ(c.doc.ListCotes.size(), 1u);
    EXPECT_EQ(c.doc.ListCotes[0].Mesure.P2, (TVertex3f{7, 8, 9}));
    EXPECT_EQ(Erreurs(c.r.rec), "Erreur de lecture du fichier : COTES - Str = Rayon;1;Plan;0;0;0;0;0;0;0;0;");
    // Views: a bad key is reset, the studio without a message.
    Lecture v(Doc(Nurbs(0, 2, 2) + "[VUES]\n[Se]\n1;2;x;\n[Pl]\n3;4;5;\n[Pf]\n1;2;3;\n[Pe]\n1;2;3;4;\n"
                                   "[St]\nz;\n[END]\n[OPTIONS]\n[ImSe]\nf.png;1;x;\n[VueP2]\n1;2;3;4;\n[END]\n"));
    EXPECT_EQ(std::pair(v.doc.StockFen.Vues[0].Echelle, v.doc.StockFen.Vues[1].Echelle), std::pair(100.0f, 5.0f));
    EXPECT_EQ(Erreurs(v.r.rec), "Erreur de lecture du fichier : VUES/Se - Str = 1;2;x;\n"
                                "Erreur de lecture du fichier : VUES/Pe - Str = 1;2;3;4;\n"
                                "Erreur de lecture ImSe - Str = f.png;1;x;\n"
                                "Erreur de lecture du fichier : OPTIONS/VueP2 - Str = 1;2;3;4;");
    // Before 1.02 a picture is a bare file name, commas and all.
    Lecture i(Doc(Nurbs(0, 2, 2) + "[OPTIONS]\n[ImSe]\nc:\\fonds\\coupe;1,bmp\n[ImPl]\n;0;0;0;\n[END]\n", "1.01"));
    EXPECT_TRUE(i.res.Complet);
    EXPECT_EQ(i.doc.StockFen.Vues[0].Fond, (TFondFichier{"c:\\fonds\\coupe;1.bmp", 0, 0, 0}));
    EXPECT_EQ(i.doc.StockFen.Vues[1].Fond.Fichier, ";0;0;0;");
}

TEST(OuvrirFichier, VersionBoundariesOfTypeOrientationAndCompany) {
    const std::string surf =
        "[SURF0]\n[Type]\nMESH\n[NbL]\n1\n[NbC]\n1\n[Orientation]\n0\n[StabNeg]\n0\n[V_0_0]\n1;2;3;1;\n"
        "[V_0_1]\n1;2;3;1;\n[V_1_0]\n1;2;3;1;\n[V_1_1]\n1;2;3;1;\n"
        "[PlanS]\n0;0;0;1;0;0;0;1;0;0;0;1;\n[END]\n[MAIN]\n[Societe]\nS\n[Comment]\na\xA4;b;\n[END]\n";
    struct Cas {
        const char* version;
        bool mesh;        // "Type" read from 1.07 on
        int orientation;  // from "StabNeg" (inverted) up to 1.07, then from "Orientation"
        const char* societe;
        std::vector<std::string> comment;
    } cas[] = {{"1.06", false, 1, "", {"a\u00A4", "b"}},
               {"1.07", true, 1, "", {"a\u00A4", "b"}},
               {"1.08", true, 0, "", {"a\u00A4", "b"}},
               {"1.09", true, 0, "S", {"a"}},
               {"1.10", true, 0, "S", {"a"}}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.version);
        Lecture l(Doc(surf, c.version));
        ASSERT_EQ(l.doc.NbSurf(), 1);
        EXPECT_EQ(l.doc.SurfaceNurbs(0) == nullptr, c.mesh);
        EXPECT_EQ(l.doc.Surface(0)->Orientation, c.orientation);
        EXPECT_EQ(l.doc.PropFich.Societe, c.societe);
        EXPECT_EQ(l.doc.PropFich.Comment, c.comment);
    }
}

TEST(OuvrirFichier, AtStartUpTheWindowsAreLeftAlone) {
    int vues = 0, fenetresPC = 0;
    GestFich::TFenetres f;
    f.AppliqueVues = [&] { ++vues; };
    GestFich::InstalleFenetres(f);
    for (bool demarrage : {true, false}) {
        vues = fenetresPC = 0;
        RecordingScope r;
        Document doc;
        doc.FormeAffichee = !demarrage;
        doc.Hooks.MajFenetresPC = [&] { ++fenetresPC; };
        ASSERT_TRUE(OuvrirFichier(doc, Donnee("full.cse"), demarrage).Complet);
        // The views are stored all the same, to be taken by the windows when made.
        EXPECT_EQ(std::tuple(vues, fenetresPC, doc.StockFen.Vues[0].OrigX), std::tuple(int{!demarrage}, int{!demarrage}, 320)) << demarrage;
    }
    GestFich::InstalleFenetres({});
}

TEST(OuvrirFichier, IntoADocumentThatHoldsSurfacesTheFileIsAddedAfterThem) {
    RecordingScope r;
    Document doc = Document::Defaut();
    doc.NomFichier = "/x/mien.cse";
    doc.PropFich.Titre = "Mien";
    EXPECT_FALSE(OuvrirFichier(doc, Donnee("full.cse")).Complet);
    EXPECT_EQ(std::tie(doc.Surface(1)->Nom, doc.NomFichier, doc.PropFich.Titre), std::tuple("Coque", "/x/mien.cse", "Mien"));
    EXPECT_FALSE(doc.Enregistre());
    EXPECT_EQ(doc.ListSoudures[0][1], (TPC{2, 0, 0}));
    EXPECT_EQ(doc.ListPoids[1].Surf, 3);
}

}  // namespace
