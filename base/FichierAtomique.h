// Replacing a file in one step, for the documents and the error journal.
//
// The new bytes go to a temporary file beside the target, created with the
// permissions of the file it replaces (the umask's for a new file), flushed
// to disk and only then renamed over the target. A failure at any step (the
// folder not writable, no free inode, the disk full, permissions that cannot
// be given) leaves the old file exactly as it was and says why; the
// temporary file never stays behind. A symbolic link is followed and the
// file it names is replaced; a file the user may not write, or one marked
// read-only (even for root), is not replaced.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace FichierAtomique {

// The calls to the system on the way, in one place so that a test can make
// any of them fail as a full disk or a refusing file system would.
struct TAppels {
    int (*ouvre)(const char* chemin, int drapeaux, mode_t mode);
    ssize_t (*ecrit)(int fd, const void* octets, std::size_t n);
    int (*change_mode)(int fd, mode_t mode);
    int (*synchronise)(int fd);
    int (*ferme)(int fd);
    int (*renomme)(const char* de, const char* vers);
};
// The calls in use, and the system's own.
TAppels& Appels();
TAppels AppelsSysteme();

// Replaces the file by these bytes. False with the reason (the system's
// message) when it could not: the old file is then as it was.
bool Remplace(const std::string& fichier, std::string_view octets, std::string* raison = nullptr);

// Writing a file piece by piece: the producer hands each piece to the
// output, which buffers it (no allocation) and writes it on. An exception of
// the producer leaves the old file as it was and passes on.
using Sortie = std::function<void(std::string_view)>;
using Producteur = std::function<void(const Sortie&)>;

// A file that could not be written, with the reason.
class TErreurEcriture : public std::runtime_error {
public:
    TErreurEcriture(std::string fichier, std::string raison);
    const std::string& Fichier() const { return fichier_; }
    const std::string& Raison() const { return raison_; }

private:
    std::string fichier_;
    std::string raison_;
};

// Remplace, raising TErreurEcriture when the file could not be written.
void Ecrit(const std::string& fichier, std::string_view octets);
// The same for a file made of these parts, one after the other.
void Ecrit(const std::string& fichier, std::initializer_list<std::string_view> parties);
// The same for a file written as the producer makes it: a large text never
// needs to be held whole.
void EcritFlux(const std::string& fichier, const Producteur& produit);

}  // namespace FichierAtomique
