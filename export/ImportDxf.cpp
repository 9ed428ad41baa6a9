#include "export/ImportDxf.h"

#include <cstdint>
#include <memory>

#include "app/doc/GestFich.h"
#include "base/Chaines.h"
#include "base/Debug.h"
#include "base/Encodage.h"
#include "model/Document.h"

namespace ImportDxf {

namespace {

// One group: its code, its value and the line of its code (from 1).
struct TGroupe {
    int code = 0;
    std::string valeur;
    int ligne = 0;
};

std::string Nettoie(std::string s) {
    const std::size_t d = s.find_first_not_of(" \t"), f = s.find_last_not_of(" \t\r");
    return d == std::string::npos ? std::string() : s.substr(d, f - d + 1);
}

class Lecteur {
public:
    Lecteur(const std::vector<std::string>& l, Import::TLecture& lu) : l_(l), lu_(lu) {}

    void Lire() {
        if (!l_.empty() && l_[0].rfind("AutoCAD Binary DXF", 0) == 0) Echec(1, "DXF binaire non pris en charge");
        bool entites = false;
        while (Suivant()) {
            if (g_.code != 0) continue;
            if (g_.valeur == "EOF") break;
            if (g_.valeur == "SECTION") {
                if (!Suivant() || g_.code != 2) Echec(g_.ligne, "nom de section attendu");
                entites = g_.valeur == "ENTITIES";
                if (entites) Entites();
            }
        }
    }

    [[noreturn]] static void Echec(int ligne, const std::string& pourquoi) {
        throw std::runtime_error("ligne " + std::to_string(ligne) + " : " + pourquoi);
    }

private:
    // The next group; false at the end of the file.
    bool Suivant() {
        if (i_ >= l_.size()) return false;
        if (i_ + 1 >= l_.size()) Echec(static_cast<int>(i_ + 1), "code de groupe sans valeur");
        g_.ligne = static_cast<int>(i_ + 1);
        if (!Chaines::TexteVersEntier(Nettoie(l_[i_]), g_.code)) Echec(g_.ligne, "code de groupe illisible \"" + l_[i_] + "\"");
        g_.valeur = Nettoie(l_[i_ + 1]);
        i_ += 2;
        return true;
    }

    // The groups of the entity whose "0" group was just read, up to the next "0".
    std::vector<TGroupe> Corps() {
        std::vector<TGroupe> c;
        while (Suivant()) {
            if (g_.code == 0) {
                i_ -= 2;
                break;
            }
            c.push_back(g_);
        }
        return c;
    }

    static double Reel(const TGroupe& g) {
        double v = 0.0;
        if (!Chaines::TexteVersReel(g.valeur, v)) Echec(g.ligne + 1, "nombre illisible \"" + g.valeur + "\"");
        return v;
    }
    static int Entier(const TGroupe& g) {
        int v = 0;
        if (!Chaines::TexteVersEntier(g.valeur, v)) Echec(g.ligne + 1, "entier illisible \"" + g.valeur + "\"");
        return v;
    }

    void Entites() {
        while (Suivant()) {
            if (g_.code != 0) continue;
            const std::string genre = g_.valeur;
            const int ligne = g_.ligne;
            if (genre == "ENDSEC" || genre == "EOF") {
                if (genre == "EOF") i_ -= 2;
                return;
            }
            const std::vector<TGroupe> corps = Corps();
            if (genre == "POLYLINE")
                Polyligne(ligne, corps);
            else if (genre == "VERTEX")
                Echec(ligne, "VERTEX hors d'une POLYLINE");
            else if (genre != "SEQEND")
                ++lu_.Ignores[genre];
        }
    }

