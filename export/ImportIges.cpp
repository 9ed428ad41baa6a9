#include "export/ImportIges.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "base/Chaines.h"
#include "base/Debug.h"
#include "base/Encodage.h"
#include "model/Document.h"
#include "model/Nurbs.h"

namespace ImportIges {

namespace {

[[noreturn]] void Echec(const std::string& pourquoi) { throw std::runtime_error(pourquoi); }

// Bytes of the file quoted in a message or kept as a name.
std::string Texte(std::string_view octets) { return Encodage::DecodeTexte(octets); }

// The free-format parameters of a text up to its record delimiter, each a
// number as written or a Hollerith text ("nH" and n bytes), held as places
// in the text so that a long list takes little more than the text itself.
class TParams {
public:
    TParams(std::string texte, char pd, char rd) : t_(std::move(texte)) {
        std::size_t i = 0;
        for (;;) {
            while (i < t_.size() && t_[i] == ' ') ++i;
            std::size_t j = i;
            while (j < t_.size() && t_[j] >= '0' && t_[j] <= '9') ++j;
            TPlace p{};
            if (j > i && j < t_.size() && (t_[j] == 'H' || t_[j] == 'h')) {
                int n = 0;
                if (!Chaines::TexteVersEntier(std::string_view(t_).substr(i, j - i), n) ||
                    t_.size() - (j + 1) < static_cast<std::size_t>(n))
                    Echec("texte Hollerith tronqué");
                p = {static_cast<std::uint32_t>(j + 1), static_cast<std::uint32_t>(n), 1};
                i = j + 1 + static_cast<std::size_t>(n);
                while (i < t_.size() && t_[i] == ' ') ++i;
            } else {
                j = i;
                while (j < t_.size() && t_[j] != pd && t_[j] != rd) ++j;
                p = {static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(j - i), 0};
                i = j;
            }
            p_.push_back(p);
            if (i >= t_.size() || t_[i] == rd) return;
            if (t_[i] != pd) Echec("délimiteur attendu après \"" + Texte(Brut(p_.size() - 1)) + "\"");
            ++i;
        }
    }
    std::size_t size() const { return p_.size(); }
    bool Hollerith(std::size_t k) const { return p_[k].hollerith; }
    // The parameter as written; a number without its blanks.
    std::string Brut(std::size_t k) const {
        std::string r = t_.substr(p_[k].debut, p_[k].longueur);
        if (!p_[k].hollerith) r.erase(std::remove(r.begin(), r.end(), ' '), r.end());
        return r;
    }

private:
    struct TPlace {
        std::uint32_t debut;
        std::uint32_t longueur : 31;
        std::uint32_t hollerith : 1;
    };
    std::string t_;
    std::vector<TPlace> p_;
};

double Reel(const TParams& p, std::size_t k, const std::string& ou) {
    if (k >= p.size()) Echec(ou + " : paramètres incomplets");
    std::string t = p.Brut(k);
    std::replace(t.begin(), t.end(), 'D', 'E');
    std::replace(t.begin(), t.end(), 'd', 'e');
    double v = 0.0;
    if (p.Hollerith(k) || !Chaines::TexteVersReel(t, v)) Echec(ou + " : nombre illisible \"" + Texte(p.Brut(k)) + "\"");
    return v;
}

int Entier(const TParams& p, std::size_t k, const std::string& ou) {
    const double v = Reel(p, k, ou);
    if (v != std::floor(v) || std::fabs(v) > 1e9) Echec(ou + " : entier attendu \"" + p.Brut(k) + "\"");
    return static_cast<int>(v);
}

// Metres per unit of the global section's units flag (and name, for flag 3).
double Unite(int flag, const std::string& nom) {
    static const double kUnites[] = {0, 0.0254, 0.001, 0, 0.3048, 1609.344, 1, 1000, 2.54e-5, 1e-6, 0.01, 2.54e-8};
    if (flag == 3) {
        std::string n = nom;
        for (char& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (const auto& [u, m] : {std::pair{"M", 1.0}, {"MM", 0.001}, {"CM", 0.01}, {"KM", 1000.0}, {"IN", 0.0254},
                                   {"INCH", 0.0254}, {"FT", 0.3048}})
            if (n == u) return m;
        Echec("unité \"" + nom + "\" inconnue");
    }
    if (flag < 1 || flag > 11) Echec("unité " + std::to_string(flag) + " inconnue");
    return kUnites[flag];
}

struct TEntree {
    int type = 0, pointeurP = 0, transfo = 0, couleur = 0, nbP = 0;
    std::string etiquette;
};

class Lecteur {
public:
    // The records are cut on bytes: a character of two bytes in a text (a
    // title, a name) would otherwise move the columns of its record.
    Lecteur(std::string_view octets, Import::TLecture& lu) : lu_(lu) {
        std::size_t n = 0;
        for (std::size_t d = 0; d < octets.size();) {
            const std::size_t f = std::min(octets.find_first_of("\r\n", d), octets.size());
            const std::string_view r = octets.substr(d, f - d);
            d = f + (octets.compare(f, 2, "\r\n") == 0 ? 2 : 1);
            ++n;
            if (r.find_first_not_of(" \t") == std::string_view::npos) continue;
            if (r.size() < 73) Echec("ligne " + std::to_string(n) + " : enregistrement de moins de 73 colonnes");
            switch (r[72]) {
                case 'S': break;
                case 'G': g_ += r.substr(0, 72); break;
                case 'D': d_.push_back(r); break;
                case 'P': p_.push_back(r); break;
                case 'T': break;
                default:
                    Echec("ligne " + std::to_string(n) + " : section \"" + Texte(r.substr(72, 1)) +
                          "\" (seul le format ASCII à 80 colonnes est lu)");
            }
        }
        if (d_.size() % 2) Echec("section D d'un nombre impair d'enregistrements");
    }

    void Lire() {
        Globale();
        for (std::size_t k = 0; k < d_.size() / 2; ++k) {
            const int de = static_cast<int>(2 * k + 1);
            const TEntree e = Entree(de);
            if (e.type == 128)
                Surface(de, e);
            else if (e.type != 314 && e.type != 124 && e.type != 0)
                ++lu_.Ignores["entité " + std::to_string(e.type)];
        }
    }

private:
    void Globale() {
        // The two delimiters, when the file names its own ("1Hx"); the second
        // field starts after the first and its delimiter.
        auto hollerith1 = [this](std::size_t i) { return g_.size() >= i + 3 && g_.compare(i, 2, "1H") == 0; };
        const bool propre = hollerith1(0);
        if (propre) pd_ = g_[2];
        const std::size_t second = propre ? 4 : 1;
        if (hollerith1(second)) rd_ = g_[second + 2];
        if (g_.empty()) return;  // every default: inches
        const TParams p(g_, pd_, rd_);
        const int flag = p.size() > 13 && !p.Brut(13).empty() ? Entier(p, 13, "section G") : 1;
        unite_ = Unite(flag, p.size() > 14 ? Texte(p.Brut(14)) : std::string());
    }

    static int Champ(std::string_view r, int f) {
        int v = 0;
        const std::string_view t = r.substr(static_cast<std::size_t>(8 * f), 8);
        if (t.find_first_not_of(' ') != std::string_view::npos && !Chaines::TexteVersEntier(t, v))
            Echec("section D : champ illisible \"" + Texte(t) + "\"");
        return v;
    }

    TEntree Entree(int de) const {
        if (de < 1 || static_cast<std::size_t>(de) > d_.size() || de % 2 == 0)
            Echec("pointeur d'entité " + std::to_string(de) + " hors de la section D");
        const std::string_view r1 = d_[static_cast<std::size_t>(de - 1)];
        const std::string_view r2 = d_[static_cast<std::size_t>(de)];
        TEntree e;
        e.type = Champ(r1, 0);
        e.pointeurP = Champ(r1, 1);
        e.transfo = Champ(r1, 6);
        e.couleur = Champ(r2, 2);
        e.nbP = Champ(r2, 3);
        std::string_view l = r2.substr(56, 8);
        while (!l.empty() && l.back() == ' ') l.remove_suffix(1);
        while (!l.empty() && l.front() == ' ') l.remove_prefix(1);
        e.etiquette = Texte(l);
        return e;
    }

    TParams Donnees(int de, const TEntree& e) const {
        const std::string ou = Nom(de, e.type);
        if (e.pointeurP < 1 || e.nbP < 1 || static_cast<std::size_t>(e.pointeurP - 1 + e.nbP) > p_.size())
            Echec(ou + " : données hors de la section P");
        std::string t;
        t.reserve(static_cast<std::size_t>(e.nbP) * 64);
        for (int k = 0; k < e.nbP; ++k) t += p_[static_cast<std::size_t>(e.pointeurP - 1 + k)].substr(0, 64);
        TParams p(std::move(t), pd_, rd_);
        if (Entier(p, 0, ou) != e.type) Echec(ou + " : type " + p.Brut(0) + " dans la section P");
        return p;
    }

    static std::string Nom(int de, int type) { return "entité " + std::to_string(type) + " (DE " + std::to_string(de) + ")"; }

    // The matrix of entity 124 at de, composed with the one it points to.
    void Transforme(int de, TVertex3f& q, int profondeur = 0) const {
        if (de == 0) return;
        if (profondeur > 16) Echec("chaîne de transformations trop longue (DE " + std::to_string(de) + ")");
        const TEntree e = Entree(de);
        if (e.type != 124) Echec(Nom(de, e.type) + " : transformation (124) attendue");
        const TParams p = Donnees(de, e);
        double m[12];
        for (int k = 0; k < 12; ++k) m[k] = Reel(p, static_cast<std::size_t>(k + 1), Nom(de, 124));
        q = {m[0] * q.X + m[1] * q.Y + m[2] * q.Z + m[3], m[4] * q.X + m[5] * q.Y + m[6] * q.Z + m[7],
             m[8] * q.X + m[9] * q.Y + m[10] * q.Z + m[11]};
        Transforme(e.transfo, q, profondeur + 1);
    }

    std::int32_t Couleur(const TEntree& e) const {
        if (e.couleur >= 0) return -1;
        const int de = -e.couleur;
        const TEntree c = Entree(de);
        if (c.type != 314) Echec(Nom(de, c.type) + " : couleur (314) attendue");
        const TParams p = Donnees(de, c);
        std::int32_t rgb = 0;
        for (int k = 0; k < 3; ++k) {
            const double v = std::clamp(Reel(p, static_cast<std::size_t>(k + 1), Nom(de, 314)), 0.0, 100.0);
            rgb |= static_cast<std::int32_t>(std::lround(v * 255.0 / 100.0)) << (8 * k);
        }
        return rgb;
    }

    void Surface(int de, const TEntree& e) {
        const std::string ou = Nom(de, 128);
        const TParams p = Donnees(de, e);
        const int k1 = Entier(p, 1, ou), k2 = Entier(p, 2, ou), m1 = Entier(p, 3, ou), m2 = Entier(p, 4, ou);
        if (k1 < 0 || k2 < 0 || m1 < 1 || m2 < 1 || m1 > k1 || m2 > k2)
            Echec(ou + " : indices " + std::to_string(k1) + ", " + std::to_string(k2) + " et degrés " +
                  std::to_string(m1) + ", " + std::to_string(m2) + " incohérents");
        auto refuse = [&](const std::string& pourquoi) {
            lu_.Refus.push_back("Surface \"" + e.etiquette + "\", " + ou + " : " + pourquoi);
        };
        const int nbC = k1 + 1, nbL = k2 + 1;
        if (nbC > kMaxNetSize || nbL > kMaxNetSize)
            return refuse("réseau de " + std::to_string(nbL) + " x " + std::to_string(nbC) + " points, au plus 31 x 31");
        if (m1 + 1 > kMaxOrder || m2 + 1 > kMaxOrder)
            return refuse("ordres " + std::to_string(m2 + 1) + " et " + std::to_string(m1 + 1) + ", de 2 à 7");
        // Knots S, then T, weights and points (first index fastest), then the parameter range.
        const std::size_t nS = static_cast<std::size_t>(k1 + m1 + 2), nT = static_cast<std::size_t>(k2 + m2 + 2);
        const std::size_t nW = static_cast<std::size_t>(nbC * nbL);
        const std::size_t s0 = 10, t0 = s0 + nS, w0 = t0 + nT, x0 = w0 + nW, u0 = x0 + 3 * nW;
        Reel(p, u0 + 3, ou);  // every parameter is there
        const std::size_t debuts[2] = {s0, t0}, nombres[2] = {nS, nT};
        const int ordres[2] = {m1 + 1, m2 + 1}, derniers[2] = {k1, k2};
        for (int d = 0; d < 2; ++d) {
            // A net that fits may still need more knots than the evaluation keeps (refused below).
            double attendu[kMaxNetSize + kMaxOrder] = {};
            nurbs::KnotOpenUniform(ordres[d], derniers[d], attendu);
            const double a = Reel(p, debuts[d], ou), b = Reel(p, debuts[d] + nombres[d] - 1, ou);
            if (!(b > a)) Echec(ou + " : vecteur nodal vide ou décroissant");
            for (std::size_t k = 0; k < nombres[d]; ++k)
                if (std::fabs((Reel(p, debuts[d] + k, ou) - a) / (b - a) - attendu[k]) > 1e-4)
                    return refuse("nœuds non uniformes (le programme n'évalue que des nœuds uniformes)");
            const double v0 = Reel(p, u0 + 2 * static_cast<std::size_t>(d), ou), v1 = Reel(p, u0 + 2 * static_cast<std::size_t>(d) + 1, ou);
            if (std::fabs(v0 - a) > 1e-4 * (b - a) || std::fabs(v1 - b) > 1e-4 * (b - a))
                return refuse("domaine paramétrique restreint");
        }
        auto s = std::make_unique<TSurface>(0, 1, TDefGrille{});
        TNet& net = s->Net;
        net.NbL = nbL;
        net.NbC = nbC;
        net.CFlex = m1 + 1;
        net.LFlex = m2 + 1;
        for (int i = 0; i < nbL; ++i)
            for (int j = 0; j < nbC; ++j) {
                const std::size_t k = static_cast<std::size_t>(i * nbC + j);
                const double w = Reel(p, w0 + k, ou);
                if (!(w > 0.0)) return refuse("poids " + p.Brut(w0 + k) + " (les poids doivent être positifs)");
                TVertex3f q{Reel(p, x0 + 3 * k, ou), Reel(p, x0 + 3 * k + 1, ou), Reel(p, x0 + 3 * k + 2, ou)};
                Transforme(e.transfo, q);
                q = {q.X * unite_, q.Y * unite_, q.Z * unite_};
                if (!DansLaPortee(q))
                    return refuse("point " + std::to_string(k + 1) + " hors des nombres finis ou de ±1e37 une fois en mètres");
                net.TabPC[i][j] = {q.X, q.Y, q.Z, w};
            }
        if (const std::string pourquoi = nurbs::CheckNet(net, 1); !pourquoi.empty()) return refuse(pourquoi);
        s->SetNom(e.etiquette.empty() ? "IGES " + std::to_string(de) : e.etiquette);
        s->Couleur = Couleur(e);
        s->Sym = 0;  // the file holds the whole of the geometry
        lu_.Garde(std::move(s));
    }

    Import::TLecture& lu_;
    std::string g_;
    std::vector<std::string_view> d_, p_;
    char pd_ = ',', rd_ = ';';
    double unite_ = 0.0254;
};

}  // namespace

bool Lit(std::string_view octets, Import::TLecture& lu, std::string& erreur) {
    DBG_SCOPE("ImportIges.Lit");
    return Import::Essaie(lu, erreur, [&](Import::TLecture& r) { Lecteur(octets, r).Lire(); });
}

int Importe(Document& doc, const std::string& chemin) { return Import::Fichier(doc, chemin, Lit); }

}  // namespace ImportIges
