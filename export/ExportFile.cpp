#include "export/ExportFile.h"

#include "model/FichierAtomique.h"
#include "export/ExportDXF.h"
#include "export/ExportIGES.h"
#include "export/ExportTXT.h"
#include "model/Debug.h"

namespace ExportFile {

std::string Exporte(Document& doc, const std::string& type, const std::string& fichier, const TOptionsExport& opt,
                    const TViewRecord& vue, const TCouleursDessin& couleurs) {
    DBG_SCOPE("TExportForm.BtnOKClick");
    if (type != kTXT && type != kDXF && type != kIGES) return "Type d'export inconnu";
    ExportCommun::PrepareModele(doc, opt);
    try {
        if (type == kTXT)
            ExportTXT::EcrireFichierTXT(fichier, doc, opt, vue, couleurs);
        else if (type == kDXF)
            ExportDXF::EcrireFichierDXF(fichier, doc, opt, vue);
        else
            ExportIGES::EcrireFichierIGES(fichier, doc, opt, couleurs);
    } catch (const FichierAtomique::TErreurEcriture& e) {
        return e.what();
    }
    return {};
}

}  // namespace ExportFile
