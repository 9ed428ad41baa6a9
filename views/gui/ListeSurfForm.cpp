#include "views/gui/ListeSurfForm.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainForm.h"
#include "base/Langue.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "views/DrawAffiche.h"
#include "views/ListeSurf.h"
#include "views/gui/FormFille.h"
#include "views/gui/SelSurfaces.h"
#include "views/gui/Vues.h"

namespace {

const char* CleCaption(int action) {
    switch (action) {
        case ListeSurf::laVerrou: return "rsListeSurfFormCapVer";
        case ListeSurf::laPortee: return "rsListeSurfFormCapPorteeCalc";
        case ListeSurf::laSuppr: return "rsListeSurfFormCapSuppr";
        case ListeSurf::laDuplic: return "rsListeSurfFormCapDuplic";
        case ListeSurf::laMiroirVert: return "rsListeSurfFormCapRetVer";
        case ListeSurf::laMiroirHoriz: return "rsListeSurfFormCapRetHor";
        case ListeSurf::laExport: return "rsListeSurfFormCapExportSurf";
        default: return "rsListeSurfFormCaption";
    }
}

}  // namespace

TListeSurfForm::TListeSurfForm(TMainForm& main, QWidget* parent) : QDialog(parent), main_(main) {
    setObjectName(QStringLiteral("ListeSurfForm"));
    setWindowFlag(Qt::Tool);
    resize(265, 339);
    sel_ = new TSelSurfaces(this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* ann = new QPushButton(QStringLiteral("Annuler"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ann->setObjectName(QStringLiteral("BtnAnn"));
    connect(ok, &QPushButton::clicked, this, &TListeSurfForm::Valider);
    connect(ann, &QPushButton::clicked, this, [this] {
        confirme_ = 0;
        reject();
    });
    auto* v = new QVBoxLayout(this);
    v->addWidget(sel_);
    auto* h = new QHBoxLayout;
    h->addWidget(ok);
    h->addWidget(ann);
    v->addLayout(h);
    Langue::AppliqueLangue(this);
}

int TListeSurfForm::Execute(int action, const std::string& fichier) {
    action_ = action;
    fichier_ = fichier;
    confirme_ = 0;
    if (action < ListeSurf::laVerrou || action > ListeSurf::laExport)
        Ui::ui().msgDlg(Langue::Txt("rsErActionNonPrevue"), Ui::MsgType::Warning, Ui::mbOK);
    setWindowTitle(Langue::QTxt(CleCaption(action)));
    sel_->Remplit(main_.Doc());
    sel_->Choisit(ListeSurf::SelectionInitiale(main_.Doc(), action));
    exec();
    sel_->Vide();
    return confirme_;
}

void TListeSurfForm::Valider() {
    Document& doc = main_.Doc();
    const std::vector<bool> sel = sel_->Selection();
    // The document is marked modified only when something changed: no line
    // chosen duplicates, mirrors or exports nothing, and records nothing.
    bool change = std::find(sel.begin(), sel.end(), true) != sel.end();
    const auto drapeaux = [&doc](std::uint8_t TEntity::*d) {
        std::vector<bool> r;
        for (int i = 0; i < doc.NbSurf(); ++i) r.push_back(doc.Surface(i)->*d != 0);
        return r;
    };
    switch (action_) {
        case ListeSurf::laVerrou:
        case ListeSurf::laPortee: {
            // No record holds these flags: a change leaves Annuler off.
            const bool verrou = action_ == ListeSurf::laVerrou;
            change = drapeaux(verrou ? &TEntity::Verrou : &TEntity::Calc) != sel;
            if (change) main_.RecordAction(TUndo::kSansRetour);
            if (verrou)
                ListeSurf::Verrouille(doc, sel);
            else
                ListeSurf::Portee(doc, sel);
            break;
        }
        case ListeSurf::laSuppr: {
            if (!change) break;
            if (Ui::ui().msgDlg(Langue::Txt("rsConfirmDeleteSurface"), Ui::MsgType::Warning,
                                Ui::mbYes | Ui::mbNo) != Ui::mrYes)
                return;
            // The undo record of the list exchanges nothing: an undo after a
            // deletion never pairs a snapshot with other surfaces.
            main_.RecordAction(TUndo::kListeSurf);
            std::vector<EditNet::TVueSel> vues;
            for (TFormFille* v : Vues::Fenetres().Toutes())
                if (v) vues.push_back({&v->Selection, &v->TabCoor(), &v->Vue()});
            ListeSurf::Supprime(doc, vues, sel);
            for (TFormFille* v : Vues::Fenetres().Toutes())
                if (v) Affiche::MajTabCoor(doc, v->TabCoor(), v->Vue());
            ObjCom::MajMinMaxAllNet(doc, false);
            break;
        }
        case ListeSurf::laDuplic:
            if (!change) break;
            if (std::count(sel.begin(), sel.end(), true) + doc.NbSurf() > kMaxSurfaces) {
                ListeSurf::Duplique(doc, sel);  // says why
                return;
            }
            // Surfaces are added: the previous snapshot could not be given back.
            main_.RecordAction(TUndo::kListeSurf);
            ListeSurf::Duplique(doc, sel);
            ObjCom::MajMinMaxAllNet(doc, false);
            break;
        case ListeSurf::laMiroirVert:
        case ListeSurf::laMiroirHoriz:
            if (!change) break;
            main_.RecordAction(TUndo::kGeometrie);
            ListeSurf::Miroir(doc, sel, action_ == ListeSurf::laMiroirVert ? 2 : 0);
            break;
        case ListeSurf::laExport:
            if (!ListeSurf::Exporte(doc, sel, fichier_)) return;
            change = false;  // a file written; the document is as it was
            break;
        default:
            Ui::ui().msgDlg(Langue::Txt("rsErActionNonPrevue"), Ui::MsgType::Warning, Ui::mbOK);
            return;
    }
    confirme_ = 1;
    if (change) main_.MarquerModifie();
    accept();
}
