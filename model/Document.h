// The document: every surface of the hull with what goes with it (welded
// control points, reference lines, dimensions, weights, marks, flooding
// points, properties, stored view settings), the bounds computed from it, the
// saved flag, and the display switches that decide what the update routines
// keep up to date.
//
// The document lives in the core; the main window owns one. The update
// routines (model/Update.h, model/Bounds.h) take it explicitly. A test makes a
// fresh one with `Document doc;` (empty) or `auto doc = Document::Defaut();`
// (one default hull "Surface1", as the program starts).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/Calcs.h"
#include "model/DrawMesure.h"
#include "model/Entity.h"
#include "model/Geom.h"
#include "model/Grille.h"
#include "model/ObjCom.h"

// At most this many surfaces in a document (kMaxSurfaces, model/Entity.h).
constexpr int kPrecisionDefaut = 20;
constexpr int kZoomMaxDefaut = 2500;
constexpr double kBorneMin = 10000.0;   // bounds start here (minimum) ...
constexpr double kBorneMax = -10000.0;  // ... and here (maximum)

// Bounds of a set of points: minimum X, Y, Z and maximum X, Y, Z. Empty while
// Min is above Max (the starting values).
struct TMinMax {
    TVertex3f Min{kBorneMin, kBorneMin, kBorneMin};
    TVertex3f Max{kBorneMax, kBorneMax, kBorneMax};
    bool Vide() const { return Min.X > Max.X || Min.Y > Max.Y || Min.Z > Max.Z; }
    void Elargit(const TVertex3f& p);
    friend bool operator==(const TMinMax&, const TMinMax&) = default;
};

// The display switches of the main window's menus (their check marks). The
// update routines read some of them; the drawing code reads them all.
struct TAffichage {
    bool MeCarene = true;             // hull (surfaces and cut lines)
    bool MeNet = true;                // control nets
    bool MeBasePlanSym = false;       // frames of the surfaces
    bool MeMoitie = false;            // one half only: no mirrored halves
    bool MeScinder = false;           // split body plan
    bool MeSections = false;          // stations
    bool MeLignesdEau = false;        // waterlines
    bool MeLongitudinales = false;    // longitudinals (buttocks)
    bool MeDiagonales = false;        // diagonals
    bool MeSurfaceParam = false;      // evaluated (parametric) surfaces
    bool MeGrille = false;            // reference-line grid
    bool MeOrientSurf = false;        // orientation marks
    bool MeHerisson = false;          // curvature combs along the cuts
    bool MeAffichePoids = true;       // weights
    bool MeCentredeVoilure = true;    // sail-area centre
    bool MeAfficheCotes = true;       // dimensions
    bool MeAfficheAxes = true;        // axes
    bool MeAfficheReperes = true;     // reference marks
    bool MeAfficheReperesEnv = true;  // flooding points
    bool MeAfficheBitmapFond = true;  // background pictures
    bool MeFenSel = false;            // net selection window open
    friend bool operator==(const TAffichage&, const TAffichage&) = default;
};

// The user's options that the core routines read (the main window copies
// them here from the settings).
struct TOptionsDoc {
    bool SplineTR = false;         // re-evaluate while dragging; no hourglass
    bool MultiFen = false;         // redraw every view after a change
    int ZoomMax = kZoomMaxDefaut;  // ceiling of a view's scale (pixels per metre)
    bool CourbureRacine = false;   // comb value 1/sqrt(radius)
    TOptionsCourbure Courbure;     // how the curvature combs are computed
    // Written out: TOptionsCourbure has no comparison of its own.
    friend bool operator==(const TOptionsDoc& a, const TOptionsDoc& b) {
        return a.SplineTR == b.SplineTR && a.MultiFen == b.MultiFen && a.ZoomMax == b.ZoomMax &&
               a.CourbureRacine == b.CourbureRacine && a.Courbure.Facteur == b.Courbure.Facteur &&
               a.Courbure.LongueurBrute == b.Courbure.LongueurBrute && a.Courbure.Cote == b.Courbure.Cote;
    }
};

// A view setting kept by "Sauver la vue" (one per 2-D view).
struct TVueSauvee {
    bool Sauvee = false;
    int OrigX = 0;
    int OrigY = 0;
    float Echelle = 0.0f;
    float Angle1 = 0.0f;
    float Angle2 = 0.0f;
    friend bool operator==(const TVueSauvee&, const TVueSauvee&) = default;
};

// Every welded control point, once each. Contains is a hash lookup, so that
// the views can test each marker they draw in constant time.
class TPCSoudes {
public:
    // Adds the reference unless present; true when added.
    bool Add(const TPC& pc);
    bool Contains(const TPC& pc) const { return set_.count(pc) != 0; }
    void Clear();
    // Emptied, then filled from the groups walked from the last to the first,
    // their members in order (after an unweld).
    void Reconstruit(const std::vector<TListPC>& groupes);

    int Count() const { return list_.Count(); }
    bool empty() const { return list_.empty(); }
    const TPC& operator[](int i) const { return list_[i]; }
    const TListPC& Liste() const { return list_; }
    TListPC::const_iterator begin() const { return list_.begin(); }
    TListPC::const_iterator end() const { return list_.end(); }

private:
    struct Hash {
        std::size_t operator()(const TPC& pc) const noexcept;
    };
    TListPC list_;
    std::unordered_set<TPC, Hash> set_;
};

