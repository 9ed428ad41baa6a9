// Replacing a file in one step, so that a failed write never leaves a half
// file under the chosen name: the bytes go to a temporary file beside the
// target, which is flushed to disk and only then renamed over the target.
// The document writer and the exports write through it.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace FichierAtomique {

// A file that could not be written, with the reason (strerror text).
class TErreurEcriture : public std::runtime_error {
public:
    TErreurEcriture(std::string fichier, std::string raison);
    const std::string& Fichier() const { return fichier_; }
    const std::string& Raison() const { return raison_; }

private:
    std::string fichier_;
    std::string raison_;
};

// Replaces the file by these bytes, atomically (temporary file in the same
// folder, flushed, renamed over the target; a symbolic link is followed and
// its target replaced; an existing file keeps its permissions, and one the
// user may not write is not replaced). Raises TErreurEcriture; the old file
// stays as it was and the temporary file never stays behind.
void Ecrit(const std::string& fichier, std::string_view octets);
// The same for a file made of these parts, one after the other.
void Ecrit(const std::string& fichier, std::initializer_list<std::string_view> parties);

}  // namespace FichierAtomique
