#include "export/IgesFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace IgesFormat {

std::string Hollerith(std::string_view texte) {
    if (texte.empty()) return {};
    return std::to_string(texte.size()) + "H" + std::string(texte);
}

std::string Reel(double v) {
    if (!std::isfinite(v)) return "0.0";
    char buf[40];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, static_cast<std::size_t>(r.ptr - buf));
    const std::size_t e = s.find('e');
    if (s.find('.') == std::string::npos) s.insert(e == std::string::npos ? s.size() : e, ".0");
    if (const std::size_t f = s.find('e'); f != std::string::npos) s[f] = 'E';
    return s;
}

std::vector<std::string_view> Jetons(std::string_view t) {
    std::vector<std::string_view> r;
    std::size_t debut = 0, i = 0;
    while (i < t.size()) {
        // A Hollerith string: digits, "H", then exactly that many characters.
        std::size_t k = i;
        while (k < t.size() && t[k] >= '0' && t[k] <= '9') ++k;
        if (k > i && k < t.size() && t[k] == 'H') {
            std::size_t n = 0;
            std::from_chars(t.data() + i, t.data() + k, n);
            i = std::min(t.size(), k + 1 + n);
        }
        while (i < t.size() && t[i] != ',' && t[i] != ';') ++i;
        if (i < t.size()) ++i;  // the delimiter ends the token
        r.push_back(t.substr(debut, i - debut));
        debut = i;
    }
    return r;
}

void TSection::Emet(std::string_view texte, int pointeurDE) {
    char buf[160];
    const int seq = Count() + 1;
    if (pointeurDE >= 1)
        std::snprintf(buf, sizeof buf, "%-64.*s %07d%c%7d", int(texte.size()), texte.data(), pointeurDE, lettre_, seq);
    else
        std::snprintf(buf, sizeof buf, "%-72.*s%c%7d", int(texte.size()), texte.data(), lettre_, seq);
    records_.emplace_back(buf, kLongRecord);
}

int TSection::Ajoute(std::string_view texte, int pointeurDE, bool texteLibre) {
    const std::size_t largeur = pointeurDE >= 1 ? kColonnesP : kColonnesTexte;
    const int avant = Count();
    std::vector<std::string_view> jetons;
    if (texteLibre) {
        for (std::size_t d = 0; d < texte.size();) {
            const std::size_t v = texte.find(',', d);
            const std::size_t f = v == std::string_view::npos ? texte.size() : v + 1;
            jetons.push_back(texte.substr(d, f - d));
            d = f;
        }
    } else {
        jetons = Jetons(texte);
    }
    std::string courant;
    for (std::string_view j : jetons) {
        if (courant.size() + j.size() > largeur && j.size() <= largeur) {
            Emet(courant, pointeurDE);
            courant.clear();
        }
        // A token wider than a record fills records to the width.
        while (courant.size() + j.size() > largeur) {
            const std::size_t n = largeur - courant.size();
            courant.append(j.substr(0, n));
            j.remove_prefix(n);
            Emet(courant, pointeurDE);
            courant.clear();
        }
        courant.append(j);
    }
    if (!courant.empty()) Emet(courant, pointeurDE);
    return Count() - avant;
}

std::string RecordD(const std::array<std::string, 9>& c, int sequence) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%8.8s%8.8s%8.8s%8.8s%8.8s%8.8s%8.8s%8.8s%8.8sD%7d", c[0].c_str(), c[1].c_str(),
                  c[2].c_str(), c[3].c_str(), c[4].c_str(), c[5].c_str(), c[6].c_str(), c[7].c_str(), c[8].c_str(),
                  sequence);
    return std::string(buf, kLongRecord);
}

std::string RecordT(int s, int g, int d, int p) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "S%07dG%07dD%07dP%07d%40sT%7d", s, g, d, p, "", 1);
    return std::string(buf, kLongRecord);
}

}  // namespace IgesFormat
