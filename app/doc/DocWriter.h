// The document writer: the whole document, or a chosen set of its surfaces,
// as a "*.cse" file that the reader (GestFich::OuvrirFichier) reads back to
// the same values, bit for bit.
//
// Layout: the sections HEADER, MAIN, SURF0.., SOUDES, VUES, GRILLE, OPTIONS,
// COTES, BALLAST, REPERES, ENVAHISEMENT in this order, each key on its own
// line "[key]" followed by its value line, each section closed by "[END]".
// Lists end every field with ";", booleans are "1"/"0", the format version is
// "1.10". The file is Windows-1252 with CR LF line ends, as the program has
// always written it.
//
// Writing is atomic: the text goes to a temporary file beside the target,
// which is flushed to disk and only then renamed over the target. A failure
// (folder not writable, disk full) leaves the old file as it was and raises
// TErreurEcriture naming the file and the reason.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/FichierAtomique.h"

class Document;

namespace DocWriter {

inline constexpr std::string_view kVersionFichier = "1.10";

using TErreurEcriture = FichierAtomique::TErreurEcriture;

// A value that the file cannot hold (an infinity or a NaN): the message names
// the surface or section and the key. Nothing upstream lets one into the
// document; should one be there, the document is not written.
class TValeurNonFinie : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TOptionsEcriture {
    // The dates of the section HEADER ("dd/mm/yyyy"); empty: today's date.
    std::string Date;
};

// Every surface index of the document, 0 .. NbSurf - 1.
std::vector<int> ToutesLesSurfaces(const Document& doc);

// The indices as the save routine receives them: decimal texts. An entry that
// is not the index of a surface of the document, or that is given twice,
// raises std::invalid_argument.
std::vector<int> IndicesDepuisTextes(const Document& doc, const std::vector<std::string>& textes);

// The document as lines of UTF-8 text (without line ends). The surfaces are
// written in the order of the list as SURF0, SURF1, ...; welded points are
// renumbered with them and those on surfaces left out are dropped (a group
// left with fewer than two points goes too); a weight attached to a surface
// left out is written as attached to none. Raises std::invalid_argument for
// an index that names no surface or is given twice, TValeurNonFinie for a
// value that is not finite.
std::vector<std::string> LignesDocument(const Document& doc, const std::vector<int>& surfaces,
                                        const TOptionsEcriture& options = {});

// The bytes of the file: Windows-1252, CR LF after every line.
std::string OctetsDocument(const Document& doc, const std::vector<int>& surfaces,
                           const TOptionsEcriture& options = {});

// Writes the document to the file, atomically. Raises TErreurEcriture (a
// value that is not finite among them: the old file stays as it was).
void EcritDocument(const Document& doc, const std::vector<int>& surfaces, const std::string& fichier,
                   const TOptionsEcriture& options = {});
void EcritDocument(const Document& doc, const std::vector<std::string>& surfaces, const std::string& fichier,
                   const TOptionsEcriture& options = {});

// Replaces the file by these bytes, atomically (base/FichierAtomique.h: a
// symbolic link is followed and its target replaced; an existing file keeps
// its permissions, and one the user may not write is not replaced). Raises
// TErreurEcriture; the temporary file never stays behind.
void EcritFichierAtomique(const std::string& fichier, std::string_view octets);

}  // namespace DocWriter
