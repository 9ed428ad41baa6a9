// Opening and saving documents, the recent files and the recovery save.
//
// OuvrirFichier reads a "*.cse" file into the document section by section
// (progress texts in status panel 3; the reading errors, each beginning
// "Erreur de lecture" and quoting at most 80 characters of the file, in one
// plain message box once the reading is over, each also reported to the
// debug link), then
// evaluates every surface with its cut tables, sets the current control point
// and puts the file first in the recent files. What it asks of the windows
// (caption, stored views, background pictures, the recent-files menu ...)
// goes through the hooks installed with InstalleFenetres; none is needed.
//
// Reading never trusts a size or a count of the file: a NURBS net has 0 to 31
// rows and columns (no row or no column: an empty net), a point grid 1 to
// kMaxCoteMaillage, orders are brought within what the evaluation accepts, a
// grid family holds at most 100 values, welded points and weights name
// surfaces and points that exist. Nothing infinite enters the document: a
// net whose weights are not all above 0, or whose evaluated points (or grid
// points) are not finite singles, is refused by name.
//
// Every section and key line of the file is either read or reported: a
// section that is not one of the format's, a surface out of sequence or
// repeated, a section without its "[END]" or, in today's format, one of the
// writer's sections missing (a cut file), a key line that no
// read takes or that has no value, a value that does not convert. Files of
// today's format (above "1.08") are held to every line; older ones are read
// as they always were, their sections aside. A reading that did not take in
// the whole file leaves the document untitled, so that Save cannot replace
// the file with the part that was read; the one message says what was kept
// and what was not read (places quoted with their line, ten at most), and
// what was read is evaluated and shown; why a surface read cannot be
// evaluated is said in the same message. Blanks or tabs after a header or a
// key, and CR LF, LF or CR line ends, are read as meant.
//
// Saving goes through the document writer (app/doc/DocWriter.h): atomic, an
// error names the file and the reason and leaves the old file as it was.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/doc/DocWriter.h"
#include "app/doc/RecentFiles.h"

class Document;

namespace GestFich {

// The largest point grid of a "MESH" surface, rows and columns.
constexpr int kMaxCoteMaillage = 1000;
// The name of the recovery file.
inline constexpr const char* kNomRecuperation = "recovery.cse";

// What the document code asks of the windows. Every hook may stay empty.
struct TFenetres {
    // The main window's caption ("Corvane Shaper - <file name>", or
    // "Corvane Shaper" when a reading leaves the document untitled).
    std::function<void(const std::string&)> Caption;
    // The stored views (doc.StockFen) go to the section, plan, profile,
    // perspective and studio windows, and the view-control bars follow the
    // active view. Not at start-up.
    std::function<void()> AppliqueVues;
    // The background pictures of doc.StockFen go to the four 2-D views, are
    // loaded and stretched as their flag says. Not at start-up.
    std::function<void()> AppliqueFonds;
    // A background picture is named: enable the menu command MeAfficheBitmapFond.
    std::function<void()> ActiveFonds;
    // Refresh the control-point list window (only while the main window is shown).
    std::function<void()> RafraichirListePC;
    // In the four 2-D views: every control point inactive, selections
    // cleared, the rows or columns of the net selection window active. Called
    // after reading when the hull is shown, not at start-up.
    std::function<void()> ReinitialisePointsActifs;
    // Rebuild the recent-files menu from these names (at most ten). Called
    // only while the main window is shown; whatever it throws is swallowed.
    std::function<void(const std::vector<std::string>&)> MenuRecents;
};

// Installs the hooks (copied); TFenetres{} removes them.
void InstalleFenetres(TFenetres fenetres);
const TFenetres& Fenetres();

// ---- Reading ------------------------------------------------------------------

struct TResultatLecture {
    bool Charge = false;   // the file was found and loaded
    bool Complet = false;  // everything of the file was taken in and the document carries its name
    int Erreurs = 0;       // reading errors reported
};

// Reads the file into the document. auDemarrage: the document named on the
// command line, read while the main window is being created (stored views,
// pictures and windows are then not touched). The document normally is empty
// (new or closed); a document that already holds surfaces receives the
// file's surfaces, welds, dimensions, weights, marks and flooding points
// after its own (renumbered), keeps its own name, properties, grid and views,
// and is marked modified. Never throws.
TResultatLecture OuvrirFichier(Document& doc, const std::string& nom, bool auDemarrage = false);

// The places a reading left out, as its message lists them: the first
// kPlacesMax by line are quoted, the others only counted, so that a damaged
// file of many places costs no more than one of ten.
class TPlaces {
public:
    static constexpr std::size_t kPlacesMax = 10;
    // A place at the line; `texte()` gives its quote and is called only for
    // a place that is kept.
    template <class F>
    void Ajoute(long long ligne, F&& texte) {
        ++nombre_;
        if (gardees_.size() == kPlacesMax && ligne >= gardees_.back().first) return;
        auto it = gardees_.begin();
        while (it != gardees_.end() && it->first <= ligne) ++it;
        gardees_.insert(it, {ligne, texte()});
        if (gardees_.size() > kPlacesMax) gardees_.pop_back();
    }
    std::size_t Nombre() const { return nombre_; }
    std::size_t Gardees() const { return gardees_.size(); }
    bool empty() const { return nombre_ == 0; }
    const std::string& Premiere() const { return gardees_.front().second; }
    // The quotes kept, in line order, ", " between them and ", …" after
    // them when there were more.
    std::string Liste() const;

private:
    std::size_t nombre_ = 0;
    std::vector<std::pair<long long, std::string>> gardees_;
};

// ---- Saving -------------------------------------------------------------------

// Writes the whole document. Mode 0: under doc.NomFichier; once written the
// document is marked saved. Mode 1 (recovery): under "recovery.cse" in the
// current folder, or in the user's data folder when the current folder cannot
// be written; the document's name and saved flag stay as they were whatever
// happens. Returns the path written. Raises DocWriter::TErreurEcriture.
std::string EnregistrerFichierAll(Document& doc, int mode);

// ---- Recent files -------------------------------------------------------------

// The main window's list (it reads it from and writes it to the settings).
TRecentFiles& RecentFiles();

// Status "Derniers fichiers ouverts"; doc.NomFichier first in the list (an
// untitled document adds nothing), then the menu is rebuilt.
void AddRecentFile(const Document& doc);
// Rebuilds the menu through the hook when the main window is shown
// (doc.FormeAffichee); an error while doing so is swallowed.
void UpdateRecentFilesMenu(const Document& doc);

}  // namespace GestFich
