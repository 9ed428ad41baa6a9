// Typed control-point editing: the vertex editor's apply and arrows, and the
// vertex list's table of every control point of every NURBS net.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/Document.h"

namespace EditPC {

// The point moves to p (X, Y, Z) together with every point welded to it,
// by the same vector; only the edited point takes p's weight W. Surfaces
// touched lose their calculated flag. False (nothing changed) when the
// reference names no point of a NURBS net.
bool Applique(Document& doc, const TPC& pc, const TVertex4f& p);

// The current point steps one row (dI) or one column (dJ) within its net;
// false when it would leave it or the surface is not a NURBS one.
bool Pas(Document& doc, int dI, int dJ);

// The rows of the vertex list: one per control point of every NURBS
// surface, surfaces in order, then rows, then columns.
std::vector<TPC> Lignes(const Document& doc);

// A typed cell of the list (column 0 X, 1 Y, 2 Z, 3 W): an empty text or
// "-" writes nothing (false); a number is written into that point only
// (its surface loses its calculated flag; true). Any other text writes
// nothing and sets *refus. `avant` runs just before the point changes.
bool EcritCellule(Document& doc, const TPC& pc, int colonne, const std::string& texte, bool* refus = nullptr,
                  const std::function<void()>& avant = {});

// The list as a text file of its own: a header line, then one line per
// control point, fields ended by ";", coordinates with "%.3f".
std::vector<std::string> TexteListe(const Document& doc);

}  // namespace EditPC
