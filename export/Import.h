// What the DXF and IGES imports share: surfaces read from a file join the
// document in one step, like every other change of the model.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class Document;
class TEntity;

namespace Import {

// What a reading gives: the surfaces, the reasons some were refused, and the
// kinds of entity skipped with their counts.
struct TLecture {
    std::vector<std::unique_ptr<TEntity>> Surfaces;
    std::vector<std::string> Refus;
    std::map<std::string, int> Ignores;
};

// Runs a reader that throws on a malformed file: lu takes what it read only
// when it went through, else erreur the reason.
template <class F>
bool Essaie(TLecture& lu, std::string& erreur, F&& lire) {
    TLecture r;
    try {
        lire(r);
    } catch (const std::exception& e) {
        erreur = e.what();
        return false;
    }
    lu = std::move(r);
    return true;
}

// Appends the surfaces read: none when the document cannot hold them all
// (message "Nombre maximum de Surfaces atteint"). A name already taken gets
// "_2", "_3" ... Before the change the undo record; then the new surfaces are
// evaluated with their cuts, the net bounds follow, the document is marked
// modified and the auxiliary windows refreshed. One message tells what was
// refused or skipped. Returns the number of surfaces added.
int Ajoute(Document& doc, TLecture&& lu);

// Reads the file's lines with `lit` and appends what it gives (Ajoute); a
// file that cannot be read or is malformed gives one message naming the file
// and the reason, and nothing changes. Returns the number of surfaces added.
using TLit = bool (*)(const std::vector<std::string>& lignes, TLecture& lu, std::string& erreur);
int Fichier(Document& doc, const std::string& chemin, TLit lit);

}  // namespace Import
