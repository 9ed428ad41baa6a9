#include "export/ExportIGES.h"

#include <sys/stat.h>

#include <atomic>
#include <cmath>
#include <exception>
#include <stdexcept>
#include <mutex>
#include <thread>
#include <vector>
#include <filesystem>
#include <memory>

#include "base/Debug.h"
#include "base/Encodage.h"
#include "base/FichierAtomique.h"
#include "export/IgesFormat.h"
#include "model/Document.h"

namespace ExportIGES {

using namespace IgesFormat;

namespace {

std::string Date(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%y%m%d.%H%M%S", &tm);
    return buf;
}

// Texts are written one byte a character, so that Hollerith counts and
// columns hold.
std::string Octets(std::string_view utf8) { return Encodage::Utf8VersWindows1252(utf8); }

// The label of an entity: the first 8 characters of the name, in the
// printable ASCII that IGES records hold. Blanks stay; a Latin letter with an
// accent becomes the letter without it ("é" gives "e", "œ" gives "oe");
// any other character becomes "_".
std::string Etiquette(std::string_view nom) {
    // U+00C0 .. U+00FF without their accents; "_" for the two signs among them.
    static const char* const kLatin1[64] = {
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
        "D", "N", "O", "O", "O", "O", "O", "_", "O", "U", "U", "U", "U", "Y", "Th", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
        "d", "n", "o", "o", "o", "o", "o", "_", "o", "u", "u", "u", "u", "y", "th", "y"};
    std::string r;
    int caracteres = 0;
    for (std::size_t i = 0; i < nom.size() && caracteres < 8; ++caracteres) {
        // One UTF-8 character: its code point.
        const unsigned char c = static_cast<unsigned char>(nom[i]);
        const int suite = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t u = suite == 0 ? c : c & (0x3F >> suite);
        ++i;
        for (int k = 0; k < suite && i < nom.size(); ++k, ++i) u = (u << 6) | (static_cast<unsigned char>(nom[i]) & 0x3F);
        if (u >= 0x20 && u < 0x7F) r += static_cast<char>(u);
        else if (u >= 0xC0 && u <= 0xFF) r += kLatin1[u - 0xC0];
        else if (u == 0x152 || u == 0x153) r += u == 0x152 ? "OE" : "oe";
        else if (u == 0x160 || u == 0x161 || u == 0x17D || u == 0x17E || u == 0x178)
            r += static_cast<char>(u == 0x160 ? 'S' : u == 0x161 ? 's' : u == 0x17D ? 'Z' : u == 0x17E ? 'z' : 'Y');
        else r += '_';
    }
    return r.substr(0, 8);
}

class TIges {
public:
    TSection S{'S'}, G{'G'}, D{'D'}, P{'P'};
    double MaxCoord = 0.0;
    std::string Note;  // the surfaces left out, or that no surface was written

