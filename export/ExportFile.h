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

// Prepares the model (ExportCommun::PrepareModele) and writes the file of
// the type; the view record is used by the text and DXF exports (kind vk3D:
// 3-D), IGES is always 3-D. Returns "" when the file is written, else the
// message for the user: "Type d'export inconnu" (nothing done), or the
// reason the file could not be written (an existing file is left as it was).
std::string Exporte(Document& doc, const std::string& type, const std::string& fichier, const TOptionsExport& opt,
                    const TViewRecord& vue, const TCouleursDessin& couleurs);

}  // namespace ExportFile
