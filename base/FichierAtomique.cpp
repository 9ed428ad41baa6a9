#include "base/FichierAtomique.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "base/Debug.h"

namespace FichierAtomique {

TAppels AppelsSysteme() {
    return {[](const char* chemin, int drapeaux, mode_t mode) { return ::open(chemin, drapeaux, mode); },
            [](int fd, const void* octets, std::size_t n) { return ::write(fd, octets, n); },
            [](int fd, mode_t mode) { return ::fchmod(fd, mode); },
            [](int fd) { return ::fsync(fd); },
            [](int fd) { return ::close(fd); },
            [](const char* de, const char* vers) { return ::rename(de, vers); }};
}

TAppels& Appels() {
    static TAppels a = AppelsSysteme();
    return a;
}

namespace {

// Closes and removes the temporary file unless it was renamed.
class FichierTemporaire {
public:
    // A new file of that mode, beside the target under a hidden name.
    FichierTemporaire(const std::filesystem::path& dossier, const std::string& nom, mode_t mode) {
        std::random_device alea;
        for (int essai = 0; essai < 100 && fd_ < 0; ++essai) {
            char suffixe[16];
            std::snprintf(suffixe, sizeof suffixe, ".%08x", static_cast<unsigned>(alea()));
            chemin_ = (dossier / ("." + nom + suffixe)).string();
            fd_ = Appels().ouvre(chemin_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        if (fd_ < 0) chemin_.clear();
    }
    ~FichierTemporaire() {
        if (fd_ >= 0) Appels().ferme(fd_);
        if (!chemin_.empty()) ::unlink(chemin_.c_str());
    }
    FichierTemporaire(const FichierTemporaire&) = delete;
    FichierTemporaire& operator=(const FichierTemporaire&) = delete;

    int fd() const { return fd_; }
    const std::string& chemin() const { return chemin_; }
    // Closes the descriptor; false (errno set) when the close reports an error.
    bool Ferme() {
        const int fd = fd_;
        fd_ = -1;
        return Appels().ferme(fd) == 0;
    }
    void Garde() { chemin_.clear(); }

private:
    std::string chemin_;
    int fd_ = -1;
};

bool Echec(std::string* raison, const std::string& texte) {
    if (raison) *raison = texte;
    return false;
}

}  // namespace

namespace {

// A write that failed, with the system's reason.
struct EchecEcriture {
    std::string raison;
};

// Writes through a buffer of its own, so that a text made of many small
// pieces costs few system calls and no allocation.
class Tampon {
public:
    explicit Tampon(int fd) : fd_(fd) {}
    void Ajoute(std::string_view octets) {
        if (octets.size() >= sizeof tampon_ - n_) {
            Vide();
            if (octets.size() >= sizeof tampon_) return Ecrit(octets.data(), octets.size());
        }
        std::memcpy(tampon_ + n_, octets.data(), octets.size());
        n_ += octets.size();
    }
    void Vide() {
        Ecrit(tampon_, n_);
        n_ = 0;
    }

private:
    void Ecrit(const char* p, std::size_t reste) {
        while (reste > 0) {
            const ssize_t n = Appels().ecrit(fd_, p, reste);
            if (n < 0) {
                if (errno == EINTR) continue;
                throw EchecEcriture{std::strerror(errno)};
            }
            if (n == 0) throw EchecEcriture{std::strerror(ENOSPC)};
            p += n;
            reste -= static_cast<std::size_t>(n);
        }
    }
    int fd_;
    std::size_t n_ = 0;
    char tampon_[1 << 16];
};

// The file as the producer writes it, in place of the old one.
bool RemplaceParFlux(const std::string& fichier, const Producteur& produit, std::string* raison) {
    DBG_SCOPE("FichierAtomique.Remplace");
    namespace fs = std::filesystem;
    if (fichier.empty()) return Echec(raison, "pas de nom de fichier");

    // Through a symbolic link, the file it names is the one replaced.
    fs::path cible(fichier);
    std::error_code ec;
    for (int n = 0; n < 40 && fs::is_symlink(cible, ec); ++n) {
        const fs::path lien = fs::read_symlink(cible, ec);
        if (ec) break;
        cible = lien.is_absolute() ? lien : cible.parent_path() / lien;
    }
    const fs::path dossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");

    struct stat st {};
    mode_t mode = 0;
    if (::stat(cible.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Echec(raison, std::strerror(EISDIR));
        // A file the user may not write stays as it is, though the folder
        // would let a new file take its place. One marked read-only (no write
        // permission left for anyone) stays too, also for a user whom the
        // system would let write it (root).
        if (::faccessat(AT_FDCWD, cible.c_str(), W_OK, AT_EACCESS) != 0) return Echec(raison, std::strerror(errno));
        if ((st.st_mode & 0222) == 0) return Echec(raison, "le fichier est en lecture seule");
        mode = st.st_mode & 07777;
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        mode = 0666 & ~masque;
    }

    FichierTemporaire temp(dossier, cible.filename().string(), mode);
    if (temp.fd() < 0) return Echec(raison, std::strerror(errno));
    // The umask may have taken bits off at the creation: the old file's mode
    // is given back whole, and a file that cannot have it is not put in its
    // place.
    if (Appels().change_mode(temp.fd(), mode) != 0) {
        const int err = errno;
        struct stat t {};
        if (::fstat(temp.fd(), &t) != 0 || (t.st_mode & 07777) != mode) {
            char texte[96];
            std::snprintf(texte, sizeof texte, "les droits du fichier (%04o) ne peuvent pas être gardés : ",
                          static_cast<unsigned>(mode));
            return Echec(raison, texte + std::string(std::strerror(err)));
        }
    }

    try {
        Tampon tampon(temp.fd());
        produit([&tampon](std::string_view octets) { tampon.Ajoute(octets); });
        tampon.Vide();
    } catch (const EchecEcriture& e) {
        return Echec(raison, e.raison);
    }
    if (Appels().synchronise(temp.fd()) != 0) return Echec(raison, std::strerror(errno));
    if (!temp.Ferme()) return Echec(raison, std::strerror(errno));
    if (Appels().renomme(temp.chemin().c_str(), cible.c_str()) != 0) return Echec(raison, std::strerror(errno));
    temp.Garde();

    // The new directory entry reaches the disk too (best effort).
    const int d = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return true;
}

}  // namespace

bool Remplace(const std::string& fichier, std::string_view octets, std::string* raison) {
    return RemplaceParFlux(fichier, [octets](const Sortie& sortie) { sortie(octets); }, raison);
}

TErreurEcriture::TErreurEcriture(std::string fichier, std::string raison)
    : std::runtime_error("Impossible d'enregistrer le fichier " + fichier + " : " + raison),
      fichier_(std::move(fichier)),
      raison_(std::move(raison)) {}

void Ecrit(const std::string& fichier, std::string_view octets) { Ecrit(fichier, {octets}); }

void Ecrit(const std::string& fichier, std::initializer_list<std::string_view> parties) {
    EcritFlux(fichier, [parties](const Sortie& sortie) {
        for (std::string_view p : parties) sortie(p);
    });
}

void EcritFlux(const std::string& fichier, const Producteur& produit) {
    if (fichier.empty()) throw TErreurEcriture(fichier, "aucun nom de fichier");
    std::string raison;
    if (!RemplaceParFlux(fichier, produit, &raison)) throw TErreurEcriture(fichier, raison);
}

}  // namespace FichierAtomique