    // The two D records of an entity whose P records start at pointeurP.
    void DE(int type, int pointeurP, int nbP, int couleur, const char* statut, const std::string& label,
            int indice) {
        const int seq = D.Count() + 1;
        D.AjouteRecord(RecordD({std::to_string(type), std::to_string(pointeurP), "0", "0", "0", "0", "0", "0",
                                statut},
                               seq));
        D.AjouteRecord(RecordD({std::to_string(type), "0", std::to_string(couleur), std::to_string(nbP), "0", "0",
                                "0", label, std::to_string(indice)},
                               seq + 1));
    }
};

// One B-spline entity from the evaluation record: a surface, or a curve
// along the row (dir 0) or the column (dir 1) of a one-line net. Returns its
// count of P records; maxCoord grows to its largest absolute coordinate.
//
// A surface runs along a row first (the column index fastest), then across
// the rows. Its mirror image runs the other way round, across the rows first:
// a mirror turns a surface over, exchanging its two directions turns it back,
// so that the mirror half keeps the side of the hull that faces outwards (and
// encloses a volume of the same sign). Its grid, once evaluated, is the
// image of the surface's own with rows and columns exchanged, which gives its
// cells the image of the surface's own diagonals.
// A surface of orientation 0 faces against the way its net runs: its
// directions are exchanged so that the file's surface faces as the
// document's does, and its mirror image then keeps them.
int PDBSpline(TSection& P, const SNURBS& r, const TPlanSym* miroir, bool retournee, int dir, int de,
              double& maxCoord) {
    const int nl = r.lastU + 1, nc = r.lastV + 1;
    bool polynome = true;
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nc; ++j) polynome = polynome && r.weights[i][j] == 1.0;
    const std::string prop3 = polynome ? "1" : "0";
    // The first direction written (the fastest) and the second.
    struct TDirection {
        int n, ordre;
        const double* noeuds;
    };
    const TDirection colonnes{nc, r.orderV, r.knotsV}, lignes{nl, r.orderU, r.knotsU};
    const bool echange = dir < 0 && ((miroir != nullptr) != retournee);
    const TDirection& d1 = echange ? lignes : colonnes;
    const TDirection& d2 = echange ? colonnes : lignes;
    auto pc = [&](const auto& t, int a, int b) -> const auto& { return echange ? t[a][b] : t[b][a]; };
    int n = 0;
    auto groupe = [&](auto&& f) {
        P.Debut(de);
        f();
        n += P.Fin();
    };
    auto noeuds = [&](const TDirection& d) {
        groupe([&] {
            for (int i = 0; i < d.n + d.ordre; ++i) P.JetonReel(d.noeuds[i]);
        });
    };
    auto poids = [&] {
        groupe([&] {
            for (int b = 0; b < d2.n; ++b)
                for (int a = 0; a < d1.n; ++a) P.JetonReel(pc(r.weights, a, b));
        });
    };
    auto points = [&] {
        groupe([&] {
            for (int b = 0; b < d2.n; ++b)
                for (int a = 0; a < d1.n; ++a) {
                    const TVertex3f& q = pc(r.points, a, b);
                    TVertex3f p = q;
                    if (miroir) Calcs::CalcSym(q, miroir->Normal, miroir->D, p);
                    maxCoord = std::max({maxCoord, std::fabs(p.X), std::fabs(p.Y), std::fabs(p.Z)});
                    P.JetonReel(p.X), P.JetonReel(p.Y), P.JetonReel(p.Z);
                }
        });
    };
    auto bornes = [&](const TDirection& d, char fin = ',') {
        P.JetonReel(d.noeuds[0]), P.JetonReel(d.noeuds[d.n + d.ordre - 1], fin);
    };
    if (dir < 0) {
        n += P.Ajoute("128," + std::to_string(d1.n - 1) + "," + std::to_string(d2.n - 1) + "," +
                          std::to_string(d1.ordre - 1) + "," + std::to_string(d2.ordre - 1) + ",0,0," + prop3 +
                          ",0,0,",
                      de);
        noeuds(d1);
        noeuds(d2);
        poids();
        points();
        groupe([&] {
            bornes(d1);
            bornes(d2, ';');
        });
    } else {
        const TDirection& d = dir == 0 ? colonnes : lignes;
        n += P.Ajoute("126," + std::to_string(d.n - 1) + "," + std::to_string(d.ordre - 1) + ",0,0," + prop3 + ",0,",
                      de);
        noeuds(d);
        poids();
        points();
        groupe([&] {
            bornes(d);
            P.Jeton("0.0,0.0,0.0;");
        });
    }
    return n;
}


// One entity to write: a colour, or a curve or surface (mirrored or not).
struct TEntite {
    const TSurface* Surf = nullptr;
    int Type = kSurfaceBSpline;
    int Couleur = 1;  // the colour (kCouleur), else the colour field of the entry
    int Dir = -1;
    const TPlanSym* Miroir = nullptr;
    TSection P{'P'};
    int NbP = 0;
    double MaxCoord = 0.0;
};

// f(0) .. f(n - 1), shared among the processor's threads when there is
// enough to share; an exception in one is raised again here.
template <class F>
void PourChacune(std::size_t n, F&& f) {
    const std::size_t nt = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), n / 4);
    if (nt <= 1) {
        for (std::size_t k = 0; k < n; ++k) f(k);
        return;
    }
    std::atomic<std::size_t> suivant{0};
    std::exception_ptr erreur;
    std::mutex m;
    auto travail = [&] {
        try {
            for (std::size_t k; (k = suivant++) < n;) f(k);
        } catch (...) {
            std::lock_guard<std::mutex> l(m);
            if (!erreur) erreur = std::current_exception();
            suivant = n;
        }
    };
    std::vector<std::thread> fils;
    for (std::size_t t = 1; t < nt; ++t) fils.emplace_back(travail);
    travail();
    for (std::thread& t : fils) t.join();
    if (erreur) std::rethrow_exception(erreur);
}

