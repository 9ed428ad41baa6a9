#include "app/doc/DocFormat.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "base/Chaines.h"

namespace DocFormat {

namespace {

template <class T>
std::string Court(T v) {
    if (!std::isfinite(v)) return "0";
    char buf[64];
    const auto [fin, ec] = std::to_chars(buf, buf + sizeof buf, v);
    if (ec != std::errc()) return "0";
    return std::string(buf, fin);
}

// Blanks and control characters removed at both ends, one "+" dropped.
bool Nettoie(std::string_view& t) {
    t = Chaines::SansBlancs(t);
    if (!t.empty() && t[0] == '+') t.remove_prefix(1);
    return !t.empty() && t[0] != '+';
}

bool ToutBlancs(std::string_view t) {
    for (char c : t)
        if (c != ' ') return false;
    return true;
}

// Whether the text, once its leading blanks are dropped, begins with "[".
bool CrochetApresBlancs(std::string_view t) {
    const std::size_t p = t.find_first_not_of(' ');
    return p != std::string_view::npos && t[p] == '[';
}

std::string SansSautsDeLigne(std::string_view t) {
    std::string s(t);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

}  // namespace

std::string Reel(double v) { return Court(v); }
std::string Simple(float v) { return Court(v); }
std::string Entier(long long v) { return std::to_string(v); }

bool LitReel(std::string_view texte, double& v) { return Chaines::TexteVersReel(texte, v); }

bool LitSimple(std::string_view t, float& v) {
    if (!Nettoie(t)) return false;
    float r = 0.0f;
    const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), r, std::chars_format::general);
    if (ec != std::errc() || fin != t.data() + t.size() || !std::isfinite(r)) return false;
    v = r;
    return true;
}

bool LitEntier(std::string_view texte, int& v) { return Chaines::TexteVersEntier(texte, v); }

std::string TexteVersLigne(std::string_view texte) {
    std::string s = SansSautsDeLigne(texte);
    if (ToutBlancs(s) || CrochetApresBlancs(s)) s.insert(s.begin(), ' ');
    return s;
}

std::string LigneVersTexte(std::string_view ligne) {
    if (!ligne.empty() && ligne[0] == ' ' && (ToutBlancs(ligne) || CrochetApresBlancs(ligne)))
        ligne.remove_prefix(1);
    return std::string(ligne);
}

std::string TexteVersChamp(std::string_view texte) {
    std::string s = SansSautsDeLigne(texte);
    for (char& c : s)
        if (c == ';') c = ',';
    if ((!s.empty() && ToutBlancs(s)) || CrochetApresBlancs(s)) s.insert(s.begin(), ' ');
    return s;
}

std::string ChampVersTexte(std::string_view champ) { return LigneVersTexte(champ); }

bool ProchainChamp(std::string_view& reste, std::string_view& champ) {
    const std::size_t p = reste.find(';');
    if (p == std::string_view::npos) return false;
    champ = reste.substr(0, p);
    reste.remove_prefix(p + 1);
    return true;
}

int CompareVersion(std::string_view a, std::string_view b) {
    auto up = [](char c) -> unsigned char {
        const auto u = static_cast<unsigned char>(c);
        return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 32) : u;
    };
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = up(a[i]), y = up(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace DocFormat
