// The user-interface text table.
//
// Every text the interface shows is a keyed entry: "rs" + a role, 787 keys in
// a fixed order, each with its French default. Window texts follow the rule
// "rs" + component name + "Caption" or "Hint", and a window's title "rs" +
// class name without its "T" + "Caption"; shared texts have plain role names
// ("rsBtnOK", "rsTXTFilter").
//
// A language file "lang_<language>.dat" in the program's folder replaces any
// of them: each useful line is key=text, the key compared ignoring case and
// not trimmed, the text everything after the first "=" (nothing is
// unescaped); the first line of a key counts; unknown keys and lines without
// "=" are ignored; a missing file leaves every text French, silently.
//
// Texts are UTF-8 in memory. Lookup by key is a hash lookup; the returned
// references stay valid for the life of the program (a reload changes the
// texts in place).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Langue {

// Number of keys of the table (787).
int NombreCles();
// Key i (0-based) in the table's order.
std::string_view Cle(int i);
// French default of a key (the later reading for the keys read twice);
// empty for an unknown key.
std::string_view Defaut(std::string_view cle);

// The current text of a key; an empty text for a key the table does not know.
const std::string& Txt(std::string_view cle);
// The current text, or nullptr for a key the table does not know.
const std::string* Trouve(std::string_view cle);

// Path of a language file: dir + "/lang_" + language + ".dat" (an empty
// language gives "lang_.dat").
std::string FichierLangue(const std::string& dossier, const std::string& langue);

// Fills every text from the file, or with its default. A missing or
// unreadable file leaves the French texts.
void ChargeLangue(const std::string& fichier);
// Same, for the language file of a language in a folder.
void ChargeLangue(const std::string& dossier, const std::string& langue);
// Every text back to French.
void Reinitialise();

// Empties the list, then loads the file into it (Windows-1252 or UTF-8, as
// UTF-8 lines) when it exists; returns whether it was loaded.
bool ChargeListe(std::vector<std::string>& liste, const std::string& fichier);

// The text after the first "=" of the first line whose name part (before the
// first "=") equals the key ignoring case; else the default.
std::string LitTexte(const std::vector<std::string>& liste, std::string_view cle, std::string_view defaut);

// A file filter of the table ("desc|*.x|desc2|*.y;*.z") in Qt's form
// ("desc (*.x);;desc2 (*.y *.z)"). A description that already ends with its
// patterns in parentheses keeps them once; a trailing description without
// patterns is dropped.
std::string FiltreQt(std::string_view filtre);

}  // namespace Langue
