#include "app/doc/FichierStr.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

#include "base/Chaines.h"
#include "base/Debug.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "model/UiPort.h"

namespace {

// Prefixes of the section headers of a document (compared case-sensitively).
constexpr std::string_view kEntetes[] = {"[HEAD", "[MAIN", "[SURF", "[SOUD", "[VUES", "[GRIL",
                                         "[OPTI", "[COTE", "[BALL", "[REPE", "[ENVA"};

// Lines are held as 32-bit offsets and counted in an int (a line at least
// one byte, the lines appended while reading a few more): a longer text is
// not read.
constexpr std::size_t kTailleMax = static_cast<std::size_t>(std::numeric_limits<int>::max()) - 4096;

bool EstEntete(std::string_view ligne) {
    const std::string_view t = Chaines::SansBlancsGauche(ligne);
    if (t.size() < 5) return false;
    for (std::string_view e : kEntetes)
        if (t.substr(0, 5) == e) return true;
    return false;
}

// Blanks and tabs after a header or a key line say nothing: they are dropped.
std::string_view SansBlancsFin(std::string_view ligne) {
    while (!ligne.empty() && (ligne.back() == ' ' || ligne.back() == '\t')) ligne.remove_suffix(1);
    return ligne;
}

// Whether the line is "[" + nom + "]", case-insensitively, without building it.
bool EgalCrochets(std::string_view ligne, std::string_view nom) {
    ligne = SansBlancsFin(ligne);
    return ligne.size() == nom.size() + 2 && ligne.front() == '[' && ligne.back() == ']' &&
           Chaines::EgalSansCasse(ligne.substr(1, nom.size()), nom);
}

// The name inside a bracketed line, or false.
bool NomEntreCrochets(std::string_view ligne, std::string_view& nom) {
    ligne = SansBlancsFin(ligne);
    if (ligne.size() < 2 || ligne.front() != '[' || ligne.back() != ']') return false;
    nom = ligne.substr(1, ligne.size() - 2);
    return true;
}

// FNV-1a of the name, letters A to Z taken as a to z.
std::uint32_t HachageSansCasse(std::string_view nom) {
    std::uint32_t h = 2166136261u;
    for (char c : nom) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return h;
}

}  // namespace

bool TfichierStr::ChargeFichier(const std::string& nom) {
    DBG_SCOPE("TfichierStr.ChargeFichier");
    Charge({});
    std::error_code ec;
    if (!std::filesystem::exists(nom, ec)) {
        Ui::ui().msgDlg("Fichier " + nom + " inexistant", Ui::MsgType::Warning, Ui::mbOK);
        return false;
    }
    std::string octets, erreur;
    // A file larger than the reader takes is refused by its size, before a
    // byte of it is read.
    const auto taille = std::filesystem::file_size(nom, ec);
    bool ok = ec || taille <= kTailleMax;
    if (!ok)
        erreur = "fichier trop volumineux (" + std::to_string(taille >> 20) + " Mo ; le lecteur en prend au plus " +
                 std::to_string(kTailleMax >> 20) + " Mo)";
    else
        ok = Encodage::LitOctets(nom, octets, &erreur);
    if (ok) {
        Encodage::DecodeEnPlace(octets);
        ok = octets.size() <= kTailleMax;
        if (!ok) erreur = "fichier trop volumineux";
    }
    if (!ok) {
        Debug::DbgMsgS("TfichierStr.ChargeFichier", 0, {nom, erreur});
        Ui::ui().msgDlg(Langue::Txt("rsErrLectFich") + nom + " : " + erreur, Ui::MsgType::Warning, Ui::mbOK);
        return false;
    }
    Charge(std::move(octets));
    return true;
}

void TfichierStr::ChargeContenu(std::string_view octets) {
    DBG_SCOPE("TfichierStr.ChargeContenu");
    std::string texte(octets);
    Encodage::DecodeEnPlace(texte);
    if (texte.size() > kTailleMax) texte.clear();
    Charge(std::move(texte));
}

