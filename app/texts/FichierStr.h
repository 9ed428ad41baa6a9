// Reader of sectioned text files (the "*.cse" documents).
//
// The whole file is held as a list of lines. Sections are indexed once at
// loading: a section opens at a header line "[HEAD...", "[MAIN...", "[SURF..."
// (eleven known prefixes, after leading blanks) and runs to the first line
// "[END]". Inside a section a key is a line "[key]" and its value is the next
// line that is neither empty nor bracketed. Reading is forgiving: a missing
// key or a value that does not convert gives the caller's default.
//
// Reading keys in file order is one line comparison per key: the cursor
// remembers the last value line, and the next key is looked for on the line
// after it before the section is scanned.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TfichierStr {
public:
    TfichierStr() = default;

    // Loads and indexes the file. A missing file shows the warning
    // "Fichier <name> inexistant" and returns false, as does a file that
    // exists but cannot be read (with the reading-error message); the lines and
    // the index are then empty.
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

    // Appends the line "[nom]" (the index is not updated).
    void AjouteSection(std::string_view nom);

    // Every "," of every held line becomes ".".
    void VirguleEnPoint();

    const std::string& DerniereValeur() const { return derniereVal_; }

    const std::vector<std::string>& Lignes() const { return lignes_; }
    // Index entries as "<header>=<first line>;<count>", e.g. "[SURF0]=12;57".
    const std::vector<std::string>& IndexSections() const { return indexSections_; }
    int Curseur() const { return curseur_; }

private:
    void Indexe();
    bool LigneEstCle(int i, std::string_view cle) const;
    bool LigneEstValeur(int i) const;

    std::vector<std::string> lignes_;
    std::string derniereVal_;
    int curseur_ = 0;
    std::vector<std::string> indexSections_;
};
