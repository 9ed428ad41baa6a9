// The actions of the surface list dialog on the chosen surfaces (sel[i]
// stands for surface i): lock, calculation scope, delete, duplicate, the two
// mirrors and the export of a document holding only the chosen surfaces.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/Document.h"
#include "views/EditNet.h"

namespace ListeSurf {

enum TAction : int {
    laVerrou = 1,
    laPortee = 2,
    laSuppr = 3,
    laDuplic = 4,
    laMiroirVert = 5,  // negates Z
    laMiroirHoriz = 6, // negates X
    laExport = 7,
};

// The lines selected when the dialog opens for an action.
std::vector<bool> SelectionInitiale(const Document& doc, int action);

// The first visible, unlocked surface becomes current at (0, 0); nothing
// when there is none.
void PremiereCourante(Document& doc);

// Locked := chosen, for every surface; then the first visible unlocked one
// becomes current.
void Verrouille(Document& doc, const std::vector<bool>& sel);
// Counted in calculations := chosen.
void Portee(Document& doc, const std::vector<bool>& sel);

// Removes one surface and everything that named it: later surfaces move one
// place back (index and net owner); welded groups, ListPCSoudes and the
// views' selections lose its points and renumber the later ones; its
// weights are detached (they stay in the list, attached to no surface) and
// those of later surfaces renumbered; the current control point and the
// frame being dragged never name a removed surface.
void SupprimeSurface(Document& doc, std::span<const EditNet::TVueSel> vues, int surf);
// The chosen surfaces from the last to the first, then the first visible
// unlocked one current, the total weight and the sail centre again.
void Supprime(Document& doc, std::span<const EditNet::TVueSel> vues, const std::vector<bool>& sel);

// A copy of surface i appended, named after it with " " and the new count;
// its index, or -1 when the document is full.
int DupliqueSurface(Document& doc, int i);
// The chosen surfaces duplicated from the last to the first, then evaluated.
// Refused (false, message, nothing added) when they would pass 100 surfaces.
bool Duplique(Document& doc, const std::vector<bool>& sel);

// Mirror of the chosen surfaces with their frames (weights stay): axis 2
// negates Z, axis 0 negates X.
void Miroir(Document& doc, const std::vector<bool>& sel, int axe);

// The chosen surfaces written as a document of their own; false (and the
// reason shown) when it cannot be written.
bool Exporte(const Document& doc, const std::vector<bool>& sel, const std::string& fichier);

}  // namespace ListeSurf
