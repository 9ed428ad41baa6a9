#include "export/DxfFormat.h"

#include <charconv>

namespace DxfFormat {

std::string CalqueValide(std::string_view nom) {
    std::string r;
    for (std::size_t i = 0; i < nom.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(nom[i]);
        if ((c & 0xC0) == 0x80) continue;  // continuation byte of a code point already mapped
        const bool admis = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                           c == '-' || c == '$';
        r += admis ? static_cast<char>(c) : '_';
    }
    return r;
}

namespace {

std::string_view Nettoie(std::string_view l) {
    while (!l.empty() && (l.back() == '\r' || l.back() == ' ' || l.back() == '\t')) l.remove_suffix(1);
    while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
    return l;
}

bool LigneSuivante(std::string_view& texte, std::string_view& ligne) {
    if (texte.empty()) return false;
    const std::size_t n = texte.find('\n');
    ligne = Nettoie(texte.substr(0, n));
    texte = n == std::string_view::npos ? std::string_view{} : texte.substr(n + 1);
    return true;
}

}  // namespace

bool LitPaires(std::string_view texte, std::vector<TPaire>& paires, int& ligneErreur) {
    int ligne = 0;
    std::string_view code, valeur;
    while (LigneSuivante(texte, code)) {
        ++ligne;
        if (code.empty() && texte.empty()) break;  // the line end after the last value
        TPaire p;
        auto r = std::from_chars(code.data(), code.data() + code.size(), p.Code);
        if (r.ec != std::errc() || r.ptr != code.data() + code.size() || !LigneSuivante(texte, valeur)) {
            ligneErreur = ligne;
            return false;
        }
        ++ligne;
        p.Valeur = valeur;
        paires.push_back(std::move(p));
    }
    return true;
}

}  // namespace DxfFormat
