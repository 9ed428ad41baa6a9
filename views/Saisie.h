// The values a user may type into the dialogs: what the model can take. A
// coordinate, a distance or an angle stays within ±kLimite; a size, a length
// or a thickness within 0..kLimite; a weight or a density within
// 0..kLimiteMasse (a weight of the weights list within ±kLimiteMasse); a control point's weight is above 0 (at 0 the surface
// has no point there).
#pragma once

#include <string>

namespace Saisie {

constexpr double kLimite = 1e5;       // metres, degrees, pixels, percent
constexpr double kLimiteMasse = 1e9;  // kilograms, kilograms per m² or m³

enum TDomaine { dLibre, dCoordonnee, dTaille, dMasse, dPoidsPC, dMasseSignee };  // dLibre: any finite number

// Empty when the value fits the domain; otherwise the message, to which the
// caller adds the field's label.
std::string Refus(double v, TDomaine d);

// A field's label as the messages quote it: without its trailing "=".
std::string Libelle(std::string label);

}  // namespace Saisie
