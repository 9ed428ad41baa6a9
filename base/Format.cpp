#include "base/Format.h"

#include <algorithm>
#include <charconv>

namespace Format {

std::string Fixe(double v, int decimales, std::string_view siErreur) {
    char buf[400];
    const auto [fin, ec] =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, std::clamp(decimales, 0, 40));
    if (ec != std::errc()) return std::string(siErreur);
    const char* debut = buf;
    if (*debut == '-' && std::all_of(buf + 1, fin, [](char c) { return c == '0' || c == '.'; })) ++debut;
    return std::string(debut, static_cast<const char*>(fin));
}

}  // namespace Format
