// Reader of sectioned text files (the "*.cse" documents).
//
// The whole file is held as one text, its lines as offsets into it (four
// bytes a line), so that memory stays a small multiple of the file's size
// whatever its lines. Lines are counted in an int: a text longer than an int
// counts is not read. Sections are indexed once at loading: a section opens
// at a header line "[HEAD...", "[MAIN...", "[SURF..." (eleven known
// prefixes, after leading blanks) and runs to the first line "[END]". Inside
// a section a key is a line "[key]" and its value is the next line that is
// neither empty nor bracketed. Blanks and tabs after a header or a key line
// are dropped; CR LF, LF and CR all end a line. Reading is forgiving: a
// missing key or a value that does not convert gives the caller's default;
// every line a key read takes is marked, so that the caller can learn once it
// is done what the file held that it did not read.
//
// Reading keys in file order is one line comparison per key: the cursor
// remembers the last value line, and the next key is looked for on the line
// after it when that line belongs to the section asked. Any other key of an indexed section is found through the
// section's table of keys (the first line of a key wins, its value line found
// at loading), so that the keys may stand in any order at no extra cost.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TfichierStr {
public:
    TfichierStr() = default;

    // Loads and indexes the file. A missing file shows the warning
    // "Fichier <name> inexistant" and returns false, as does a file that
    // exists but cannot be read (with the reading-error message and why: a
    // file larger than the reader takes is refused by its size before it is
    // read, an unreadable one gives the system's reason); the lines and the
    // index are then empty.
    bool ChargeFichier(const std::string& nom);

    // Loads and indexes a text already in memory (bytes as they would stand on
    // disk: Windows-1252 or UTF-8).
    void ChargeContenu(std::string_view octets);

    // Looks up the section "[nom]": first line after the header and the
    // section's line count (header included, "[END]" excluded). False (with 0
    // and 0) when absent or empty.
    bool ChercheSection(std::string_view nom, int& premiere, int& nombre) const;

    // The value of a key of the section given by its first line and count, or
    // the default. The returned text is DerniereValeur().
    const std::string& LitValeur(std::string_view cle, std::string_view defaut, int premiere, int nombre);

    int LitEntier(std::string_view cle, int defaut, int premiere, int nombre);
    double LitReel(std::string_view cle, double defaut, int premiere, int nombre);
    bool LitBooleen(std::string_view cle, bool defaut, int premiere, int nombre);

    // Whether the lines first .. first + count - 2 of the section (its "[END]"
    // left out) hold the key line "[cle]"; the cursor does not move.
    bool ContientCle(std::string_view cle, int premiere, int nombre) const;

    // Appends the line "[nom]" (the index is not updated).
    void AjouteSection(std::string_view nom);

    // Every "," of every held line becomes ".".
    void VirguleEnPoint();

    // ---- What a reading left out (asked once the reading is over) ----
    // A section of the index: its header (trimmed), first line and count.
    struct TEntree {
        std::string_view entete;
        int premiere = 0;
        int nombre = 0;
    };
    std::vector<TEntree> Sections() const;
    // Whether the index holds a section of that name (letter case aside), even an empty one.
    bool ASection(std::string_view nom) const;
    // Whether the section is closed by its "[END]" (else it runs to the end of the file).
    bool Fermee(int premiere, int nombre) const;
    // The runs of lines of the section ("[END]" left out) that no key read
    // took, each given as its first and last line: key lines not asked for,
    // keys without a value of their own, and lines that are neither a key nor
    // a value read. A line of blanks is no part of a run.
    void PlagesNonLues(int premiere, int nombre, const std::function<void(int, int)>& plage) const;
    // The bracketed lines outside every section that open a block: the first
    // one after a section's end or after an "[END]" (a section whose header
    // is not one of the file's).
    void CrochetsHorsSections(const std::function<void(int)>& ligne) const;

    const std::string& DerniereValeur() const { return derniereVal_; }
    // The line (from 1) of the last value found, 0 when the last key was absent.
    int LigneDerniereValeur() const { return ligneVal_; }

    int NbLignes() const { return static_cast<int>(debuts_.size()) - 1; }
    // Line i without its line end; empty for an index out of the lines.
    std::string_view Ligne(int i) const {
        if (i < 0 || i >= NbLignes()) return {};
        const std::size_t debut = debuts_[static_cast<std::size_t>(i)];
        std::size_t fin = debuts_[static_cast<std::size_t>(i) + 1];
        // A line never begins with the "\n" of a line end, so what ends it is
        // found from its end: "\n", "\r\n" or "\r".
        if (fin > debut && texte_[fin - 1] == '\n') --fin;
        if (fin > debut && texte_[fin - 1] == '\r') --fin;
        return std::string_view(texte_).substr(debut, fin - debut);
    }
    // A copy of every line (for the tests).
    std::vector<std::string> Lignes() const;
    // Index entries as "<header>=<first line>;<count>", e.g. "[SURF0]=12;57".
    const std::vector<std::string>& IndexSections() const { return indexSections_; }
    int Curseur() const { return curseur_; }

private:
    // The keys of one indexed section: an open-addressing table of key lines
    // (line + 1, 0 for a free slot), each with the line of its value (line +
    // 1, 0 when it has none) and the hash of its name.
    struct Cle {
        std::uint32_t ligne = 0;
        std::uint32_t valeur = 0;
        std::uint32_t hachage = 0;
    };
    struct Section {
        int premiere = 0;
        int nombre = 0;
        std::vector<Cle> cles;
    };

    void Charge(std::string texte);
    void Indexe();
    void IndexeCles(Section& s, int nbCles) const;
    const Section* SectionExacte(int premiere, int nombre) const;
    // Line of the key in the indexed section, or -1; *valeur: the line of
    // its value, or -1.
    int TrouveCle(const Section& s, std::string_view cle, int* valeur = nullptr) const;
    int CleLineaire(std::string_view cle, int premiere, int nombre) const;
    bool LigneEstCle(int i, std::string_view cle) const;
    bool LigneEstValeur(int i) const;
    void MarqueLue(int cle, int valeur);

    std::string texte_;                  // the whole file, UTF-8
    std::vector<std::uint32_t> debuts_{0};  // start of each line, then the end of the text
    int lignesFichier_ = 0;              // the lines of the file, before any appended
    std::vector<std::uint8_t> lues_;     // per line: taken by a key read
    std::string derniereVal_;
    int ligneVal_ = 0;
    int curseur_ = 0;
    std::vector<std::string> indexSections_;
    std::vector<Section> sections_;      // in the order of indexSections_
    std::unordered_map<std::string, int> parNom_;  // lower-case section name -> first entry
};
