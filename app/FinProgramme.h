// The end of the program when the system, the session or the user at the
// terminal ends it (SIGTERM, SIGHUP, SIGINT, SIGQUIT, the display gone):
// there is nobody to ask, so the document's unsaved work goes to
// "recovery.cse" and the error journal says why the program ended and where
// the work went. The main window then writes its
// settings as at any close.
#pragma once

#include <string>

class Document;

namespace FinProgramme {

// Why the program ends, as the journal says it: "signal SIGTERM reçu", ...
std::string RaisonSignal(int signal);
inline constexpr const char* kRaisonAffichage = "la connexion à l'affichage est perdue";

// The recovery save when the document holds unsaved changes (through the
// installed document writer, DocIo), then one line at the head of the
// journal: "<date> : <innermost routine> . Fin du programme : <raison> ;
// <what became of the document> . Stack = <the routines running, innermost
// first>". Returns the text of that message.
// Never throws: each step goes on whatever the one before did.
std::string Termine(Document& doc, const std::string& raison, const std::string& journal);

}  // namespace FinProgramme
