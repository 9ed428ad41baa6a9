#include "app/Vellamor.h"

#include <algorithm>
#include <cmath>

#include "app/doc/DocFormat.h"
#include "base/Debug.h"
#include "model/Document.h"
#include "model/Update.h"

namespace Vellamor {

namespace {

constexpr const char* kCles[3] = {"VitesseMin", "VitesseMax", "NbVitesses"};
constexpr const char* kNoms[3] = {"Vitesse mini [m/s]", "Vitesse maxi [m/s]", "Nombre de vitesses"};

bool Nombre(std::string t, double& v) {
    std::replace(t.begin(), t.end(), ',', '.');
    std::replace(t.begin(), t.end(), 'D', 'e');
    std::replace(t.begin(), t.end(), 'd', 'e');
    return DocFormat::LitReel(t, v);
}

}  // namespace

std::string Verifie(const TConfig& c) {
    double v[3];
    for (int k = 0; k < 3; ++k)
        if (!Nombre(c.Parametres[static_cast<std::size_t>(k)], v[k]))
            return std::string("Valeur incorrecte pour \"") + kNoms[k] + "\" : \"" + c.Parametres[static_cast<std::size_t>(k)] + "\"";
    if (v[0] <= 0.0) return std::string("\"") + kNoms[0] + "\" doit être positive";
    if (v[1] <= v[0]) return std::string("\"") + kNoms[1] + "\" doit dépasser \"" + kNoms[0] + "\"";
    if (v[2] != std::floor(v[2]) || v[2] < 2 || v[2] > 1000)
        return std::string("\"") + kNoms[2] + "\" doit être un entier de 2 à 1000";
    return {};
}

std::vector<std::string> Lignes(const TConfig& c, const Document* doc) {
    DBG_SCOPE("Vellamor.Lignes");
    std::vector<std::string> l;
    l.push_back("Carene=" + std::string(c.Symetrique ? "Symetrique" : "Asymetrique"));
    for (int k = 0; k < 3; ++k) l.push_back(std::string(kCles[k]) + "=" + c.Parametres[static_cast<std::size_t>(k)]);
    l.push_back("SupprimerSortie=" + DocFormat::Booleen(c.SupprimerSortie));
    for (const std::string& nom : c.Surfaces) l.push_back("Surface=" + nom);
    if (!doc) return l;
    for (const std::string& nom : c.Surfaces) {
        const int k = ObjCom::SurfNom2Num(*doc, nom);
        const TEntity* s = doc->Surface(k);
        if (!s) continue;
        l.push_back("[SURFACE]");
        l.push_back("Nom=" + nom);
        l.push_back("Lignes=" + DocFormat::Entier(s->DernLigne + 1));
        l.push_back("Colonnes=" + DocFormat::Entier(s->DernCol + 1));
        PourChaquePoint(*s, s->Points, [&](const TVertex3f& p) {
            l.push_back(DocFormat::Reel(p.X) + " " + DocFormat::Reel(p.Y) + " " + DocFormat::Reel(p.Z));
        });
    }
    return l;
}

bool Lit(const std::vector<std::string>& lignes, TConfig& c, std::string& erreur) {
    DBG_SCOPE("Vellamor.Lit");
    TConfig lu;
    for (std::size_t n = 0; n < lignes.size(); ++n) {
        const std::string& ligne = lignes[n];
        if (ligne == "[SURFACE]") break;  // the grids of a run
        if (ligne.empty()) continue;
        const std::size_t egal = ligne.find('=');
        const std::string cle = ligne.substr(0, egal), val = egal == std::string::npos ? "" : ligne.substr(egal + 1);
        bool ok = egal != std::string::npos;
        if (cle == "Carene") {
            ok = ok && (val == "Symetrique" || val == "Asymetrique");
            lu.Symetrique = val == "Symetrique";
        } else if (cle == "SupprimerSortie") {
            ok = ok && (val == "0" || val == "1");
            lu.SupprimerSortie = val == "1";
        } else if (cle == "Surface") {
            lu.Surfaces.push_back(val);
        } else {
            const auto* p = std::find_if(std::begin(kCles), std::end(kCles), [&](const char* k) { return cle == k; });
            ok = ok && p != std::end(kCles);
            if (ok) lu.Parametres[static_cast<std::size_t>(p - std::begin(kCles))] = val;
        }
        if (!ok) {
            erreur = "Ligne " + std::to_string(n + 1) + " illisible : \"" + ligne + "\"";
            return false;
        }
    }
    c = std::move(lu);
    return true;
}

std::vector<TPoint> LitSortie(const std::vector<std::string>& lignes) {
    DBG_SCOPE("Vellamor.LitSortie");
    std::vector<TPoint> points;
    for (const std::string& ligne : lignes) {
        double v[3];
        int n = 0;
        std::size_t i = 0;
        while (n < 3) {
            i = ligne.find_first_not_of(" \t;", i);
            if (i == std::string::npos) break;
            const std::size_t fin = std::min(ligne.find_first_of(" \t;", i), ligne.size());
            if (!Nombre(ligne.substr(i, fin - i), v[n])) break;
            ++n;
            i = fin;
        }
        if (n == 3) points.push_back({v[0], v[1], v[2]});
    }
    return points;
}

}  // namespace Vellamor