    void Polyligne(int ligne, const std::vector<TGroupe>& corps) {
        std::string calque;
        int flags = 0, m = 0, n = 0;
        for (const TGroupe& g : corps) {
            if (g.code == 8) calque = g.valeur;
            if (g.code == 70) flags = Entier(g);
            if (g.code == 71) m = Entier(g);
            if (g.code == 72) n = Entier(g);
        }
        const bool maillage = (flags & 16) != 0;
        // Its size once closed (a count may be the largest integer); a mesh
        // beyond the bounds (an empty one, as the export writes an empty
        // grid, or too large) keeps no point.
        const std::int64_t colonnes = std::int64_t{m} + ((flags & 1) ? 1 : 0),
                           lignes = std::int64_t{n} + ((flags & 32) ? 1 : 0);
        const bool vide = m < 1 || n < 1;
        const bool garde = maillage && !vide && colonnes <= GestFich::kMaxCoteMaillage && lignes <= GestFich::kMaxCoteMaillage;
        std::vector<TVertex3f> pts;
        if (garde) pts.reserve(static_cast<std::size_t>(m) * static_cast<std::size_t>(n));
        std::int64_t sommets = 0;
        for (;;) {
            if (!Suivant()) Echec(ligne, "POLYLINE sans SEQEND");
            if (g_.code != 0) continue;
            if (g_.valeur == "SEQEND") break;
            if (g_.valeur != "VERTEX") Echec(g_.ligne, g_.valeur + " dans une POLYLINE");
            TVertex3f p{};
            int vflags = 0;
            for (const TGroupe& g : Corps()) {
                if (g.code == 10) p.X = Reel(g);
                if (g.code == 20) p.Y = Reel(g);
                if (g.code == 30) p.Z = Reel(g);
                if (g.code == 70) vflags = Entier(g);
            }
            // The vertices a smoothed mesh adds by fitting are not its grid.
            if (vflags & 8) continue;
            ++sommets;
            if (garde && sommets <= std::int64_t{m} * n) pts.push_back(p);
        }
        Corps();  // the SEQEND's own groups
        if (!maillage) {
            ++lu_.Ignores[(flags & 64) ? "POLYLINE (maillage polyface)" : "POLYLINE"];
            return;
        }
        if (!garde) {
            lu_.Refus.push_back("Maillage \"" + calque + "\" (ligne " + std::to_string(ligne) + ") : " +
                                std::to_string(lignes) + " x " + std::to_string(colonnes) + " points, " +
                                (vide ? std::string("au moins 1 x 1")
                                      : "au plus " + std::to_string(GestFich::kMaxCoteMaillage) + " x " +
                                            std::to_string(GestFich::kMaxCoteMaillage)));
            return;
        }
        if (sommets != std::int64_t{m} * n)
            Echec(ligne, "maillage \"" + calque + "\" de " + std::to_string(m) + " x " + std::to_string(n) + " avec " +
                             std::to_string(sommets) + " sommets");
        auto s = std::make_unique<TDXFSurface>(0, static_cast<int>(lignes), static_cast<int>(colonnes), TDefGrille{});
        for (int k = 0; k < m * n; ++k) s->Points[k % n][k / n] = pts[static_cast<std::size_t>(k)];
        if (flags & 1)
            for (int i = 0; i < n; ++i) s->Points[i][m] = s->Points[i][0];
        if (flags & 32)
            for (int j = 0; j < s->Points.cols(); ++j) s->Points[n][j] = s->Points[0][j];
        s->SetNom(calque.empty() ? std::string("DXF") : calque);
        s->Sym = 0;  // the file holds the whole of the geometry
        lu_.Garde(std::move(s));
    }

    const std::vector<std::string>& l_;
    Import::TLecture& lu_;
    std::size_t i_ = 0;
    TGroupe g_;
};

}  // namespace

bool Lit(std::string_view octets, Import::TLecture& lu, std::string& erreur) {
    DBG_SCOPE("ImportDxf.Lit");
    const std::vector<std::string> lignes = Encodage::DecoupeLignes(Encodage::DecodeTexte(octets));
    return Import::Essaie(lu, erreur, [&](Import::TLecture& r) { Lecteur(lignes, r).Lire(); });
}

int Importe(Document& doc, const std::string& chemin) { return Import::Fichier(doc, chemin, Lit); }

}  // namespace ImportDxf
