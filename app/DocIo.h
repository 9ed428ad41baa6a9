// How the main window reads and writes documents. The reader and the writer
// live with the document format; the main window only calls these entries,
// which are installed at start-up. While an entry is empty the commands that
// need it are disabled (open, recent files) or refuse with a message (save).
#pragma once

#include <functional>
#include <string>
#include <vector>

class Document;

namespace DocIo {

struct Fonctions {
    // Reads the file into the document, which the caller has emptied. At
    // start-up (`demarrage`) the views' settings are kept in the document and
    // not applied to windows. A successful reading leaves the document saved,
    // titled and puts the file first in `recents`. Throws on an error that the
    // reader reports to its caller (what was read stays in the document).
    std::function<void(Document& doc, const std::string& chemin, bool demarrage, std::vector<std::string>& recents)>
        ouvrir;
    // Writes the whole document: mode 0 under doc.NomFichier, mode 1 as
    // "recovery.cse" (doc.NomFichier unchanged afterwards), and returns the
    // path written. Throws an exception naming the file and the reason when
    // the file is not written.
    std::function<std::string(Document& doc, int mode)> enregistrer;
    // Puts a name first in the recent-files list (no duplicate).
    std::function<void(std::vector<std::string>& recents, const std::string& nom)> ajouteFichierRecent;
};

void Installe(Fonctions f);
const Fonctions& fonctions();

// The list rule used while no other is installed: the name moves or goes to
// the top, an exact duplicate is removed; an empty name changes nothing.
void AjouteFichierRecentDefaut(std::vector<std::string>& recents, const std::string& nom);

}  // namespace DocIo
