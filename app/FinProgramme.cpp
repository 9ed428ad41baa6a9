#include "app/FinProgramme.h"

#include <csignal>
#include <stdexcept>

#include "app/DocIo.h"
#include "base/Debug.h"
#include "model/Document.h"

namespace FinProgramme {

std::string RaisonSignal(int signal) {
    switch (signal) {
        case SIGTERM: return "signal SIGTERM reçu";
        case SIGHUP: return "signal SIGHUP reçu";
        case SIGINT: return "signal SIGINT reçu";
        case SIGQUIT: return "signal SIGQUIT reçu";
        default: return "signal " + std::to_string(signal) + " reçu";
    }
}

std::string Termine(Document& doc, const std::string& raison, const std::string& journal) {
    std::string message = "Fin du programme : " + raison + " ; ";
    try {
        if (doc.Enregistre()) {
            message += "le document n'avait pas de modification";
        } else {
            const auto& io = DocIo::fonctions();
            if (!io.enregistrer) throw std::runtime_error("pas d'enregistrement installé");
            message += "document enregistré dans " + io.enregistrer(doc, 1);
        }
    } catch (const std::exception& e) {
        message += std::string("recovery.cse non écrit : ") + e.what();
    } catch (...) {
        message += "recovery.cse non écrit";
    }
    // The journal shows the routines that were running when the end came:
    // the writer's have returned by now, whatever they left in the ring.
    try {
        Debug::PrependJournal(journal, Debug::JournalLinePile(message, Debug::NowText()));
    } catch (...) {
    }
    return message;
}

}  // namespace FinProgramme
