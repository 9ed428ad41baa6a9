// Fuzzing the DXF and IGES readers: any bytes read as either kind of file
// give a reason, or surfaces that a document holds and evaluates, without
// crash, hang or leak.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/doc/GestFich.h"
#include "app/texts/Encodage.h"
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
    const std::string texte = Encodage::DecodeTexte(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string> lignes = Encodage::DecoupeLignes(texte);
    for (Import::TLit lit : {&ImportDxf::Lit, &ImportIges::Lit}) {
        Import::TLecture lu;
        std::string erreur;
        if (!lit(lignes, lu, erreur)) {
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
        const std::size_t n = lu.Surfaces.size();
        Document doc;
        const int ajoutees = Import::Ajoute(doc, std::move(lu));
        if (ajoutees != doc.NbSurf() || (n <= kMaxSurfaces && ajoutees != static_cast<int>(n)))
            Echec("the surfaces read did not all join an empty document");
        for (const auto& s : doc.Surfaces)
            if (s->Calculee != 1) Echec("a surface imported was not evaluated");
    }
    return 0;
}