void Start(TIges& f, const Document& doc) {
    std::string t = "IGS File Output Containing Corvane Shaper Created NURBS,IGS File Format Based on IGES V5.2";
    if (!doc.PropFich.Titre.empty()) t += ", Title : " + Octets(doc.PropFich.Titre);
    if (!doc.PropFich.Version.empty()) t += ", Version : " + Octets(doc.PropFich.Version);
    f.S.Ajoute(t, -1, true);
}

void Global(TIges& f, const Document& doc, const TDates& dates) {
    const std::string nom = Octets(std::filesystem::path(doc.NomFichier).filename().string());
    char maxc[48];
    std::snprintf(maxc, sizeof maxc, "%.3fD0", std::ceil(f.MaxCoord * 1000.0) / 1000.0);
    std::string t = "1H,,1H;,";
    for (const std::string& p :
         {Hollerith("Corvane Shaper v1.0"), Hollerith(nom), Hollerith("CorvaneShaper v1.0"), Hollerith("1"),
          std::string("32"), std::string("38"), std::string("7"), std::string("308"), std::string("15"),
          std::string(), std::string("1.0D0"), std::string("6"), std::string("1HM"), std::string("1"),
          std::string("0.254D0"), Hollerith(Date(dates.Fichier)), std::string("0.001D0"), std::string(maxc),
          Hollerith(Octets(doc.PropFich.Archi)), Hollerith(Octets(doc.PropFich.Societe)), std::string("10"),
          std::string("0")})
        t += p + ",";
    t += Hollerith(Date(dates.Modele)) + ";";
    f.G.Ajoute(t);
}

