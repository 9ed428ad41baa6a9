// Files and folders for the tests that read and write on disk: whole files
// as bytes, and a scratch folder removed with everything in it afterwards.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace testfiles {

// The key and value line pairs of [debut, fin) in reverse order (a last
// line without its pair stays where it is).
inline void InversePaires(std::vector<std::string>::iterator debut, std::vector<std::string>::iterator fin) {
    fin = debut + (fin - debut) / 2 * 2;
    std::reverse(debut, fin);
    for (auto it = debut; it != fin; it += 2) std::iter_swap(it, it + 1);
}

inline std::string LitOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void EcritOctets(const std::string& chemin, const std::string& octets) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f << octets;
}

// A fresh folder under `racine` (the system's temporary folder by default),
// removed with everything in it at the end of the test, whatever rights the
// test left on its entries.
class Dossier {
public:
    explicit Dossier(const std::filesystem::path& racine = std::filesystem::temp_directory_path()) {
        std::string modele = (racine / "corvane-test-XXXXXX").string();
        if (::mkdtemp(modele.data())) chemin_ = modele;
        ::chmod(chemin_.c_str(), 0755);
    }
    ~Dossier() {
        std::error_code ec;
        for (auto& e : std::filesystem::recursive_directory_iterator(chemin_, ec))
            ::chmod(e.path().c_str(), e.is_directory() ? 0755 : 0644);
        ::chmod(chemin_.c_str(), 0755);
        std::filesystem::remove_all(chemin_, ec);
    }
    Dossier(const Dossier&) = delete;
    Dossier& operator=(const Dossier&) = delete;
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }
    const std::string& chemin() const { return chemin_; }
    // Writes a file of the folder and gives its path.
    std::string Ecrit(const std::string& nom, const std::string& octets) const {
        const std::string p = *this / nom;
        EcritOctets(p, octets);
        return p;
    }
    // Names of the entries of the folder.
    std::vector<std::string> Entrees() const {
        std::vector<std::string> r;
        for (auto& e : std::filesystem::directory_iterator(chemin_)) r.push_back(e.path().filename().string());
        return r;
    }

private:
    std::string chemin_;
};

}  // namespace testfiles
