#include "base/DebugLink.h"

#include "base/Debug.h"
#include "base/Encodage.h"

namespace DebugLink {

std::string Ligne(int type, const std::string& tag, int index, const std::vector<std::string>& values) {
    std::string t;
    if (!tag.empty()) {
        t = "TMsgLong|" + Debug::TypeName(type) + "|" + tag + "|" + std::to_string(index) + "|";
    } else {
        t = "TMsgCourt|";
    }
    t += std::to_string(values.size());
    t += '|';
    for (const std::string& v : values) {
        t += v;
        t += '|';
    }
    return Encodage::Utf8VersWindows1252(t);
}

std::vector<std::string> SousItems(const std::string& tag, int index, const std::vector<std::string>& values) {
    std::vector<std::string> s{tag};
    if (index >= 0) {
        s.push_back(std::to_string(index));
        for (std::size_t i = 0; i < values.size() && i < 4; ++i) s.push_back(values[i]);
    } else if (index == -1 || index == -2) {
        const char* c = index == -1 ? "-" : "*";
        s.push_back(std::string(3, *c));
        for (int i = 0; i < 4; ++i) s.push_back(std::string(6, *c));
    }
    return s;
}

std::string LigneExport(const std::vector<std::string>& sousItems) {
    std::string l;
    for (std::size_t i = 0; i < 5; ++i) {
        if (i > 0) l += " | ";
        if (i < sousItems.size()) l += sousItems[i];
    }
    return l;
}

bool TFile::Ajoute(std::string ligne) {
    if (octets_ + ligne.size() > capacite_) {
        ++perdus_;
        return false;
    }
    octets_ += ligne.size();
    lignes_.push_back(std::move(ligne));
    return true;
}

std::string TFile::Prend(std::size_t max) {
    std::string t;
    while (!lignes_.empty() && (t.empty() || t.size() + lignes_.front().size() <= max)) {
        t += lignes_.front();
        octets_ -= lignes_.front().size();
        lignes_.pop_front();
    }
    return t;
}

void TFile::Vide() {
    lignes_.clear();
    octets_ = 0;
}

}  // namespace DebugLink
