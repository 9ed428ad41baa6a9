#include "export/Import.h"

#include "app/texts/Encodage.h"
#include "app/texts/Langue.h"
#include "model/Debug.h"
#include "model/Document.h"
#include "model/UiPort.h"
#include "model/Update.h"

namespace Import {

namespace {

bool NomPris(const Document& doc, const std::vector<std::unique_ptr<TEntity>>& nouvelles, const std::string& nom) {
    if (ObjCom::SurfNom2Num(doc, nom) >= 0) return true;
    for (const auto& s : nouvelles)
        if (s && s->Nom == nom) return true;
    return false;
}

}  // namespace

int Ajoute(Document& doc, TLecture&& lu) {
    DBG_SCOPE("Import.Ajoute");
    std::string message;
    for (const std::string& r : lu.Refus) message += r + "\n";
    if (!lu.Ignores.empty()) {
        int n = 0;
        std::string detail;
        for (const auto& [genre, compte] : lu.Ignores) {
            n += compte;
            if (!detail.empty()) detail += ", ";
            detail += genre + " (" + std::to_string(compte) + ")";
        }
        message += std::to_string(n) + " entité(s) sans grille de surface ignorée(s) : " + detail + "\n";
    }
    const int n = static_cast<int>(lu.Surfaces.size());
    if (n > kMaxSurfaces - doc.NbSurf()) {
        Ui::ui().showMessage(message + Langue::Txt("rsErrMaxSurfOuv") + " : " + std::to_string(n) +
                             " surface(s) lue(s), place pour " + std::to_string(kMaxSurfaces - doc.NbSurf()));
        return 0;
    }
    if (n == 0) {
        Ui::ui().showMessage(message + "Aucune surface importée");
        return 0;
    }
    doc.RecordAction(0);
    std::vector<std::unique_ptr<TEntity>> prises;
    for (auto& s : lu.Surfaces) {
        const std::string base = s->Nom.empty() ? std::string("Import") : s->Nom;
        std::string nom = base;
        for (int k = 2; NomPris(doc, prises, nom); ++k) {
            std::string suffixe = std::to_string(k);
            suffixe.insert(suffixe.begin(), '_');
            nom = ObjCom::Tronque(base, kLongNomSurface - suffixe.size());
            nom += suffixe;
        }
        s->SetNom(nom);
        // NURBS grids at the document's precision; cut tables after its reference lines.
        if (dynamic_cast<TSurface*>(s.get())) s->ResizeGrilles(doc.Precision + 1, doc.Precision + 1);
        s->CreateTabCoupes(doc.DefGrille);
        s->Calculee = 0;
        prises.push_back(std::move(s));
    }
    for (auto& s : prises) doc.AjouteSurface(std::move(s));
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajMinMaxAllNet(doc, false);
    doc.MarquerModifie();
    ObjCom::MajFenetresPC(doc);
    if (!message.empty()) Ui::ui().showMessage(message + std::to_string(n) + " surface(s) importée(s)");
    return n;
}

int Fichier(Document& doc, const std::string& chemin, TLit lit) {
    DBG_SCOPE("Import.Fichier");
    std::vector<std::string> lignes;
    std::string erreur;
    TLecture lu;
    if (!Encodage::LitFichierTexte(chemin, lignes, &erreur) || !lit(lignes, lu, erreur)) {
        Ui::ui().showMessage(Langue::Txt("rsErrLectFichImport") + " " + chemin + " : " + erreur);
        return 0;
    }
    return Ajoute(doc, std::move(lu));
}

}  // namespace Import
