#include "views/Saisie.h"

#include <algorithm>
#include <cmath>

namespace Saisie {

std::string Refus(double v, TDomaine d) {
    if (!std::isfinite(v)) return "Valeur numérique demandée";
    switch (d) {
        case dLibre:
            return {};
        case dCoordonnee:
            return std::abs(v) <= kLimite ? std::string() : "Valeur comprise entre -100000 et 100000 demandée";
        case dTaille:
            if (v < 0) return "Valeur numérique positive demandée";
            return v <= kLimite ? std::string() : "Valeur comprise entre 0 et 100000 demandée";
        case dMasse:
            if (v < 0) return "Valeur numérique positive demandée";
            return v <= kLimiteMasse ? std::string() : "Valeur comprise entre 0 et 1000000000 demandée";
        case dMasseSignee:
            return std::abs(v) <= kLimiteMasse ? std::string()
                                               : "Valeur comprise entre -1000000000 et 1000000000 demandée";
        case dPoidsPC:
            return v > 0 && v <= kLimite ? std::string() : "Valeur strictement positive, au plus 100000, demandée";
    }
    return {};
}

std::string Libelle(std::string label) {
    while (!label.empty() && (label.back() == ' ' || label.back() == '=' || label.back() == ':')) label.pop_back();
    // "Largeur  X =" reads "Largeur X".
    const auto doubles = [](char a, char b) { return a == ' ' && b == ' '; };
    label.erase(std::unique(label.begin(), label.end(), doubles), label.end());
    return label;
}

}  // namespace Saisie
