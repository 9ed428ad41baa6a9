// The export command behind the export dialog: brings the model up to date
// and writes the text, DXF or IGES file in one step.
#pragma once

#include <string>

#include "export/ExportCommun.h"

namespace ExportFile {

// Export types as the main window's commands name them.
inline constexpr const char* kTXT = "TXT";
inline constexpr const char* kDXF = "DXF";
inline constexpr const char* kIGES = "IGES";

// What an export gives: whether the file was written, and the message for
// the user: why nothing was written ("Type d'export inconnu", a surface
// holding a value that is not a finite number, the reason the file could
// not be written: an existing file is then left as it was), or what the
// file written leaves out.
struct TResultat {
    bool Ecrit = false;
    std::string Message;
};

// Prepares the model (ExportCommun::PrepareModele) and writes the file of
// the type; the view record is used by the text and DXF exports (kind vk3D:
// 3-D), IGES is always 3-D.
TResultat Exporte(Document& doc, const std::string& type, const std::string& fichier, const TOptionsExport& opt,
                  const TViewRecord& vue, const TCouleursDessin& couleurs);

}  // namespace ExportFile
