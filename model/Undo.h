// The one-level undo: before a change of the model, whoever makes it records
// a snapshot of the geometry; "Annuler" exchanges the model and the snapshot,
// "Refaire" exchanges them again. Every new record replaces the snapshot.
//
// A geometry record (kind 0) holds, for every surface, its control net (row
// and column counts and points) or its point grid, and its frame; then the
// weights. Two commands record more: inserting or removing a row or column
// renumbers the welds (kind kAvecSoudures: the welded groups too), applying a
// stability step moves the marks and flooding points (kAvecReperes). Such a
// record remembers what its command left of them (FinAction): when they
// changed since, an exchange would take that change back, so it is refused.
// Welds, marks, flooding points, orders and the other properties of a surface
// are no part of a plain record: a command that changes them otherwise
// records kSansRetour, which gives nothing back and leaves both items off, so
// that Annuler never takes back an earlier change while the command's stays.
// A record also remembers which surfaces there were (their number, kinds and
// identity): when the document's surfaces changed since the record, the
// exchange is refused instead of pairing a snapshot slot with another surface.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Document.h"

class TUndo {
public:
    // Kinds of record.
    static constexpr int kGeometrie = 0;
    static constexpr int kTaillesNets = 1;
    static constexpr int kListeSurf = 2;
    static constexpr int kAvecSoudures = 3;  // geometry and welded groups
    static constexpr int kAvecReperes = 4;   // geometry, marks and flooding points
    static constexpr int kRien = 10000;  // nothing recorded
    // A change no record holds (welds, marks, surface properties): like the
    // record of the surface list, nothing to exchange.
    static constexpr int kSansRetour = kListeSurf;

    TUndo() = default;

    // Stores the snapshot of the given kind and enables "Annuler". "Refaire"
    // goes off: the snapshot no longer holds what it would bring back, and an
    // exchange would take back the change being recorded. An unknown kind
    // says "RecordAction Indéfini".
    void RecordAction(const Document& doc, int kind);
    // The recorded command is over: what it left of the welds, or of the marks
    // and flooding points, is what an exchange may find.
    void FinAction(const Document& doc);

    // "Annuler": for a geometry record that still matches the document,
    // exchanges the model and the snapshot, re-evaluates, asks for a redraw
    // and marks the document modified; true then. Any other record exchanges
    // nothing. In every case the current control point is brought back onto
    // an existing point and the auxiliary windows are refreshed.
    bool Annuler(Document& doc);
    // "Refaire": the same exchange; then "Annuler" on and "Refaire" off,
    // whatever the record.
    bool Refaire(Document& doc);

    // The close command: nothing to undo any more (the items keep their state).
    void Oublie() { kind_ = kRien; }

    int Kind() const { return kind_; }
    // Whether the menu items are to be offered for this document: only while
    // the record can give something back (a record of the surface list, or
    // none at all, leaves them off).
    bool PeutAnnuler(const Document& doc) const { return annulerActif_ && !Refuse(doc); }
    bool PeutRefaire(const Document& doc) const { return refaireActif_ && !Refuse(doc); }
    // The items' own state, as the record and the exchanges leave it.
    bool AnnulerActif() const { return annulerActif_; }
    bool RefaireActif() const { return refaireActif_; }

    // Nothing to exchange: no geometry record, or one whose surfaces are no
    // longer the document's.
    bool Refuse(const Document& doc) const;

private:
    struct SurfSnap {
        bool nurbs = true;
        const TEntity* identite = nullptr;
        // NURBS: the net.
        int nbL = 0, nbC = 0;
        std::vector<TVertex4f> pc;  // kMaxNetSize x kMaxNetSize
        // Mesh: the point grid.
        int dernLigne = -1, dernCol = -1;
        TArrayVertex3f points;
        TPlanSym planSym;
    };

    bool Geometrique() const { return kind_ == kGeometrie || kind_ == kAvecSoudures || kind_ == kAvecReperes; }
    bool Correspond(const Document& doc) const;
    void NoteApres(const Document& doc);
    void Echange(Document& doc);
    static void RamenePCCourant(Document& doc);

    int kind_ = kRien;
    bool annulerActif_ = false;
    bool refaireActif_ = false;
    std::vector<SurfSnap> surfs_;
    int nbSurf_ = 0;
    TListPoids poids_;
    std::vector<TRepere> reperes_;
    std::vector<TRepereEnv> reperesEnv_;
    std::vector<TListPC> soudures_;
    TPCSoudes pcSoudes_;
    // What the document is to hold of them for an exchange to be made.
    bool fini_ = false;
    std::vector<TListPC> souduresApres_;
    std::vector<TRepere> reperesApres_;
    std::vector<TRepereEnv> reperesEnvApres_;
};
