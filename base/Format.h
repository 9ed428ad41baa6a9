// Numbers written for the user: fixed decimals, "." as the separator, and a
// value that rounds to zero shown without a sign (never "-0.0000").
#pragma once

#include <string>
#include <string_view>

namespace Format {

// "%.<decimales>f"; `siErreur` when the number cannot be written.
std::string Fixe(double v, int decimales, std::string_view siErreur = "?");

}  // namespace Format