void TfichierStr::Charge(std::string texte) {
    texte_ = std::move(texte);
    // CR LF, LF and a lone CR each end a line; a line end at the very end
    // opens no empty last line. The line ends are counted first (a CR LF
    // twice), so that the offsets are allocated once.
    const std::size_t n = texte_.size();
    debuts_.clear();
    debuts_.shrink_to_fit();
    debuts_.reserve(static_cast<std::size_t>(std::count(texte_.begin(), texte_.end(), '\n') +
                                             std::count(texte_.begin(), texte_.end(), '\r')) + 8);
    debuts_.push_back(0);
    for (std::size_t i = 0; i < n; ++i) {
        const char c = texte_[i];
        if (c == '\n' || (c == '\r' && (i + 1 == n || texte_[i + 1] != '\n')))
            debuts_.push_back(static_cast<std::uint32_t>(i + 1));
    }
    if (debuts_.back() != n) debuts_.push_back(static_cast<std::uint32_t>(n));
    indexSections_.clear();
    sections_.clear();
    parNom_.clear();
    derniereVal_.clear();
    lignesFichier_ = NbLignes();
    lues_.assign(static_cast<std::size_t>(lignesFichier_), 0);
    Indexe();
}

std::vector<std::string> TfichierStr::Lignes() const {
    std::vector<std::string> r;
    r.reserve(static_cast<std::size_t>(NbLignes()));
    for (int i = 0; i < NbLignes(); ++i) r.emplace_back(Ligne(i));
    return r;
}

void TfichierStr::Indexe() {
    DBG_SCOPE("TfichierStr.Indexe");
    const int n = NbLignes();
    int h = 0;
    while (h < n) {
        if (!EstEntete(Ligne(h))) {
            ++h;
            continue;
        }
        // The key lines of the section are counted on the way to its end
        // ("[END]" is one: the key search covers it).
        int k = h + 1, nbCles = 0;
        std::string_view nom;
        for (; k < n; ++k) {
            const std::string_view l = Ligne(k);
            if (!NomEntreCrochets(l, nom)) continue;
            ++nbCles;
            if (Chaines::EgalSansCasse(nom, "END")) break;
        }
        const std::string_view tete = SansBlancsFin(Chaines::SansBlancsGauche(Ligne(h)));
        std::string entree(tete);
        entree += '=';
        entree += std::to_string(h + 1);
        entree += ';';
        entree += std::to_string(k - h);
        indexSections_.push_back(std::move(entree));
        // The first entry of a name answers, as a walk of the index would.
        if (std::string_view nom; NomEntreCrochets(tete, nom))
            parNom_.try_emplace(Chaines::MinusculesAscii(nom), static_cast<int>(sections_.size()));
        Section s;
        s.premiere = h + 1;
        s.nombre = k - h;
        IndexeCles(s, nbCles);
        sections_.push_back(std::move(s));
        h = k + 1;
    }
    curseur_ = 0;
}

void TfichierStr::IndexeCles(Section& s, int nbCles) const {
    // The key search covers first .. first + count - 1 ("[END]" included);
    // the value search may look one line further.
    if (nbCles == 0) return;
    const int derniere = NbLignes() - 1;
    const int finCles = std::min(s.premiere + s.nombre - 1, derniere);
    std::string_view nom;
    std::size_t taille = 4;
    while (taille < 2 * static_cast<std::size_t>(nbCles)) taille *= 2;
    s.cles.assign(taille, Cle{});
    // Walked from the end, so that each key line knows the next value line
    // after it; the first line of a key takes its slot last and wins.
    int valeur = -1;
    for (int i = std::min(s.premiere + s.nombre, derniere); i >= s.premiere; --i) {
        const std::string_view l = Ligne(i);
        if (!l.empty() && l[0] != '[') {
            valeur = i;
            continue;
        }
        if (i > finCles || !NomEntreCrochets(l, nom)) continue;
        const std::uint32_t h = HachageSansCasse(nom);
        std::size_t k = h & (taille - 1);
        for (; s.cles[k].ligne != 0; k = (k + 1) & (taille - 1)) {
            if (s.cles[k].hachage != h) continue;
            std::string_view autre;
            NomEntreCrochets(Ligne(static_cast<int>(s.cles[k].ligne) - 1), autre);
            if (Chaines::EgalSansCasse(autre, nom)) break;
        }
        s.cles[k] = {static_cast<std::uint32_t>(i + 1), static_cast<std::uint32_t>(valeur + 1), h};
    }
}

