// The compiled-in text table (keys and French defaults).
#pragma once

#include <array>
#include <string_view>

namespace Langue::detail {

struct Entree {
    std::string_view cle;
    std::string_view defaut;
};

inline constexpr int kNombreCles = 788;
inline constexpr int kNombreRelectures = 4;

// The keys in the table's order with their defaults (first reading).
extern const std::array<Entree, kNombreCles> kTable;
// The four keys read twice, with the default of their second reading.
extern const std::array<Entree, kNombreRelectures> kRelectures;

}  // namespace Langue::detail
