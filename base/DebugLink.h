// The reports of the trace as the debug window lists them and as the debug
// link sends them to a debugger listening on the local machine.
//
// A report goes out as Windows-1252 text, with no line end added:
//   with a routine tag: TMsgLong|type|tag|index|n|v1|...|vn|
//   without:            TMsgCourt|n|v1|...|vn|
//
// The link never waits for the debugger: the reports wait in a queue of
// bounded size, and a report that does not fit is dropped and counted.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace DebugLink {

// The text of a report on the link.
std::string Ligne(int type, const std::string& tag, int index, const std::vector<std::string>& values);

// The columns of a report's row in the debug window after its type name:
// the tag, then the index and the first four values (index >= 0), a
// separator of "---" and four "------" (index -1) or of "***" and four
// "******" (index -2).
std::vector<std::string> SousItems(const std::string& tag, int index, const std::vector<std::string>& values);

// The line of a row in "CSDbg.txt": its first five columns after the type
// name (tag, index, three values) joined by " | ", missing ones empty.
std::string LigneExport(const std::vector<std::string>& sousItems);

// The reports waiting to be sent.
class TFile {
public:
    explicit TFile(std::size_t capaciteOctets = 256 * 1024) : capacite_(capaciteOctets) {}
    // Queues a report; false (and one more dropped) when it does not fit.
    bool Ajoute(std::string ligne);
    // Takes whole reports from the head, at most `max` bytes (at least one
    // report when the queue is not empty).
    std::string Prend(std::size_t max);
    void Vide();
    bool EstVide() const { return lignes_.empty(); }
    std::size_t Octets() const { return octets_; }
    std::size_t Perdus() const { return perdus_; }

private:
    std::deque<std::string> lignes_;
    std::size_t octets_ = 0;
    std::size_t capacite_;
    std::size_t perdus_ = 0;
};

}  // namespace DebugLink