const TfichierStr::Section* TfichierStr::SectionExacte(int premiere, int nombre) const {
    auto it = std::lower_bound(sections_.begin(), sections_.end(), premiere,
                               [](const Section& s, int p) { return s.premiere < p; });
    if (it == sections_.end() || it->premiere != premiere || it->nombre != nombre) return nullptr;
    return &*it;
}

int TfichierStr::TrouveCle(const Section& s, std::string_view cle, int* valeur) const {
    if (s.cles.empty()) return -1;
    const std::size_t masque = s.cles.size() - 1;
    const std::uint32_t h = HachageSansCasse(cle);
    for (std::size_t k = h & masque; s.cles[k].ligne != 0; k = (k + 1) & masque) {
        const Cle& c = s.cles[k];
        if (c.hachage == h && LigneEstCle(static_cast<int>(c.ligne) - 1, cle)) {
            if (valeur) *valeur = static_cast<int>(c.valeur) - 1;
            return static_cast<int>(c.ligne) - 1;
        }
    }
    return -1;
}

int TfichierStr::CleLineaire(std::string_view cle, int premiere, int nombre) const {
    const int fin = std::min(premiere + nombre - 1, NbLignes() - 1);
    for (int k = std::max(premiere, 0); k <= fin; ++k)
        if (LigneEstCle(k, cle)) return k;
    return -1;
}

bool TfichierStr::ChercheSection(std::string_view nom, int& premiere, int& nombre) const {
    DBG_SCOPE("TfichierStr.ChercheSection");
    premiere = 0;
    nombre = 0;
    const auto it = parNom_.find(Chaines::MinusculesAscii(nom));
    if (it == parNom_.end()) return false;
    const Section& s = sections_[static_cast<std::size_t>(it->second)];
    premiere = s.premiere;
    nombre = s.nombre;
    return nombre >= 2;
}

bool TfichierStr::LigneEstCle(int i, std::string_view cle) const {
    return i >= 0 && i < NbLignes() && EgalCrochets(Ligne(i), cle);
}

bool TfichierStr::LigneEstValeur(int i) const {
    if (i < 0 || i >= NbLignes()) return false;
    const std::string_view l = Ligne(i);
    return !l.empty() && l[0] != '[';
}

bool TfichierStr::ContientCle(std::string_view cle, int premiere, int nombre) const {
    const Section* s = SectionExacte(premiere, nombre);
    const int i = s ? TrouveCle(*s, cle) : CleLineaire(cle, premiere, nombre);
    return i >= 0 && i <= premiere + nombre - 2;
}

const std::string& TfichierStr::LitValeur(std::string_view cle, std::string_view defaut, int premiere, int nombre) {
    DBG_SCOPE("TfichierStr.LitValeur");
    // Fast path: keys read in file order sit right after the last value. The
    // line must lie in the section asked: after a read out of order the
    // cursor may stand in another section, whose keys are not this one's.
    ++curseur_;
    if (curseur_ >= premiere && curseur_ <= premiere + nombre - 1 && LigneEstCle(curseur_, cle) &&
        LigneEstValeur(curseur_ + 1)) {
        MarqueLue(curseur_, curseur_ + 1);
        ++curseur_;
        derniereVal_.assign(Ligne(curseur_));
        ligneVal_ = curseur_ + 1;
        return derniereVal_;
    }
    derniereVal_.assign(defaut);
    ligneVal_ = 0;
    int i = -1, valeur = -1;
    if (const Section* s = SectionExacte(premiere, nombre)) {
        i = TrouveCle(*s, cle, &valeur);
    } else {
        // Lines that are no section of the index: the key, then the next line
        // that is neither empty nor bracketed, at most one line past the range.
        i = CleLineaire(cle, premiere, nombre);
        const int borne = std::min(premiere + nombre, NbLignes() - 1);
        if (i >= 0)
            for (int j = i + 1; j <= borne; ++j)
                if (LigneEstValeur(j)) {
                    valeur = j;
                    break;
                }
    }
    if (valeur >= 0) {
        curseur_ = valeur;
        derniereVal_.assign(Ligne(valeur));
        ligneVal_ = valeur + 1;
    }
    if (i >= 0) MarqueLue(i, valeur);
    return derniereVal_;
}

