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
std::string Reel(double v);

// The parameters of a text cut into tokens, each with its delimiter ("," or
// ";") at its end; a Hollerith string is one token whatever it holds. The
// last token takes the rest of the text.
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
    // Appends a record whose 80 columns are given (D records).
    void AjouteRecord(std::string record) { records_.push_back(std::move(record)); }

    int Count() const { return static_cast<int>(records_.size()); }
    char Lettre() const { return lettre_; }
    const std::vector<std::string>& Records() const { return records_; }

private:
    void Emet(std::string_view texte, int pointeurDE);
    char lettre_;
    std::vector<std::string> records_;
};

// A directory-entry record: nine fields right-justified in 8 columns, "D",
// the sequence number.
std::string RecordD(const std::array<std::string, 9>& champs, int sequence);

// The terminate record from the four section counts.
std::string RecordT(int s, int g, int d, int p);

}  // namespace IgesFormat
