// The "Fichier" menu: new, open, recent files, close with its question,
// save, save as, quit, and the imports.
#include "app/gui/MainForm.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include <exception>

#include "app/DocIo.h"
#include "app/gui/AppliqueLangue.h"
#include "app/gui/MainFormInterne.h"
#include "app/gui/MsgDlg.h"
#include "base/Debug.h"
#include "base/Langue.h"
#include "export/ImportDxf.h"
#include "export/ImportIges.h"
#include "model/Update.h"
#include "studio/gui/StudioForm.h"
#include "views/DrawAffiche.h"
#include "views/Selection.h"
#include "views/gui/Affiche.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/Vues.h"

using namespace MainFormInterne;

// ---- Default dialogs -----------------------------------------------------------------

int TMainForm::Dialogues::MsgDlg(const QString& texte, Ui::MsgType type, unsigned boutons) {
    return csMessage::MsgDlg(texte, type, boutons, MainForm());
}

QString TMainForm::Dialogues::FichierOuvrir(QWidget* parent, const QString& dossier) {
    return QFileDialog::getOpenFileName(parent, QString(), dossier, Langue::FiltreDialogue("rsOpenDialogFilter"));
}

QString TMainForm::Dialogues::FichierEnregistrer(QWidget* parent, const QString& depart) {
    QString nom = QFileDialog::getSaveFileName(parent, QString(), depart, Langue::FiltreDialogue("rsSaveDialogFilter"));
    if (!nom.isEmpty() && QFileInfo(nom).suffix().isEmpty()) nom += QStringLiteral(".cse");
    return nom;
}

QString TMainForm::Dialogues::FichierImport(QWidget* parent, const char* cleFiltre) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), Langue::FiltreDialogue(cleFiltre));
}

void TMainForm::BrancheFichier() {
    Connecte(this, "MeNouveau", &TMainForm::MeNouveauClick);
    Connecte(this, "MeOuvrir", &TMainForm::MeOuvrirClick);
    Connecte(this, "MeFermer", [this] { MeFermerClick(); });
    Connecte(this, "MeEnregistrer", [this] { MeEnregistrerClick(); });
    Connecte(this, "MeEnregistrerSous", [this] { MeEnregistrerSousClick(); });
    Connecte(this, "MeQuitter", &TMainForm::MeQuitterClick);
    Branche("MeImportDXF", [this] { Importe("rsDXFFilter", ImportDxf::Importe); });
    Branche("MeImportIGES", [this] { Importe("rsIGESFilter", ImportIges::Importe); });
}

void TMainForm::MajCommandesFichier() {
    const auto& io = DocIo::fonctions();
    Action(QStringLiteral("MeOuvrir"))->setEnabled(static_cast<bool>(io.ouvrir));
    Action(QStringLiteral("MeEnregistrer"))->setEnabled(static_cast<bool>(io.enregistrer));
    Action(QStringLiteral("MeEnregistrerSous"))->setEnabled(static_cast<bool>(io.enregistrer));
    MajTitre();
}

bool TMainForm::DemandeEnregistrer() {
    DBG_SCOPE("TMainForm.DemandeEnregistrer");
    if (doc_.Enregistre()) {
        doc_.PeutFermer = true;
        return true;
    }
    QString texte;
    if (doc_.NomFichier.empty())
        texte = Langue::QTxt("rsEnregistrerModif");
    else
        texte = Langue::QTxt("rsEnregistrerModifDans")
                    .replace(QLatin1String("%s"), QFileInfo(Q(doc_.NomFichier)).fileName());
    const int r = Dlg().MsgDlg(texte, Ui::MsgType::Confirmation, Ui::mbYes | Ui::mbNo | Ui::mbCancel);
    if (r == Ui::mrNo) {
        doc_.PeutFermer = true;
    } else if (r == Ui::mrYes) {
        // Whatever the save did not write keeps the document open.
        MeEnregistrerClick();
    } else {
        doc_.PeutFermer = false;
    }
    return doc_.PeutFermer;
}

