#include "app/texts/FichierStr.h"

#include <filesystem>
#include <system_error>

#include "app/texts/Chaines.h"
#include "app/texts/Encodage.h"
#include "app/texts/Langue.h"
#include "model/Debug.h"
#include "model/UiPort.h"

namespace {

// Prefixes of the section headers of a document (compared case-sensitively).
constexpr std::string_view kEntetes[] = {"[HEAD", "[MAIN", "[SURF", "[SOUD", "[VUES", "[GRIL",
                                         "[OPTI", "[COTE", "[BALL", "[REPE", "[ENVA"};

bool EstEntete(std::string_view ligne) {
    const std::string_view t = Chaines::SansBlancsGauche(ligne);
    if (t.size() < 5) return false;
    for (std::string_view e : kEntetes)
        if (t.substr(0, 5) == e) return true;
    return false;
}

// Whether the line is "[" + nom + "]", case-insensitively, without building it.
bool EgalCrochets(std::string_view ligne, std::string_view nom) {
    return ligne.size() == nom.size() + 2 && ligne.front() == '[' && ligne.back() == ']' &&
           Chaines::EgalSansCasse(ligne.substr(1, nom.size()), nom);
}

}  // namespace

bool TfichierStr::ChargeFichier(const std::string& nom) {
    DBG_SCOPE("TfichierStr.ChargeFichier");
    lignes_.clear();
    indexSections_.clear();
    curseur_ = 0;
    std::error_code ec;
    if (!std::filesystem::exists(nom, ec)) {
        Ui::ui().msgDlg("Fichier " + nom + " inexistant", Ui::MsgType::Warning, Ui::mbOK);
        return false;
    }
    std::vector<std::string> lignes;
    std::string erreur;
    if (!Encodage::LitFichierTexte(nom, lignes, &erreur)) {
        Debug::DbgMsgS("TfichierStr.ChargeFichier", 0, {nom, erreur});
        Ui::ui().msgDlg(Langue::Txt("rsErrLectFich") + nom, Ui::MsgType::Warning, Ui::mbOK);
        return false;
    }
    lignes_ = std::move(lignes);
    Indexe();
    return true;
}

void TfichierStr::ChargeContenu(std::string_view octets) {
    DBG_SCOPE("TfichierStr.ChargeContenu");
    lignes_ = Encodage::DecoupeLignes(Encodage::DecodeTexte(octets));
    indexSections_.clear();
    curseur_ = 0;
    Indexe();
}

void TfichierStr::Indexe() {
    DBG_SCOPE("TfichierStr.Indexe");
    const int n = static_cast<int>(lignes_.size());
    int h = 0;
    while (h < n) {
        if (!EstEntete(lignes_[h])) {
            ++h;
            continue;
        }
        int k = h;
        while (k < n && !Chaines::EgalSansCasse(lignes_[k], "[END]")) ++k;
        std::string entree(Chaines::SansBlancsGauche(lignes_[h]));
        entree += '=';
        entree += std::to_string(h + 1);
        entree += ';';
        entree += std::to_string(k - h);
        indexSections_.push_back(std::move(entree));
        h = k + 1;
    }
    curseur_ = 0;
}

bool TfichierStr::ChercheSection(std::string_view nom, int& premiere, int& nombre) const {
    DBG_SCOPE("TfichierStr.ChercheSection");
    premiere = 0;
    nombre = 0;
    for (const std::string& entree : indexSections_) {
        const std::size_t egal = entree.find('=');
        const std::string_view tete = std::string_view(entree).substr(0, egal);
        if (!EgalCrochets(tete, nom)) continue;
        const std::string_view reste =
            egal == std::string::npos ? std::string_view() : std::string_view(entree).substr(egal + 1);
        const std::size_t pv = reste.find(';');
        int p = 0, c = 0;
        if (pv != std::string_view::npos && Chaines::TexteVersEntier(reste.substr(0, pv), p) &&
            Chaines::TexteVersEntier(reste.substr(pv + 1), c)) {
            premiere = p;
            nombre = c;
        }
        return nombre >= 2;
    }
    return false;
}

bool TfichierStr::LigneEstCle(int i, std::string_view cle) const {
    return i >= 0 && i < static_cast<int>(lignes_.size()) && EgalCrochets(lignes_[i], cle);
}

bool TfichierStr::LigneEstValeur(int i) const {
    if (i < 0 || i >= static_cast<int>(lignes_.size())) return false;
    const std::string& l = lignes_[i];
    return !l.empty() && l[0] != '[';
}

const std::string& TfichierStr::LitValeur(std::string_view cle, std::string_view defaut, int premiere, int nombre) {
    DBG_SCOPE("TfichierStr.LitValeur");
    // Fast path: keys read in file order sit right after the last value.
    ++curseur_;
    if (LigneEstCle(curseur_, cle) && LigneEstValeur(curseur_ + 1)) {
        ++curseur_;
        derniereVal_ = lignes_[curseur_];
        return derniereVal_;
    }
    derniereVal_.assign(defaut);
    int i = -1;
    for (int k = premiere; k <= premiere + nombre - 1; ++k) {
        if (LigneEstCle(k, cle)) {
            i = k;
            break;
        }
    }
    if (i < 0) return derniereVal_;
    // The value is the next line that is neither empty nor bracketed; the
    // search may look one line past the section's "[END]".
    const int borne = premiere + nombre;
    const int derniere = static_cast<int>(lignes_.size()) - 1;
    for (int j = i + 1; j <= borne && j <= derniere; ++j) {
        if (LigneEstValeur(j)) {
            curseur_ = j;
            derniereVal_ = lignes_[j];
            break;
        }
    }
    return derniereVal_;
}

int TfichierStr::LitEntier(std::string_view cle, int defaut, int premiere, int nombre) {
    DBG_SCOPE("TfichierStr.LitEntier");
    int v = defaut;
    if (!Chaines::TexteVersEntier(LitValeur(cle, std::to_string(defaut), premiere, nombre), v)) return defaut;
    return v;
}

double TfichierStr::LitReel(std::string_view cle, double defaut, int premiere, int nombre) {
    DBG_SCOPE("TfichierStr.LitReel");
    double v = defaut;
    if (!Chaines::TexteVersReel(LitValeur(cle, Chaines::FormatFixe(defaut, 4), premiere, nombre), v)) return defaut;
    return v;
}

bool TfichierStr::LitBooleen(std::string_view cle, bool defaut, int premiere, int nombre) {
    DBG_SCOPE("TfichierStr.LitBooleen");
    const std::string& v = LitValeur(cle, defaut ? "1" : "0", premiere, nombre);
    if (v == "1") return true;
    if (v == "0") return false;
    return defaut;
}

void TfichierStr::AjouteSection(std::string_view nom) {
    DBG_SCOPE("TfichierStr.AjouteSection");
    std::string l = "[";
    l += nom;
    l += ']';
    lignes_.push_back(std::move(l));
}

void TfichierStr::VirguleEnPoint() {
    DBG_SCOPE("TfichierStr.VirguleEnPoint");
    for (std::string& l : lignes_)
        for (char& c : l)
            if (c == ',') c = '.';
}
