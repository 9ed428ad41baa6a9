#include "base/Chaines.h"

#include <charconv>
#include <cmath>

#include "base/Debug.h"
#include "base/Encodage.h"
#include "base/Format.h"

namespace Chaines {
namespace {

inline char Minuscule(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Byte length of the UTF-8 character that starts the text (0 for an empty text).
std::size_t LongueurPremierCar(std::string_view s) {
    if (s.empty()) return 0;
    std::size_t n = 1;
    while (n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) ++n;
    return n;
}

std::string Remplissage(std::string_view remplissage, std::string_view texte, int largeur) {
    std::string r;
    const auto lg = static_cast<long long>(Encodage::LongueurCar(texte));
    for (long long k = lg; k < largeur; ++k) r += remplissage;
    return r;
}

}  // namespace

std::string RemplaceCar(std::string_view texte, char ancien, char nouveau) {
    DBG_SCOPE("Chaines.RemplaceCar");
    std::string r(texte);
    for (char& c : r)
        if (c == ancien) c = nouveau;
    return r;
}

std::string RemplaceCar(std::string_view texte, std::string_view ancien, std::string_view nouveau) {
    DBG_SCOPE("Chaines.RemplaceCar");
    ancien = ancien.substr(0, LongueurPremierCar(ancien));
    nouveau = nouveau.substr(0, LongueurPremierCar(nouveau));
    if (ancien.empty()) return std::string(texte);
    if (ancien.size() == 1 && nouveau.size() == 1) return RemplaceCar(texte, ancien[0], nouveau[0]);
    std::string r;
    r.reserve(texte.size());
    std::size_t i = 0;
    while (i < texte.size()) {
        if (texte.compare(i, ancien.size(), ancien) == 0) {
            r += nouveau;
            i += ancien.size();
        } else {
            r.push_back(texte[i]);
            ++i;
        }
    }
    return r;
}

std::string ApresChaine(std::string_view sub, std::string_view texte) {
    DBG_SCOPE("Chaines.ApresChaine");
    if (sub.empty()) return {};
    const std::size_t p = texte.find(sub);
    if (p == std::string_view::npos) return {};
    return std::string(texte.substr(p + sub.size()));
}

namespace {

// Cuts the text after the first character of the first separator: the head,
// with that character or without it, goes to tete. No separator: tete empty,
// the text as it was.
void Extrait(std::string_view separateur, std::string& texte, std::string& tete, bool avecSeparateur) {
    const std::size_t p = separateur.empty() ? std::string::npos : texte.find(separateur);
    if (p == std::string::npos) {
        tete.clear();
        return;
    }
    const std::size_t lgSep = LongueurPremierCar(separateur);
    tete = texte.substr(0, avecSeparateur ? p + lgSep : p);
    texte.erase(0, p + lgSep);
}

}  // namespace

void ExtraitAvant(std::string_view separateur, std::string& texte, std::string& tete) {
    DBG_SCOPE("Chaines.ExtraitAvant");
    Extrait(separateur, texte, tete, false);
}

void ExtraitJusqua(std::string_view separateur, std::string& texte, std::string& tete) {
    DBG_SCOPE("Chaines.ExtraitJusqua");
    Extrait(separateur, texte, tete, true);
}

int CompteOccurrences(std::string_view sub, std::string_view texte) {
    DBG_SCOPE("Chaines.CompteOccurrences");
    if (sub.empty()) return 0;
    int n = 0;
    std::size_t p = texte.find(sub);
    while (p != std::string_view::npos) {
        ++n;
        p = texte.find(sub, p + sub.size());
    }
    return n;
}

bool CommencePar(std::string_view prefixe, std::string_view texte) {
    if (texte.size() < prefixe.size()) return false;
    for (std::size_t i = 0; i < prefixe.size(); ++i)
        if (Minuscule(prefixe[i]) != Minuscule(texte[i])) return false;
    return true;
}

std::string CompleteDroite(std::string_view remplissage, std::string_view texte, int largeur) {
    DBG_SCOPE("Chaines.CompleteDroite");
    return std::string(texte) + Remplissage(remplissage, texte, largeur);
}

std::string CompleteGauche(std::string_view remplissage, std::string_view texte, int largeur) {
    DBG_SCOPE("Chaines.CompleteGauche");
    return Remplissage(remplissage, texte, largeur) + std::string(texte);
}

bool EgalSansCasse(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Minuscule(a[i]) != Minuscule(b[i])) return false;
    return true;
}

std::string MinusculesAscii(std::string_view texte) {
    std::string r(texte);
    for (char& c : r) c = Minuscule(c);
    return r;
}

std::string_view SansBlancsGauche(std::string_view texte) {
    std::size_t i = 0;
    while (i < texte.size() && static_cast<unsigned char>(texte[i]) <= ' ') ++i;
    return texte.substr(i);
}

std::string_view SansBlancs(std::string_view texte) {
    texte = SansBlancsGauche(texte);
    std::size_t n = texte.size();
    while (n > 0 && static_cast<unsigned char>(texte[n - 1]) <= ' ') --n;
    return texte.substr(0, n);
}

namespace {

// The text of a number without its blanks and its one leading "+" ("+-1" and
// "++1" are no numbers); false when nothing is left to convert.
bool Nombre(std::string_view& texte) {
    texte = SansBlancs(texte);
    if (!texte.empty() && texte[0] == '+') {
        texte.remove_prefix(1);
        if (!texte.empty() && texte[0] == '-') return false;
    }
    return !texte.empty() && texte[0] != '+';
}

}  // namespace

bool TexteVersEntier(std::string_view texte, int& valeur) {
    if (!Nombre(texte)) return false;
    int v = 0;
    const auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), v, 10);
    if (ec != std::errc() || fin != texte.data() + texte.size()) return false;
    valeur = v;
    return true;
}

bool TexteVersReel(std::string_view texte, double& valeur) {
    if (!Nombre(texte)) return false;
    double v = 0.0;
    const auto [fin, ec] =
        std::from_chars(texte.data(), texte.data() + texte.size(), v, std::chars_format::general);
    if (ec != std::errc() || fin != texte.data() + texte.size() || !std::isfinite(v)) return false;
    valeur = v;
    return true;
}

std::string FormatFixe(double valeur, int decimales) { return Format::Fixe(valeur, decimales, "0"); }

}  // namespace Chaines
