#include "export/IgesFormat.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace IgesFormat {

std::string Hollerith(std::string_view texte) {
    if (texte.empty()) return {};
    return std::to_string(texte.size()) + "H" + std::string(texte);
}

namespace {
// Writes the real into buf (at least 40 characters) and gives the text.
std::string_view EcritReel(char* buf, double v) {
    if (!std::isfinite(v)) throw std::domain_error("IGES : valeur non finie");
    char* fin = std::to_chars(buf, buf + 32, v).ptr;
    char* e = std::find(buf, fin, 'e');
    if (std::find(buf, e, '.') == e) {  // a decimal point before the exponent
        std::memmove(e + 2, e, static_cast<std::size_t>(fin - e));
        e[0] = '.';
        e[1] = '0';
        fin += 2;
        e += 2;
    }
    if (e != fin) *e = 'E';
    return {buf, static_cast<std::size_t>(fin - buf)};
}
}  // namespace

void AjouteReel(std::string& s, double v) {
    char buf[48];
    s.append(EcritReel(buf, v));
}

std::string Reel(double v) {
    std::string s;
    AjouteReel(s, v);
    return s;
}

std::size_t FinJeton(std::string_view t, std::size_t i) {
    // A Hollerith string: digits, "H", then exactly that many characters.
    std::size_t k = i;
    while (k < t.size() && t[k] >= '0' && t[k] <= '9') ++k;
    if (k > i && k < t.size() && t[k] == 'H') {
        std::size_t n = 0;
        std::from_chars(t.data() + i, t.data() + k, n);
        i = std::min(t.size(), k + 1 + n);
    }
    while (i < t.size() && t[i] != ',' && t[i] != ';') ++i;
    return i < t.size() ? i + 1 : i;  // the delimiter ends the token
}

std::vector<std::string_view> Jetons(std::string_view t) {
    std::vector<std::string_view> r;
    for (std::size_t d = 0; d < t.size();) {
        const std::size_t f = FinJeton(t, d);
        r.push_back(t.substr(d, f - d));
        d = f;
    }
    return r;
}

namespace {
// n right-justified in `largeur` columns, filled with `remplissage`.
void AjouteNombre(std::string& s, int n, int largeur, char remplissage) {
    char buf[16];
    char* fin = std::to_chars(buf, buf + sizeof buf, n).ptr;
    const int l = static_cast<int>(fin - buf);
    if (l < largeur) s.append(static_cast<std::size_t>(largeur - l), remplissage);
    s.append(buf, static_cast<std::size_t>(l));
}
}  // namespace

void TSection::Debut(int pointeurDE) {
    pointeurDE_ = pointeurDE;
    largeur_ = pointeurDE >= 1 ? kColonnesP : kColonnesTexte;
    debutRecord_ = texte_.size();
    debutGroupe_ = count_;
}

void TSection::FinRecord() {
    texte_.append(largeur_ - (texte_.size() - debutRecord_), ' ');
    if (pointeurDE_ >= 1) {
        texte_ += ' ';
        AjouteNombre(texte_, pointeurDE_, 7, '0');
    }
    texte_ += lettre_;
    AjouteNombre(texte_, ++count_, 7, ' ');
    texte_ += '\n';
    debutRecord_ = texte_.size();
}

void TSection::Jeton(std::string_view j) {
    std::size_t rempli = texte_.size() - debutRecord_;
    if (rempli + j.size() > largeur_ && j.size() <= largeur_ && rempli > 0) {
        FinRecord();
        rempli = 0;
    }
    // A token wider than a record fills records to the width.
    while (rempli + j.size() > largeur_) {
        const std::size_t n = largeur_ - rempli;
        texte_.append(j.substr(0, n));
        j.remove_prefix(n);
        FinRecord();
        rempli = 0;
    }
    texte_.append(j);
}

void TSection::JetonReel(double v, char delimiteur) {
    char buf[48];
    std::string_view r = EcritReel(buf, v);
    buf[r.size()] = delimiteur;
    Jeton({buf, r.size() + 1});
}

int TSection::Fin() {
    if (texte_.size() > debutRecord_) FinRecord();
    return count_ - debutGroupe_;
}

void TSection::AjouteSection(const TSection& autre) {
    const std::size_t base = texte_.size();
    texte_ += autre.texte_;
    // Every record is 80 columns and its line end; the number takes columns 74-80.
    for (int k = 0; k < autre.count_; ++k) {
        char* seq = texte_.data() + base + std::size_t(k) * (kLongRecord + 1) + 73;
        std::string n;
        AjouteNombre(n, count_ + k + 1, 7, ' ');
        std::copy(n.begin(), n.end(), seq);
    }
    count_ += autre.count_;
    debutRecord_ = texte_.size();
}

int TSection::Ajoute(std::string_view texte, int pointeurDE, bool texteLibre) {
    Debut(pointeurDE);
    for (std::size_t d = 0; d < texte.size();) {
        std::size_t f;
        if (texteLibre) {
            const std::size_t v = texte.find(',', d);
            f = v == std::string_view::npos ? texte.size() : v + 1;
        } else {
            f = FinJeton(texte, d);
        }
        Jeton(texte.substr(d, f - d));
        d = f;
    }
    return Fin();
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