// What the document asks of the window that owns it, besides the user
// interface of model/UiPort.h. Each hook may be left empty.
struct TEtatFenSel {
    std::string Caption;  // "Sélection : " + surface name
    int Ligne = 0;        // -1: every row
    int Colonne = 0;      // -1: every column
    bool AffLignes = false;
    bool AffColonnes = true;
};

struct TDocumentHooks {
    // Store the one-level undo snapshot before a change (kind 0: geometry).
    std::function<void(int kind)> RecordAction;
    // The command that recorded is over (model/Undo.h, TUndo::FinAction).
    std::function<void()> FinAction;
    // Refresh the open auxiliary windows (control-point editor, visible
    // surfaces, net selection window).
    std::function<void()> MajFenetresPC;
    // The current control point changed while the net selection window is open.
    std::function<void(const TEtatFenSel&)> MajFenSel;
};

class Document {
public:
    Document() = default;
    Document(Document&&) noexcept = default;
    Document& operator=(Document&&) noexcept = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document() = default;

    // The document of a fresh start: one NURBS surface "Surface1" laid as the
    // default hull, control point (0, 0, 0) current, net bounds computed. The
    // surface is not evaluated yet.
    static Document Defaut();

    // ---- Surfaces ----------------------------------------------------------
    int NbSurf() const { return static_cast<int>(Surfaces.size()); }
    // The surface at index i, or nullptr when there is none.
    TEntity* Surface(int i);
    const TEntity* Surface(int i) const;
    // The NURBS surface at index i, or nullptr (none there, or a mesh).
    TSurface* SurfaceNurbs(int i);
    const TSurface* SurfaceNurbs(int i) const;
    // Appends a surface and gives it its index; -1 (and the surface dropped)
    // when the document already holds kMaxSurfaces.
    int AjouteSurface(std::unique_ptr<TEntity> surf);
    // A new NURBS surface at the document's precision and grid, appended;
    // nullptr when the document is full.
    TSurface* NouvelleSurface(const std::string& nom);
    // Clears the calculated flag of every surface.
    void Decalcule();

    // ---- Welds --------------------------------------------------------------
    // Appends a welded group and enters its points in ListPCSoudes.
    void AjouteSoudure(const TListPC& groupe);
    // Whether the control point belongs to a welded group (constant time).
    bool EstSoude(const TPC& pc) const { return ListPCSoudes.Contains(pc); }

    // ---- Saved flag -----------------------------------------------------------
    bool Enregistre() const { return enregistre_; }
    // The document changed: saved flag off, the window's title follows.
    void MarquerModifie();
    // The document is saved (after creation, reading, saving or closing).
    void MarquerEnregistre() { enregistre_ = true; }

    // The undo snapshot through the owner's hook (nothing when none is set).
    void RecordAction(int kind) const;
    void FinAction() const;

    // Empties the document as the close command does: surfaces, welds,
    // dimensions, weights (total recomputed to zero), marks, flooding points,
    // properties, file name, background pictures and saved views; marked
    // saved. The grid, the stored views, the display switches and the options
    // stay.
    void Fermer();

    // What the cut routines read of the settings.
    TOptionsCoupes OptionsCoupes() const;

    // ---- State ----------------------------------------------------------------------
    std::vector<std::unique_ptr<TEntity>> Surfaces;  // at most kMaxSurfaces
    TPC CurrentPC{0, 0, 0};
    TCurrentBasePlanSym CurrentBasePlanSym;
    std::vector<TListPC> ListSoudures;  // welded groups
    TPCSoudes ListPCSoudes;             // every welded point, once
    TDefGrille DefGrille;
    std::vector<TCote> ListCotes;       // dimensions
    TListPoids ListPoids;               // weights and ballasts
    TPoids PoidsTotal{"TOTAL", 0.0, 0.0, 0.0, 0.0, -1};
    TCentreVoilure CentreVoilure;
    std::vector<TRepere> ListReperes;
    std::vector<TRepereEnv> ListReperesEnv;
    TPropFich PropFich;
    std::string NomFichier;  // empty while untitled
    bool PeutFermer = true;  // answer of the last save question
    // The document read brought no view settings: the views are fitted to it.
    bool SansVues = false;
    int Precision = kPrecisionDefaut;  // evaluation intervals per direction
    TMinMax MinMaxSurf;      // bounds of the evaluated surfaces
    TMinMax MinMaxNet;       // bounds of the control nets and their mirrors
    std::array<TVertex3f, 6> ExtremitesAxes{};  // ends of the X, Y, Z axes drawn
    TStockFen StockFen;                         // the views' settings as stored
    std::array<TVueSauvee, 4> VuesSauvees{};    // section, plan, profile, perspective

    // Display.
    bool FormeAffichee = true;  // drawing switch: the main window clears it
                                // while it is created and from the start of closing
    TAffichage Aff;
    TOptionsDoc Options;
    // The evaluation computes the Gaussian curvature of the NURBS surfaces:
    // the studio, while it is open, keeps this to whether it shows it.
    bool CalculeCourbure = true;

    TDocumentHooks Hooks;

private:
    bool enregistre_ = true;
};
