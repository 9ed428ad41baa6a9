#include "base/Langue.h"

#include <filesystem>
#include <system_error>
#include <unordered_map>

#include "base/Chaines.h"
#include "base/Debug.h"
#include "base/Encodage.h"
#include "base/TexteDefauts.h"

namespace Langue {
namespace {

using detail::kNombreCles;
using detail::kRelectures;
using detail::kTable;

// Key -> position in the table (exact case: the program names its keys).
const std::unordered_map<std::string_view, int>& IndexCles() {
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> m;
        m.reserve(kNombreCles * 2);
        for (int i = 0; i < kNombreCles; ++i) m.emplace(kTable[i].cle, i);
        return m;
    }();
    return index;
}

int Position(std::string_view cle) {
    const auto& index = IndexCles();
    const auto it = index.find(cle);
    return it == index.end() ? -1 : it->second;
}

// The text variables, French at start.
std::vector<std::string>& Textes() {
    static std::vector<std::string> textes = [] {
        std::vector<std::string> t(kNombreCles);
        for (int i = 0; i < kNombreCles; ++i) t[i] = kTable[i].defaut;
        for (const auto& r : kRelectures) t[Position(r.cle)] = r.defaut;
        return t;
    }();
    return textes;
}

}  // namespace

int NombreCles() { return kNombreCles; }

std::string_view Cle(int i) { return (i >= 0 && i < kNombreCles) ? kTable[i].cle : std::string_view(); }

std::string_view Defaut(std::string_view cle) {
    for (const auto& r : kRelectures)
        if (r.cle == cle) return r.defaut;
    const int p = Position(cle);
    return p < 0 ? std::string_view() : kTable[p].defaut;
}

const std::string* Trouve(std::string_view cle) {
    const int p = Position(cle);
    return p < 0 ? nullptr : &Textes()[p];
}

const std::string& Txt(std::string_view cle) {
    static const std::string vide;
    const std::string* t = Trouve(cle);
    return t ? *t : vide;
}

std::string FichierLangue(const std::string& dossier, const std::string& langue) {
    std::string nom = "lang_" + langue + ".dat";
    if (dossier.empty()) return nom;
    return (std::filesystem::path(dossier) / nom).string();
}

bool ChargeListe(std::vector<std::string>& liste, const std::string& fichier) {
    DBG_SCOPE("Langue.ChargeListe");
    liste.clear();
    std::error_code ec;
    if (!std::filesystem::exists(fichier, ec)) return false;
    std::string erreur;
    if (!Encodage::LitFichierTexte(fichier, liste, &erreur)) {
        Debug::DbgMsgS("Langue.ChargeListe", 0, {fichier, erreur});
        return false;
    }
    return true;
}

std::string LitTexte(const std::vector<std::string>& liste, std::string_view cle, std::string_view defaut) {
    DBG_SCOPE("Langue.LitTexte");
    for (const std::string& ligne : liste) {
        const std::size_t egal = ligne.find('=');
        if (egal == std::string::npos) continue;
        if (Chaines::EgalSansCasse(std::string_view(ligne).substr(0, egal), cle))
            return Chaines::ApresChaine("=", ligne);
    }
    return std::string(defaut);
}

void ChargeLangue(const std::string& fichier) {
    DBG_SCOPE("Langue.ChargeLangue");
    std::vector<std::string> liste;
    ChargeListe(liste, fichier);

    // The file's keys, folded, to their first text: the same answers as
    // LitTexte for every key, in one pass over the file.
    std::unordered_map<std::string, std::string_view> dansFichier;
    dansFichier.reserve(liste.size());
    for (const std::string& ligne : liste) {
        const std::size_t egal = ligne.find('=');
        if (egal == std::string::npos) continue;
        dansFichier.emplace(Chaines::MinusculesAscii(std::string_view(ligne).substr(0, egal)),
                            std::string_view(ligne).substr(egal + 1));
    }

    std::vector<std::string>& textes = Textes();
    auto lit = [&](int position, std::string_view cle, std::string_view defaut) {
        const auto it = dansFichier.find(Chaines::MinusculesAscii(cle));
        textes[position].assign(it == dansFichier.end() ? defaut : it->second);
    };
    for (int i = 0; i < kNombreCles; ++i) lit(i, kTable[i].cle, kTable[i].defaut);
    for (const auto& r : kRelectures) lit(Position(r.cle), r.cle, r.defaut);
}

void ChargeLangue(const std::string& dossier, const std::string& langue) {
    ChargeLangue(FichierLangue(dossier, langue));
}

void Reinitialise() {
    DBG_SCOPE("Langue.Reinitialise");
    ChargeLangue(std::string());
}

std::string FiltreQt(std::string_view filtre) {
    DBG_SCOPE("Langue.FiltreQt");
    std::vector<std::string_view> parts;
    std::size_t debut = 0;
    while (true) {
        const std::size_t p = filtre.find('|', debut);
        parts.push_back(filtre.substr(debut, p == std::string_view::npos ? std::string_view::npos : p - debut));
        if (p == std::string_view::npos) break;
        debut = p + 1;
    }
    std::string r;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string_view desc = Chaines::SansBlancs(parts[i]);
        std::string motifs;
        std::string_view reste = parts[i + 1];
        while (!reste.empty()) {
            const std::size_t pv = reste.find(';');
            const std::string_view m = Chaines::SansBlancs(reste.substr(0, pv));
            if (!m.empty()) {
                if (!motifs.empty()) motifs += ' ';
                motifs += m;
            }
            if (pv == std::string_view::npos) break;
            reste.remove_prefix(pv + 1);
        }
        if (motifs.empty()) continue;
        // Drop a trailing "(patterns)" that repeats the patterns.
        if (!desc.empty() && desc.back() == ')') {
            const std::size_t ouvre = desc.rfind('(');
            if (ouvre != std::string_view::npos) {
                std::string dedans(desc.substr(ouvre + 1, desc.size() - ouvre - 2));
                for (char& c : dedans)
                    if (c == ';') c = ' ';
                if (dedans == motifs) desc = Chaines::SansBlancs(desc.substr(0, ouvre));
            }
        }
        if (!r.empty()) r += ";;";
        r += desc;
        r += " (";
        r += motifs;
        r += ')';
    }
    return r;
}

}  // namespace Langue
