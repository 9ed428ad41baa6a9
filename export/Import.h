// What the DXF and IGES imports share: surfaces read from a file join the
// document in one step, like every other change of the model.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class Document;
class TEntity;

namespace Import {

// What a reading gives: the surfaces, the reasons some were refused, and the
// kinds of entity skipped with their counts. Beyond what a document can hold
// the surfaces read are only counted (Garde), so that a file of many
// thousands takes no more memory than a hundred.
struct TLecture {
    std::vector<std::unique_ptr<TEntity>> Surfaces;
    int NonGardees = 0;
    std::vector<std::string> Refus;
    std::map<std::string, int> Ignores;

    void Garde(std::unique_ptr<TEntity> s);
    // The number of surfaces read, kept or not.
    int Lues() const { return static_cast<int>(Surfaces.size()) + NonGardees; }
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
// (message "Nombre maximum de Surfaces atteint"). Each is evaluated at the
// document's precision first: one whose evaluation fails or gives a point
// that is not a finite number is refused by name. A name already taken gets
// "_2", "_3" ... Before the change the undo record; then the new surfaces
// get their cuts, the net bounds follow, the document is marked modified and
// the auxiliary windows refreshed. One message tells what was added, refused
// or skipped. Returns the number of surfaces added.
int Ajoute(Document& doc, TLecture&& lu);

// Reads the file's bytes with `lit` and appends what it gives (Ajoute); a
// file that cannot be read or is malformed gives one message naming the file
// and the reason, and nothing changes. Returns the number of surfaces added.
using TLit = bool (*)(std::string_view octets, TLecture& lu, std::string& erreur);
int Fichier(Document& doc, const std::string& chemin, TLit lit);

}  // namespace Import
