#include "app/DocIo.h"

#include <algorithm>

namespace DocIo {

namespace {
Fonctions g_fonctions;
}

void Installe(Fonctions f) { g_fonctions = std::move(f); }

const Fonctions& fonctions() { return g_fonctions; }

void AjouteFichierRecentDefaut(std::vector<std::string>& recents, const std::string& nom) {
    if (nom.empty()) return;
    recents.erase(std::remove(recents.begin(), recents.end(), nom), recents.end());
    recents.insert(recents.begin(), nom);
}

}  // namespace DocIo