bool TMainForm::Ecrire() {
    DBG_SCOPE("TMainForm.Ecrire");
    const auto& io = DocIo::fonctions();
    if (!io.enregistrer) {
        Dlg().MsgDlg(QStringLiteral("Enregistrement impossible : ") + Q(doc_.NomFichier), Ui::MsgType::Error, Ui::mbOK);
        return false;
    }
    // The views' current settings are written with the document.
    StockeVues();
    try {
        io.enregistrer(doc_, 0);
    } catch (const std::exception& e) {
        Dlg().MsgDlg(QString::fromUtf8(e.what()), Ui::MsgType::Error, Ui::mbOK);
        return false;
    }
    MarquerEnregistre();
    return true;
}

bool TMainForm::MeEnregistrerClick() {
    DBG_SCOPE("TMainForm.MeEnregistrerClick");
    if (doc_.NomFichier.empty()) return MeEnregistrerSousClick();
    doc_.PeutFermer = Ecrire();
    return doc_.PeutFermer;
}

bool TMainForm::MeEnregistrerSousClick() {
    DBG_SCOPE("TMainForm.MeEnregistrerSousClick");
    const QString nom = Dlg().FichierEnregistrer(this, Q(doc_.NomFichier));
    if (nom.isEmpty()) {
        doc_.PeutFermer = false;
        return false;
    }
    const std::string ancien = doc_.NomFichier;
    doc_.NomFichier = nom.toStdString();
    if (!Ecrire()) {
        // The document keeps the name it had: Save never aims at a file that was not written.
        doc_.NomFichier = ancien;
        doc_.PeutFermer = false;
        MajTitre();
        return false;
    }
    const auto& io = DocIo::fonctions();
    if (io.ajouteFichierRecent)
        io.ajouteFichierRecent(recents_, doc_.NomFichier);
    else
        DocIo::AjouteFichierRecentDefaut(recents_, doc_.NomFichier);
    UpdateRecentFilesMenu();
    MajTitre();
    doc_.PeutFermer = true;
    return true;
}

void TMainForm::FermeDocument() {
    DBG_SCOPE("TMainForm.FermeDocument");
    emit documentRemplace();
    Vues::OublieSelections();
    // Without the net shown no control point can be picked.
    if (!doc_.Aff.MeNet)
        for (TFormFille* v : LesVues())
            if (v) v->TabCoor().EtatTous(epInactif);
    doc_.Fermer();
    // The panels that described the closed document.
    WriteStatusBar(1, QString());
    WriteStatusBar(2, QString());
    undo_.Oublie();
    MarquerEnregistre();
    ObjCom::MajFenetresPC(doc_);
    MajMenusAnnuler();
    Redessine(true);
}

bool TMainForm::MeFermerClick() {
    DBG_SCOPE("TMainForm.MeFermerClick");
    if (!DemandeEnregistrer()) return false;
    FermeDocument();
    return true;
}

void TMainForm::MeNouveauClick() {
    DBG_SCOPE("TMainForm.MeNouveauClick");
    // Cancelled: the document stays as it was.
    if (!MeFermerClick()) return;
    doc_.PropFich.Clear();
    if (TSurface* s = doc_.NouvelleSurface("Surface 1")) {
        s->Net.Initialise(0);
        s->Calculee = 0;
    }
    ObjCom::MajSurface(doc_, false, -1);
    ObjCom::MajMinMaxAllNet(doc_, false);
    doc_.DefGrille = TDefGrille{};
    Grille::GrilleParDefaut(doc_);
    if (doc_.DefGrille.SecEnValeur > doc_.DefGrille.NbSec) doc_.DefGrille.SecEnValeur = 1;
    ObjCom::MajCoupesSurface(doc_);
    ObjCom::ChangeCurrentPC(doc_, 0, 0, 0);
    ObjCom::MajFenetresPC(doc_);
    MajTitre();
    MajMenusAnnuler();
    Redessine(true);
}

bool TMainForm::PreparerOuverture() {
    if (doc_.NbSurf() > 0 || !doc_.NomFichier.empty()) {
        const int r = Dlg().MsgDlg(Langue::QTxt("rsFermerDessin"), Ui::MsgType::Confirmation, Ui::mbYes | Ui::mbNo);
        // Keeping the drawing keeps it whole: a file is never read into it.
        if (r != Ui::mrYes) return false;
    }
    // An empty document may still hold unsaved weights or marks.
    return MeFermerClick();
}

