#include "calc/Reperes.h"

#include "base/Chaines.h"
#include "base/Langue.h"
#include "calc/DevisPoids.h"

namespace Reperes {

template <class P>
std::vector<TLigne> Lignes(const std::vector<P>& points) {
    std::vector<TLigne> r;
    for (const P& p : points)
        r.push_back({p.Nom, Chaines::FormatFixe(p.X, 4), Chaines::FormatFixe(p.Y, 4), Chaines::FormatFixe(p.Z, 4)});
    if (r.empty()) r.emplace_back();
    return r;
}

template <class P>
bool LitLignes(const std::vector<TLigne>& lignes, std::vector<P>& points, int& ligneErr, int& colonneErr) {
    std::vector<P> r;
    const bool vide = lignes.size() == 1 && Chaines::SansBlancs(lignes[0].X).empty() &&
                      Chaines::SansBlancs(lignes[0].Y).empty() && Chaines::SansBlancs(lignes[0].Z).empty();
    if (!vide)
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            P p;
            p.Nom = lignes[i].Nom;
            const std::string* src[3] = {&lignes[i].X, &lignes[i].Y, &lignes[i].Z};
            double* dest[3] = {&p.X, &p.Y, &p.Z};
            for (int k = 0; k < 3; ++k)
                if (!DevisPoids::LitNombre(*src[k], *dest[k], Saisie::dCoordonnee)) {
                    ligneErr = static_cast<int>(i);
                    colonneErr = 2 + k;
                    return false;
                }
            r.push_back(p);
        }
    points = std::move(r);
    return true;
}

template std::vector<TLigne> Lignes(const std::vector<TRepere>&);
template std::vector<TLigne> Lignes(const std::vector<TRepereEnv>&);
template bool LitLignes(const std::vector<TLigne>&, std::vector<TRepere>&, int&, int&);
template bool LitLignes(const std::vector<TLigne>&, std::vector<TRepereEnv>&, int&, int&);

const std::array<std::array<int, 3>, kNbOrdres>& Ordres() {
    static const std::array<std::array<int, 3>, kNbOrdres> o = {{
        {0, 1, 2}, {1, 0, 2}, {0, 2, 1}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0},
    }};
    return o;
}

std::string NomOrdre(int ordre) {
    static const char* const axes[3] = {"X", "Y", "Z"};
    const auto& o = Ordres()[static_cast<std::size_t>(ordre)];
    return std::string(axes[o[0]]) + " - " + axes[o[1]] + " - " + axes[o[2]];
}

std::string LigneAttendue(bool avecNom, int ordre) {
    static const char* const axes[3] = {"X", "Y", "Z"};
    std::string r = avecNom ? Langue::Txt("rsNomRepere") : std::string();
    for (int a : Ordres()[static_cast<std::size_t>(ordre)]) r += std::string(axes[a]) + ";";
    return r;
}

std::vector<TRepere> Importe(const std::vector<std::string>& lignes, bool avecNom, int ordre, int& ligneErr) {
    ligneErr = 0;
    std::vector<TRepere> r;
    const auto& o = Ordres()[static_cast<std::size_t>(ordre)];
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        std::string reste = Chaines::RemplaceCar(Chaines::SansBlancs(lignes[i]), ',', '.');
        if (reste.empty()) continue;
        TRepere p;
        std::string champ;
        bool ok = true;
        if (avecNom) {
            ok = reste.find(';') != std::string::npos;
            Chaines::ExtraitAvant(";", reste, p.Nom);
        }
        double v[3];
        for (int k = 0; k < 3 && ok; ++k) {
            if (reste.find(';') != std::string::npos) {
                Chaines::ExtraitAvant(";", reste, champ);
            } else {
                champ = reste;
                reste.clear();
            }
            ok = DevisPoids::LitNombre(champ, v[k], Saisie::dCoordonnee);
        }
        if (!ok) {
            ligneErr = static_cast<int>(i) + 1;
            return {};
        }
        double* axe[3] = {&p.X, &p.Y, &p.Z};
        for (int k = 0; k < 3; ++k) *axe[o[k]] = v[k];
        r.push_back(p);
    }
    return r;
}

}  // namespace Reperes
