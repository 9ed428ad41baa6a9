// The IGES 5.2 export: the shown NURBS surfaces as rational B-spline
// surfaces (entity 128), a net of one row or one column as a rational
// B-spline curve (entity 126), a symmetric surface once more mirrored in its
// symmetry plane, each optionally after a colour definition (entity 314)
// made of the bytes of the surface's stored colour (the default -1: white).
//
// The knot vectors, orders, weights and control points written are those
// with which the program evaluates the surface, every real in the shortest
// form that reads back to the same double, so that a reader evaluates the
// same surface.
#pragma once

#include <ctime>
#include <string>

#include "export/ExportCommun.h"

namespace ExportIGES {

// Dates of the global section: the file's (now) and the model's (the
// document file's modification time, else now); 0 takes the clock.
struct TDates {
    std::time_t Fichier = 0;
    std::time_t Modele = 0;
};

// The bytes of the file (80-column records, LF line ends). A shown NURBS
// surface that cannot be written (a net of one point, a net the program
// cannot evaluate) is left out and named in *note, which also says when no
// NURBS surface was written. Raises ExportCommun::TErreurNonFinie for a
// surface holding a value that is not a finite number.
std::string TexteIGES(const Document& doc, const TOptionsExport& opt, const TDates& dates = {},
                      std::string* note = nullptr);

// Writes the file in one step and returns the note above; raises
// ExportCommun::TErreurNonFinie (nothing written) and
// FichierAtomique::TErreurEcriture, leaving an existing file as it was when
// the file cannot be written.
std::string EcrireFichierIGES(const std::string& fichier, const Document& doc, const TOptionsExport& opt);

}  // namespace ExportIGES