void TMainForm::OuvrirFichier(const std::string& chemin, const char* tag) {
    DBG_SCOPE("TMainForm.OuvrirFichier");
    const auto& io = DocIo::fonctions();
    if (!io.ouvrir) return;
    try {
        io.ouvrir(doc_, chemin, false, recents_);
    } catch (const std::exception& e) {
        Debug::DbgMsgStr(Debug::erDivers, tag, 0, {chemin, e.what()});
    } catch (...) {
        Debug::DbgMsgStr(Debug::erDivers, tag, 0, {chemin});
    }
    BrancheHooks();
    AjusteVuesSansReglages();
    UpdateRecentFilesMenu();
    MajTitre();
    MajMenusAnnuler();
    Redessine(true);
}

void TMainForm::AjusteVuesSansReglages() {
    if (!doc_.SansVues) return;
    doc_.SansVues = false;
    for (TFormFille* v : LesVues())
        if (v) MouseCommandes::Ajuster(v);
    if (TStudioForm* st = TStudioForm::Instance()) st->Cadrer();
}

void TMainForm::MeOuvrirClick() {
    DBG_SCOPE("TMainForm.MeOuvrirClick");
    if (!DocIo::fonctions().ouvrir) return;
    if (!PreparerOuverture()) return;
    const QString dossier = doc_.NomFichier.empty() ? QString() : QFileInfo(Q(doc_.NomFichier)).absolutePath();
    const QString chemin = Dlg().FichierOuvrir(this, dossier);
    if (chemin.isEmpty()) {
        Redessine(true);
        return;
    }
    OuvrirFichier(chemin.toStdString(), "TMainForm.OuvrirClick");
}

void TMainForm::MeOpenRecentFileClick() {
    DBG_SCOPE("TMainForm.MeOpenRecentFileClick");
    auto* a = qobject_cast<QAction*>(sender());
    if (!a || !DocIo::fonctions().ouvrir) return;
    const QString chemin = a->data().toString();
    if (chemin.isEmpty()) return;
    // A recent file that has gone is said before the drawing is closed, so
    // the current drawing stays as it is.
    if (!QFileInfo::exists(chemin)) {
        Dlg().MsgDlg(QStringLiteral("Fichier ") + chemin + QStringLiteral(" inexistant"), Ui::MsgType::Warning, Ui::mbOK);
        return;
    }
    if (!PreparerOuverture()) return;
    OuvrirFichier(chemin.toStdString(), "MeOpenRecentFileClick");
}

void TMainForm::UpdateRecentFilesMenu() {
    if (!doc_.FormeAffichee || !menuRecents_) return;
    try {
        const QList<QAction*> items = menuRecents_->actions();
        for (QAction* a : items)
            if (a->objectName() != QLatin1String("MeOpenRecentFile")) {
                menuRecents_->removeAction(a);
                a->deleteLater();
            }
        const bool ouvrir = static_cast<bool>(DocIo::fonctions().ouvrir);
        for (std::size_t i = 0; i < recents_.size() && i < 10; ++i) {
            QString texte = Q(recents_[i]);
            QAction* a = menuRecents_->addAction(texte.replace(QLatin1Char('&'), QLatin1String("&&")));
            a->setData(Q(recents_[i]));
            a->setEnabled(ouvrir);
            connect(a, &QAction::triggered, this, &TMainForm::MeOpenRecentFileClick);
        }
    } catch (...) {
        // The menu stays as far as it got.
    }
}

void TMainForm::MeQuitterClick() { close(); }

void TMainForm::Importe(const char* cleFiltre, int (*lire)(Document&, const std::string&)) {
    DBG_SCOPE("TMainForm.Importe");
    const QString chemin = Dlg().FichierImport(this, cleFiltre);
    if (chemin.isEmpty()) return;
    if (lire(doc_, chemin.toStdString()) > 0) {
        if (doc_.Aff.MeCarene) {
            ReinitialisePointsActifs();
        } else {
            for (TFormFille* v : LesVues())
                if (v) Selection::PCActif(doc_, v->TabCoor());
        }
        MarquerModifie();
    }
    MajMenusAnnuler();
    Redessine(true);
}
