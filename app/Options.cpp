#include "app/Options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/Debug.h"

namespace Options {

int Borne(int v, int min, int max) { return std::clamp(v, min, max); }

double LongRayonDe(int position) { return position / 5000.0; }

int PositionLongRayon(double longRayon) {
    const double p = std::nearbyint(longRayon * 5000.0);
    if (!(p >= kLongRayonMin)) return kLongRayonMin;  // NaN too
    if (p > kLongRayonMax) return kLongRayonMax;
    return static_cast<int>(p);
}

double DecalagePolygone(int position) { return position / 10.0 + 1.0; }

std::string TexteTaille(double taille) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", taille);
    return buf;
}

bool LitTaille(const std::string& texte, double& taille) {
    std::string t = texte;
    t.erase(0, t.find_first_not_of(" \t"));
    t.erase(t.find_last_not_of(" \t") + 1);
    std::replace(t.begin(), t.end(), ',', '.');
    if (t.empty()) return false;
    const char* debut = t.data();
    const char* fin = debut + t.size();
    if (*debut == '+') ++debut;
    double v = 0.0;
    const auto r = std::from_chars(debut, fin, v);
    if (r.ec != std::errc() || r.ptr != fin || !std::isfinite(v) || v <= 0.0 || v > kTailleMax) return false;
    taille = v;
    return true;
}

std::string TexteRatio(int position) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1fKg", position / 10.0);
    return buf;
}

std::vector<std::string> Langues(const std::string& dossier) {
    DBG_SCOPE("TOptionForm.Langues");
    std::vector<std::string> noms;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dossier, ec), fin; !ec && it != fin; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string n = it->path().filename().string();
        if (n.size() > 9 && n.compare(0, 5, "lang_") == 0 && n.compare(n.size() - 4, 4, ".dat") == 0)
            noms.push_back(n.substr(5, n.size() - 9));
    }
    std::sort(noms.begin(), noms.end());
    noms.push_back(kFrancais);
    return noms;
}

bool LangueChangee(const std::string& choisie, const std::string& actuelle) {
    if (choisie == actuelle) return false;
    return !(actuelle.empty() && choisie == kFrancais);
}

}  // namespace Options
