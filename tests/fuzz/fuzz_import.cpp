// Fuzzing the DXF and IGES readers: any bytes read as either kind of file
// give a reason, or surfaces that a document holds and evaluates to finite
// points, without crash, hang, leak or undefined behaviour.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/doc/GestFich.h"
#include "export/ImportDxf.h"
#include "export/ImportIges.h"
#include "model/Document.h"
#include "model/Nurbs.h"

namespace {

[[noreturn]] void Echec(const char* quoi) {
    std::fprintf(stderr, "fuzz_import: %s\n", quoi);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view octets(reinterpret_cast<const char*>(data), size);
    for (Import::TLit lit : {&ImportDxf::Lit, &ImportIges::Lit}) {
        Import::TLecture lu;
        std::string erreur;
        if (!lit(octets, lu, erreur)) {
            if (erreur.empty() || !lu.Surfaces.empty()) Echec("a refusal without its reason, or with surfaces");
            continue;
        }
        for (const auto& s : lu.Surfaces) {
            const int r = s->Points.rows(), c = s->Points.cols();
            if (r < 1 || c < 1 || r > GestFich::kMaxCoteMaillage || c > GestFich::kMaxCoteMaillage)
                Echec("a grid out of its bounds");
            if (const auto* n = dynamic_cast<const TSurface*>(s.get()); n && !nurbs::CheckNet(n->Net, 20).empty())
                Echec("a net that cannot be evaluated");
        }
        if (lu.Surfaces.size() > static_cast<std::size_t>(kMaxSurfaces)) Echec("more surfaces held than a document takes");
        const int lues = lu.Lues();
        Document doc;
        const int ajoutees = Import::Ajoute(doc, std::move(lu));
        if (ajoutees != doc.NbSurf() || (lues > kMaxSurfaces && ajoutees != 0))
            Echec("the surfaces read did not join an empty document in one step");
        for (const auto& s : doc.Surfaces) {
            if (s->Calculee != 1) Echec("a surface imported was not evaluated");
            for (int i = 0; i < s->Points.rows(); ++i)
                for (int j = 0; j < s->Points.cols(); ++j)
                    if (const TVertex3f& p = s->Points[i][j];
                        !std::isfinite(p.X) || !std::isfinite(p.Y) || !std::isfinite(p.Z))
                        Echec("a surface imported with a point that is not a finite number");
        }
    }
    return 0;
}
