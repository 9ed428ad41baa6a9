// The list of recently opened documents: full file names, newest first,
// without duplicates. File names compare exactly: on this system two names
// that differ in letter case are two files. The list has no length limit; the
// menu shows its first ten entries.
#pragma once

#include <string>
#include <vector>

class TRecentFiles {
public:
    static constexpr int kMaxMenu = 10;

    // Puts the name first; an entry with the same name moves up (no duplicate).
    // An empty name changes nothing.
    void Ajoute(const std::string& nom);
    // Removes the entry with this name; false when there is none.
    bool Retire(const std::string& nom);
    void Clear() { noms_.clear(); }

    // The list as stored in the settings ("File1", "File2", ... in order):
    // empty names are skipped, the first of duplicates is kept.
    void Remplace(const std::vector<std::string>& noms);

    const std::vector<std::string>& Liste() const { return noms_; }
    int Count() const { return static_cast<int>(noms_.size()); }
    // The entries the menu shows: the first kMaxMenu.
    std::vector<std::string> Menu() const;

private:
    std::vector<std::string> noms_;
};
