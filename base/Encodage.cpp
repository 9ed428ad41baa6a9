#include "base/Encodage.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/Debug.h"
#include "base/FichierAtomique.h"

namespace Encodage {
namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252.
constexpr char32_t kHaut1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AjouteUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when malformed.
std::size_t LitCar(std::string_view s, std::size_t i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    std::size_t n;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        c = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        c = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        c = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

}  // namespace

bool EstUtf8Valide(std::string_view octets) {
    DBG_SCOPE("Encodage.EstUtf8Valide");
    std::size_t i = 0;
    while (i < octets.size()) {
        if (static_cast<unsigned char>(octets[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t c;
        const std::size_t n = LitCar(octets, i, c);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string Windows1252VersUtf8(std::string_view octets) {
    DBG_SCOPE("Encodage.Windows1252VersUtf8");
    std::string out;
    out.reserve(octets.size() + octets.size() / 8);
    for (char ch : octets) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out.push_back(ch);
        else if (b < 0xA0)
            AjouteUtf8(out, kHaut1252[b - 0x80]);
        else
            AjouteUtf8(out, b);
    }
    return out;
}

std::string Utf8VersWindows1252(std::string_view utf8) {
    DBG_SCOPE("Encodage.Utf8VersWindows1252");
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c;
        const std::size_t n = LitCar(utf8, i, c);
        if (n == 0) {
            out.push_back('?');
            ++i;
            continue;
        }
        i += n;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        char octet = '?';
        for (int k = 0; k < 32; ++k) {
            if (kHaut1252[k] == c) {
                octet = static_cast<char>(0x80 + k);
                break;
            }
        }
        out.push_back(octet);
    }
    return out;
}

std::string DecodeTexte(std::string_view octets) {
    DBG_SCOPE("Encodage.DecodeTexte");
    if (octets.substr(0, kBom.size()) == kBom && EstUtf8Valide(octets.substr(kBom.size())))
        return std::string(octets.substr(kBom.size()));
    if (EstUtf8Valide(octets)) return std::string(octets);
    return Windows1252VersUtf8(octets);
}

void DecodeEnPlace(std::string& octets) {
    DBG_SCOPE("Encodage.DecodeEnPlace");
    const std::string_view v(octets);
    if (v.substr(0, kBom.size()) == kBom && EstUtf8Valide(v.substr(kBom.size())))
        octets.erase(0, kBom.size());
    else if (!EstUtf8Valide(v))
        octets = Windows1252VersUtf8(v);
}

std::vector<std::string> DecoupeLignes(std::string_view texte) {
    DBG_SCOPE("Encodage.DecoupeLignes");
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    std::size_t i = 0;
    while (i < texte.size()) {
        const char ch = texte[i];
        if (ch == '\n' || ch == '\r') {
            lignes.emplace_back(texte.substr(debut, i - debut));
            if (ch == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
            ++i;
            debut = i;
        } else {
            ++i;
        }
    }
    if (debut < texte.size()) lignes.emplace_back(texte.substr(debut));
    return lignes;
}

bool LitOctets(const std::string& chemin, std::string& octets, std::string* erreur) {
    DBG_SCOPE("Encodage.LitOctets");
    octets.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec)) {
        if (erreur) *erreur = std::filesystem::exists(chemin, ec) ? "n'est pas un fichier" : "fichier absent";
        return false;
    }
    std::ifstream f(chemin, std::ios::binary);
    if (!f) {
        if (erreur) *erreur = std::strerror(errno);
        return false;
    }
    // Read in one piece when the size is known, so that the text is held once.
    const auto taille = std::filesystem::file_size(chemin, ec);
    if (!ec) {
        octets.resize(static_cast<std::size_t>(taille));
        f.read(octets.data(), static_cast<std::streamsize>(taille));
        octets.resize(static_cast<std::size_t>(f.gcount()));
        f.clear();
    }
    octets.append(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) {
        octets.clear();
        if (erreur) *erreur = "erreur de lecture";
        return false;
    }
    return true;
}

bool LitFichierTexte(const std::string& chemin, std::vector<std::string>& lignes, std::string* erreur) {
    DBG_SCOPE("Encodage.LitFichierTexte");
    lignes.clear();
    std::string octets;
    if (!LitOctets(chemin, octets, erreur)) return false;
    DecodeEnPlace(octets);
    lignes = DecoupeLignes(octets);
    return true;
}

bool EcritFichierTexte(const std::string& chemin, const std::vector<std::string>& lignes, std::string* erreur,
                       std::string_view finDeLigne) {
    DBG_SCOPE("Encodage.EcritFichierTexte");
    std::string octets;
    for (const std::string& l : lignes) {
        octets += Utf8VersWindows1252(l);
        octets += finDeLigne;
    }
    return FichierAtomique::Remplace(chemin, octets, erreur);
}

std::size_t LongueurCar(std::string_view utf8) {
    std::size_t n = 0;
    for (char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace Encodage
