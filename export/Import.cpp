#include "export/Import.h"

#include <cmath>

#include "base/Debug.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "model/Document.h"
#include "model/UiPort.h"
#include "model/Update.h"

namespace Import {

void TLecture::Garde(std::unique_ptr<TEntity> s) {
    if (Surfaces.size() < static_cast<std::size_t>(kMaxSurfaces))
        Surfaces.push_back(std::move(s));
    else
        ++NonGardees;
}

namespace {

bool NomPris(const Document& doc, const std::vector<std::unique_ptr<TEntity>>& nouvelles, const std::string& nom) {
    if (ObjCom::SurfNom2Num(doc, nom) >= 0) return true;
    for (const auto& s : nouvelles)
        if (s && s->Nom == nom) return true;
    return false;
}

// Evaluates the surface alone on the grids it has: "" when every point lies
// within the model's reach, else why it cannot join the document.
std::string Evalue(TEntity& s, bool courbure) {
    s.Calculee = 0;
    try {
        s.CalcSurface(courbure);
    } catch (const std::exception& e) {
        return e.what();
    }
    for (int i = 0; i < s.Points.rows(); ++i)
        for (int j = 0; j < s.Points.cols(); ++j) {
            const TVertex3f& p = s.Points[i][j];
            if (!DansLaPortee(p))
                return "ses points calculés ne sont pas des nombres finis ou dépassent ±1e37 (coordonnées ou poids "
                       "trop grands)";
        }
    return {};
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
    if (lu.Lues() > kMaxSurfaces - doc.NbSurf()) {
        Ui::ui().showMessage(message + Langue::Txt("rsErrMaxSurfOuv") + " : " + std::to_string(lu.Lues()) +
                             " surface(s) lue(s), place pour " + std::to_string(kMaxSurfaces - doc.NbSurf()));
        return 0;
    }
    // Each surface evaluated before anything of the document changes.
    std::vector<std::unique_ptr<TEntity>> prises;
    for (auto& s : lu.Surfaces) {
        // NURBS grids at the document's precision; cut tables after its reference lines.
        if (dynamic_cast<TSurface*>(s.get())) s->ResizeGrilles(doc.Precision + 1, doc.Precision + 1);
        s->CreateTabCoupes(doc.DefGrille);
        if (const std::string pourquoi = Evalue(*s, doc.CalculeCourbure); !pourquoi.empty()) {
            message += "Surface \"" + s->Nom + "\" refusée : " + pourquoi + "\n";
            continue;
        }
        const std::string base = s->Nom.empty() ? std::string("Import") : s->Nom;
        std::string nom = base;
        for (int k = 2; NomPris(doc, prises, nom); ++k) {
            std::string suffixe = std::to_string(k);
            suffixe.insert(suffixe.begin(), '_');
            nom = ObjCom::Tronque(base, kLongNomSurface - suffixe.size());
            nom += suffixe;
        }
        s->SetNom(nom);
        prises.push_back(std::move(s));
    }
    const int n = static_cast<int>(prises.size());
    if (n == 0) {
        Ui::ui().showMessage(message + "Aucune surface importée");
        return 0;
    }
    doc.RecordAction(0);
    for (auto& s : prises) doc.AjouteSurface(std::move(s));
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajMinMaxAllNet(doc, false);
    doc.MarquerModifie();
    ObjCom::MajFenetresPC(doc);
    Ui::ui().showMessage(message + std::to_string(n) + " surface(s) importée(s)");
    return n;
}

int Fichier(Document& doc, const std::string& chemin, TLit lit) {
    DBG_SCOPE("Import.Fichier");
    std::string octets, erreur;
    TLecture lu;
    if (!Encodage::LitOctets(chemin, octets, &erreur) || !lit(octets, lu, erreur)) {
        Ui::ui().showMessage(Langue::Txt("rsErrLectFichImport") + " " + chemin + " : " + erreur);
        return 0;
    }
    return Ajoute(doc, std::move(lu));
}

}  // namespace Import
