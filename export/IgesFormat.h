// The fixed-format records of IGES 5.2 as the program writes and reads them:
// 80-column records of the sections S (start), G (global), D (directory
// entries), P (parameter data) and T (terminate); free-format parameters
// separated by "," and ended by ";"; texts in Hollerith form.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace IgesFormat {

inline constexpr int kLongRecord = 80;
inline constexpr int kColonnesTexte = 72;   // S and G text columns
inline constexpr int kColonnesP = 64;       // P parameter columns (then the DE pointer)

// Entity types written.
inline constexpr int kCourbeBSpline = 126;   // rational B-spline curve
inline constexpr int kSurfaceBSpline = 128;  // rational B-spline surface
inline constexpr int kCouleur = 314;         // colour definition

// The text in Hollerith form "nH..."; an empty text gives an empty field.
std::string Hollerith(std::string_view texte);

// The shortest text that reads back to the same double, in IGES real syntax
// (always a decimal point, exponent "E"): 0.5, 1.0, 1.0E-05, -2.5E+20.
// A value that is not a finite number has no such text: std::domain_error.
std::string Reel(double v);
// The same appended to s.
void AjouteReel(std::string& s, double v);

// The parameters of a text cut into tokens, each with its delimiter ("," or
// ";") at its end; a Hollerith string is one token whatever it holds. The
// last token takes the rest of the text. FinJeton gives where the token
// starting at `debut` ends.
std::size_t FinJeton(std::string_view texte, std::size_t debut);
std::vector<std::string_view> Jetons(std::string_view texte);

// The records of one section being built.
class TSection {
public:
    explicit TSection(char lettre) : lettre_(lettre) {}

    // Packs free-format text into new records (the text starts a record):
    // tokens are kept whole while they fit the width (72 columns, or 64 for
    // the P section, given a DE pointer >= 1); a token wider than a record is
    // split across records, as IGES allows for strings. With `texteLibre`
    // (the S section) the text is cut only after its commas. Returns the
    // number of records added.
    int Ajoute(std::string_view texte, int pointeurDE = -1, bool texteLibre = false);

    // The same, token by token: Debut starts a new record, each Jeton adds a
    // token (with its delimiter), Fin ends the last record and returns the
    // number of records since Debut.
    void Debut(int pointeurDE = -1);
    void Jeton(std::string_view jeton);
    // A real in the shortest form, followed by the delimiter.
    void JetonReel(double v, char delimiteur = ',');
    int Fin();
    // Appends a record whose 80 columns are given (D records).
    void AjouteRecord(std::string_view record) {
        texte_.append(record);
        texte_ += '\n';
        ++count_;
    }

    // Appends the records of another section of the same letter, numbered
    // on from this one's.
    void AjouteSection(const TSection& autre);
    void Reserve(std::size_t octets) { texte_.reserve(octets); }
    int Count() const { return count_; }
    char Lettre() const { return lettre_; }
    // The records, each of 80 columns followed by a line end.
    const std::string& Texte() const { return texte_; }

private:
    // Pads the record being filled and closes it with its columns 65-80.
    void FinRecord();
    char lettre_;
    int count_ = 0;
    std::string texte_;
    std::size_t debutRecord_ = 0;  // where the record being filled starts in texte_
    std::size_t largeur_ = kColonnesTexte;
    int pointeurDE_ = -1;
    int debutGroupe_ = 0;
};

// A directory-entry record: nine fields right-justified in 8 columns, "D",
// the sequence number.
std::string RecordD(const std::array<std::string, 9>& champs, int sequence);

// The terminate record from the four section counts.
std::string RecordT(int s, int g, int d, int p);

}  // namespace IgesFormat
