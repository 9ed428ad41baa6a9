#include "app/doc/RecentFiles.h"

#include <algorithm>

#include "base/Debug.h"

void TRecentFiles::Ajoute(const std::string& nom) {
    DBG_SCOPE("TRecentFiles.Ajoute");
    if (nom.empty()) return;
    Retire(nom);
    noms_.insert(noms_.begin(), nom);
}

bool TRecentFiles::Retire(const std::string& nom) {
    const auto it = std::find(noms_.begin(), noms_.end(), nom);
    if (it == noms_.end()) return false;
    noms_.erase(it);
    return true;
}

void TRecentFiles::Remplace(const std::vector<std::string>& noms) {
    DBG_SCOPE("TRecentFiles.Remplace");
    noms_.clear();
    for (const std::string& n : noms)
        if (!n.empty() && std::find(noms_.begin(), noms_.end(), n) == noms_.end()) noms_.push_back(n);
}

std::vector<std::string> TRecentFiles::Menu() const {
    const auto n = std::min<std::size_t>(noms_.size(), kMaxMenu);
    return {noms_.begin(), noms_.begin() + static_cast<std::ptrdiff_t>(n)};
}
