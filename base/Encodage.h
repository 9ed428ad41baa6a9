// Text at the file boundary.
//
// The program's own files (documents, language files, imports) are 8-bit
// Windows-1252 text on disk; in memory every text is UTF-8. Reading decodes a
// whole file once: valid UTF-8 (with or without its byte-order mark) is taken
// as it is, anything else is read as Windows-1252, so every byte maps to one
// character and nothing is lost. Writing turns UTF-8 back into Windows-1252;
// a character that code page cannot hold is written as "?".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Encodage {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool EstUtf8Valide(std::string_view octets);

// Windows-1252 bytes to UTF-8. Total: the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same number, as the platform's own conversion does.
std::string Windows1252VersUtf8(std::string_view octets);

// UTF-8 to Windows-1252 bytes; characters outside the code page (and bytes
// that are not valid UTF-8) become "?".
std::string Utf8VersWindows1252(std::string_view utf8);

// The bytes of a file, decoded: UTF-8 when valid (a leading byte-order mark is
// dropped), Windows-1252 otherwise.
std::string DecodeTexte(std::string_view octets);

// The same, in place: the bytes of a file become its UTF-8 text without a
// second copy when they are UTF-8 already.
void DecodeEnPlace(std::string& octets);

// Splits a text into lines: CR LF, LF and a lone CR each end a line; a line
// end at the very end does not open an empty last line. An empty text has no
// line.
std::vector<std::string> DecoupeLignes(std::string_view texte);

// Reads the bytes of a whole file. False (with a reason in *erreur) when the
// file cannot be opened or read; the bytes are then empty.
bool LitOctets(const std::string& chemin, std::string& octets, std::string* erreur = nullptr);

// Reads a whole file into UTF-8 lines. False (with a reason in *erreur) when
// the file cannot be opened or read; the lines are then empty.
bool LitFichierTexte(const std::string& chemin, std::vector<std::string>& lignes,
                     std::string* erreur = nullptr);

// Writes UTF-8 lines as Windows-1252, each followed by the line end (CR LF by
// default), in one step: the text goes to a temporary file beside the target,
// which then replaces it, so a failed write never leaves half a file. False
// (with a reason) when the file cannot be written.
bool EcritFichierTexte(const std::string& chemin, const std::vector<std::string>& lignes,
                       std::string* erreur = nullptr, std::string_view finDeLigne = "\r\n");

// Number of characters (code points) of a UTF-8 text.
std::size_t LongueurCar(std::string_view utf8);

}  // namespace Encodage