void TfichierStr::MarqueLue(int cle, int valeur) {
    // A key without a value, or whose value stands after another bracketed
    // line (it takes the next key's), has none of its own: it stays unread.
    if (valeur < 0) return;
    for (int j = cle + 1; j < valeur; ++j)
        if (!Ligne(j).empty()) return;
    lues_[static_cast<std::size_t>(cle)] = 1;
    lues_[static_cast<std::size_t>(valeur)] = 1;
}

void TfichierStr::PlagesNonLues(int premiere, int nombre, const std::function<void(int, int)>& plage) const {
    const int fin = std::min(premiere + nombre - 2, NbLignes() - 1);
    int debut = -1;
    for (int i = std::max(premiere, 0); i <= fin; ++i) {
        if (!lues_[static_cast<std::size_t>(i)] && !SansBlancsFin(Ligne(i)).empty()) {
            if (debut < 0) debut = i;
        } else if (debut >= 0) {
            plage(debut, i - 1);
            debut = -1;
        }
    }
    if (debut >= 0) plage(debut, fin);
}

bool TfichierStr::ASection(std::string_view nom) const { return parNom_.count(Chaines::MinusculesAscii(nom)) != 0; }

bool TfichierStr::Fermee(int premiere, int nombre) const {
    std::string_view nom;
    return NomEntreCrochets(Ligne(premiere + nombre - 1), nom) && Chaines::EgalSansCasse(nom, "END");
}

std::vector<TfichierStr::TEntree> TfichierStr::Sections() const {
    std::vector<TEntree> r;
    for (std::size_t k = 0; k < sections_.size(); ++k) {
        const std::string& e = indexSections_[k];
        r.push_back({std::string_view(e).substr(0, e.rfind('=', e.rfind(';'))), sections_[k].premiere,
                     sections_[k].nombre});
    }
    return r;
}

void TfichierStr::CrochetsHorsSections(const std::function<void(int)>& ligne) const {
    // Lines outside every section: a bracketed line after a section's end or
    // after an "[END]" opens a block that no known header opened.
    std::size_t k = 0;
    bool ouvre = true;
    for (int i = 0; i < lignesFichier_; ++i) {
        if (k < sections_.size() && i == sections_[k].premiere - 1) {
            i = sections_[k].premiere + sections_[k].nombre - 1;  // its "[END]"
            ++k;
            ouvre = true;
            continue;
        }
        const std::string_view l = Chaines::SansBlancsGauche(Ligne(i));
        if (l.empty() || l[0] != '[') continue;
        std::string_view nom;
        if (ouvre) ligne(i);
        ouvre = NomEntreCrochets(l, nom) && Chaines::EgalSansCasse(nom, "END");
    }
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
    // The last line gets its line end first, so that the new line stands alone.
    if (!texte_.empty() && texte_.back() != '\n' && texte_.back() != '\r') {
        texte_ += '\n';
        debuts_.back() = static_cast<std::uint32_t>(texte_.size());
    }
    texte_ += '[';
    texte_ += nom;
    texte_ += "]\n";
    debuts_.push_back(static_cast<std::uint32_t>(texte_.size()));
    lues_.push_back(0);
}

void TfichierStr::VirguleEnPoint() {
    DBG_SCOPE("TfichierStr.VirguleEnPoint");
    std::replace(texte_.begin(), texte_.end(), ',', '.');
}
