#include "app/doc/FichierAtomique.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "model/Debug.h"

namespace FichierAtomique {

TErreurEcriture::TErreurEcriture(std::string fichier, std::string raison)
    : std::runtime_error("Impossible d'enregistrer le fichier " + fichier + " : " + raison),
      fichier_(std::move(fichier)),
      raison_(std::move(raison)) {}

namespace {

// Closes and removes the temporary file unless it was renamed.
class FichierTemporaire {
public:
    explicit FichierTemporaire(std::string modele) : chemin_(std::move(modele)) {
        fd_ = ::mkstemp(chemin_.data());
        if (fd_ < 0) chemin_.clear();
    }
    ~FichierTemporaire() {
        if (fd_ >= 0) ::close(fd_);
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
        return ::close(fd) == 0;
    }
    void Garde() { chemin_.clear(); }

private:
    std::string chemin_;
    int fd_ = -1;
};

std::string Raison(int err) { return std::strerror(err); }

}  // namespace

void Ecrit(const std::string& fichier, std::string_view octets) { Ecrit(fichier, {octets}); }

void Ecrit(const std::string& fichier, std::initializer_list<std::string_view> parties) {
    DBG_SCOPE("FichierAtomique.Ecrit");
    namespace fs = std::filesystem;
    if (fichier.empty()) throw TErreurEcriture(fichier, "aucun nom de fichier");

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
        if (S_ISDIR(st.st_mode)) throw TErreurEcriture(fichier, Raison(EISDIR));
        // A file the user may not write stays as it is, though the folder
        // would let a new file take its place.
        if (::faccessat(AT_FDCWD, cible.c_str(), W_OK, AT_EACCESS) != 0) throw TErreurEcriture(fichier, Raison(errno));
        mode = st.st_mode & 07777;
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        mode = 0666 & ~masque;
    }

    std::string cache(1, '.');  // a hidden name beside the target
    cache += cible.filename().string();
    cache += ".XXXXXX";
    FichierTemporaire temp((dossier / cache).string());
    if (temp.fd() < 0) throw TErreurEcriture(fichier, Raison(errno));
    ::fchmod(temp.fd(), mode);

    for (std::string_view octets : parties) {
        const char* p = octets.data();
        std::size_t reste = octets.size();
        while (reste > 0) {
            const ssize_t n = ::write(temp.fd(), p, reste);
            if (n < 0) {
                if (errno == EINTR) continue;
                throw TErreurEcriture(fichier, Raison(errno));
            }
            p += n;
            reste -= static_cast<std::size_t>(n);
        }
    }
    if (::fsync(temp.fd()) != 0) throw TErreurEcriture(fichier, Raison(errno));
    if (!temp.Ferme()) throw TErreurEcriture(fichier, Raison(errno));
    if (::rename(temp.chemin().c_str(), cible.c_str()) != 0) throw TErreurEcriture(fichier, Raison(errno));
    temp.Garde();

    // The new directory entry reaches the disk too (best effort).
    const int d = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
}

}  // namespace FichierAtomique