// The four sections of the file.
void Construit(TIges& f, const Document& doc, const TOptionsExport& opt, const TDates& datesDonnees) {
    DBG_SCOPE("ExportIGES.EcrireFichierIGES");
    TDates dates = datesDonnees;
    const std::time_t now = std::time(nullptr);
    if (dates.Fichier == 0) dates.Fichier = now;
    if (dates.Modele == 0) {
        struct stat st {};
        dates.Modele = (!doc.NomFichier.empty() && ::stat(doc.NomFichier.c_str(), &st) == 0) ? st.st_mtime : now;
    }
    Start(f, doc);

    // The entities in file order, each with its directory entry's number.
    std::vector<TEntite> entites;
    int nurbs = 0;
    for (const auto& ps : doc.Surfaces) {
        const auto* s = dynamic_cast<const TSurface*>(ps.get());
        if (!s || !s->Visible) continue;
        // A net of one point would be a curve of degree 0, which readers drop.
        std::string pourquoi = nurbs::CheckNet(s->Net, 1);
        if (pourquoi.empty() && s->Net.NbL == 1 && s->Net.NbC == 1) pourquoi = "réseau d'un seul point";
        if (!pourquoi.empty()) {
            f.Note += "Surface \"" + s->Nom + "\" non écrite : " + pourquoi + "\n";
            continue;
        }
        ExportCommun::VerifieFinie(*s);
        int couleur = 1;
        if (opt.Couleur) {
            TEntite& e = entites.emplace_back();
            e.Surf = s;
            e.Type = kCouleur;
            e.Couleur = static_cast<TColor>(s->Couleur);  // the bytes stored, -1 as white
            couleur = -(2 * int(entites.size()) - 1);
        }
        if (!opt.Nurbs) continue;
        ++nurbs;
        const int dir = (s->Net.NbL > 1 && s->Net.NbC > 1) ? -1 : (s->Net.NbL == 1 ? 0 : 1);
        for (const TPlanSym* miroir : {static_cast<const TPlanSym*>(nullptr), &s->PlanSym}) {
            if (miroir && !s->Sym) break;
            TEntite& e = entites.emplace_back();
            e.Surf = s;
            e.Type = dir < 0 ? kSurfaceBSpline : kCourbeBSpline;
            e.Dir = dir;
            e.Miroir = miroir;
            e.Couleur = couleur;
        }
    }
    if (nurbs == 0) f.Note += "Aucune surface NURBS écrite : le fichier IGES ne contient aucune surface\n";
    if (!f.Note.empty()) f.Note.pop_back();  // the last line end
    // Their parameters are written side by side, each in records of its own...
    PourChacune(entites.size(), [&](std::size_t k) {
        TEntite& e = entites[k];
        try {
        const int de = 2 * int(k) + 1;
        if (e.Type == kCouleur) {
            const int R = ColorR(TColor(e.Couleur)), V = ColorG(TColor(e.Couleur)), B = ColorB(TColor(e.Couleur));
            char buf[160];
            std::snprintf(buf, sizeof buf, "314,%.4f,%.4f,%.4f,", R / 255.0 * 100, V / 255.0 * 100, B / 255.0 * 100);
            e.NbP = e.P.Ajoute(std::string(buf) +
                                   Hollerith("RGB(" + std::to_string(R) + "," + std::to_string(V) + "," +
                                             std::to_string(B) + ")") +
                                   ";",
                               de);
            return;
        }
        auto r = std::make_unique<SNURBS>();
        nurbs::NetToSNurbs(e.Surf->Net, *r);
        e.P.Reserve(std::size_t(e.Surf->Net.NbL * e.Surf->Net.NbC) * 90 + 1024);
        e.NbP = PDBSpline(e.P, *r, e.Miroir, e.Surf->Orientation == 0, e.Dir, de, e.MaxCoord);
        } catch (const std::domain_error&) {
            throw ExportCommun::TErreurNonFinie(e.Surf->Nom);  // a mirror plane that is not finite
        }
    });
    // ... then numbered in file order.
    std::size_t taille = 0;
    for (const TEntite& e : entites) taille += e.P.Texte().size();
    f.P.Reserve(taille);
    for (TEntite& e : entites) {
        const int p = f.P.Count() + 1;
        f.P.AjouteSection(e.P);
        f.MaxCoord = std::max(f.MaxCoord, e.MaxCoord);
        if (e.Type == kCouleur)
            f.DE(kCouleur, p, e.NbP, 1, "00000200", "COLOR", e.Surf->Index);
        else
            f.DE(e.Type, p, e.NbP, e.Couleur, "00000000", Etiquette(e.Surf->Nom), e.Surf->Index);
    }
    Global(f, doc, dates);
}

}  // namespace

std::string TexteIGES(const Document& doc, const TOptionsExport& opt, const TDates& dates, std::string* note) {
    TIges f;
    Construit(f, doc, opt, dates);
    if (note) *note = f.Note;
    std::string octets;
    octets.reserve(f.S.Texte().size() + f.G.Texte().size() + f.D.Texte().size() + f.P.Texte().size() + 81);
    for (const TSection* sec : {&f.S, &f.G, &f.D, &f.P}) octets += sec->Texte();
    octets += RecordT(f.S.Count(), f.G.Count(), f.D.Count(), f.P.Count());
    octets += '\n';
    return octets;
}

std::string EcrireFichierIGES(const std::string& fichier, const Document& doc, const TOptionsExport& opt) {
    TIges f;
    Construit(f, doc, opt, {});
    const std::string t = RecordT(f.S.Count(), f.G.Count(), f.D.Count(), f.P.Count()) + "\n";
    FichierAtomique::Ecrit(fichier, {f.S.Texte(), f.G.Texte(), f.D.Texte(), f.P.Texte(), t});
    return f.Note;
}

}  // namespace ExportIGES
