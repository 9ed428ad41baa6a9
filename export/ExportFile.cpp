#include "export/ExportFile.h"

#include "base/Debug.h"
#include "base/FichierAtomique.h"
#include "export/ExportDXF.h"
#include "export/ExportIGES.h"
#include "export/ExportTXT.h"

namespace ExportFile {

TResultat Exporte(Document& doc, const std::string& type, const std::string& fichier, const TOptionsExport& opt,
                  const TViewRecord& vue, const TCouleursDessin& couleurs) {
    DBG_SCOPE("TExportForm.BtnOKClick");
    if (type != kTXT && type != kDXF && type != kIGES) return {false, "Type d'export inconnu"};
    ExportCommun::PrepareModele(doc, opt);
    TResultat r{true, {}};
    try {
        if (type == kTXT)
            ExportTXT::EcrireFichierTXT(fichier, doc, opt, vue, couleurs);
        else if (type == kDXF)
            ExportDXF::EcrireFichierDXF(fichier, doc, opt, vue);
        else
            r.Message = ExportIGES::EcrireFichierIGES(fichier, doc, opt);
    } catch (const FichierAtomique::TErreurEcriture& e) {
        return {false, e.what()};
    } catch (const ExportCommun::TErreurNonFinie& e) {
        return {false, e.what()};
    }
    return r;
}

}  // namespace ExportFile
