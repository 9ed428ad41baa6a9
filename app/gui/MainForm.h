// The main window: owner of the document, its menus, tool bar and status
// bar, the file commands with the close question, undo and redo, and the
// user's settings (read at creation and first showing, written at closing).
//
// Commands of parts of the program that are not there yet stay in the menus,
// disabled; each part finds its item by name (Action("MeTransfo")), enables
// it and connects its handler. Every item is a row of the menu table
// (kMenus, MainFormMenus.cpp); each menu's commands are carried out in a
// file of their own (MainFormFichier.cpp, MainFormEdition.cpp ...), the
// windows they open are wired in MainFormFenetres.cpp.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "app/gui/Settings.h"
#include "model/Document.h"
#include "model/Draw.h"
#include "model/UiPort.h"
#include "model/Undo.h"
#include "views/gui/VueHote.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QToolBar;
class TVueCtrlForm;

// The command line: "-d" debug tools; "-p" and a number the debug port, only
// with "-d"; every other argument joined with blanks into a document path.
struct TLigneCommande {
    bool ModeDebug = false;
    int PortDebug = 4444;
    std::string Document;
};
TLigneCommande AnalyseLigneCommande(const QStringList& args);  // args without the program

class TMainForm : public QMainWindow, public IVueHote {
    Q_OBJECT

public:
    // What the window asks of the user besides its own widgets; tests answer
    // through their own implementation.
    class Dialogues {
    public:
        virtual ~Dialogues() = default;
        // The program's message box; returns a Ui::ModalResult.
        virtual int MsgDlg(const QString& texte, Ui::MsgType type, unsigned boutons);
        // The open and save dialogs: the chosen file, empty when cancelled.
        virtual QString FichierOuvrir(QWidget* parent, const QString& dossier);
        virtual QString FichierEnregistrer(QWidget* parent, const QString& depart);
        // The file to import, with the filter of that text key.
        virtual QString FichierImport(QWidget* parent, const char* cleFiltre);
    };

    // Creation: the settings, the default document ("Surface1") or the
    // document named on the command line, read with drawing off.
    explicit TMainForm(const QStringList& args = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- The document ---------------------------------------------------------
    Document& Doc() override { return doc_; }
    const Document& Doc() const { return doc_; }
    TUndo& Undo() { return undo_; }
    // Before a change of the model (kind 0 geometry, 2 surface list).
    void RecordAction(int kind);
    void MarquerModifie();
    void MarquerEnregistre();
    bool Enregistre() const { return doc_.Enregistre(); }
    bool FormeAffichee() const { return doc_.FormeAffichee; }
    bool FermetureEnCours() const { return fermetureEnCours_; }
    // The system or the session ends the program (a signal, the display
    // gone): nobody is asked; unsaved work goes to the recovery document,
    // the journal says why, the settings are written as at a close.
    void FinForcee(const std::string& raison);
    // A document named on the command line was read during creation.
    bool VuesDepuisFichier() const override { return vuesDepuisFichier_; }
    const TLigneCommande& LigneCommande() const { return ligne_; }

    // ---- Status bar -------------------------------------------------------------
    // Panel 0 active window, 1 current control point, 2 coordinates, 3 tool
    // prompts and progress texts, 4 spare; repainted at once.
    void WriteStatusBar(int panel, const QString& texte);
    QString TexteStatusBar(int panel) const;
    QProgressBar* BarreProgression() const { return progress_; }

    // ---- Menus and settings ---------------------------------------------------
    // The menu item, tool-bar button or submenu action of that name (nullptr if none).
    QAction* Action(const QString& nom) const;
    QMdiArea* ZoneMdi() const { return mdi_; }
    QToolBar* BarreOutils() const { return toolBar_; }
    const Settings::TOptions& Options() const { return options_; }
    // After the options dialog: copy what the core reads into the document.
    void AppliqueOptions(const Settings::TOptions& o);
    // The language of the texts ("Environement"/"Language"); changing it
    // loads its file and writes the texts into every window.
    const QString& Langage() const { return langue_; }
    void ChangeLangue(const QString& langue);
    const TOptionsDessin& OptionsDessin() const override { return optionsDessin_; }
    const Settings::TLumieres& Lumieres() const { return lumieres_; }
    Settings::TLumieres& Lumieres() { return lumieres_; }
    const std::vector<std::string>& FichiersRecents() const { return recents_; }
    // The precision word kept in "Conf": that of the ticked precision item
    // ("Faible", "Moyenne", "Bonne", "TBonne" or "Perso").
    QString MotPrecision() const;
    // Runs the preset of that word; "Perso" or any other word changes nothing.
    void FixeMotPrecision(const QString& mot);
    // Puts a checkable item in a state as a click would (its command runs).
    void Clique(const char* nom, bool on);
    // A precision preset: its item ticked, every NURBS surface evaluated at p
    // intervals per direction, the active view redrawn; the document is not
    // marked modified.
    void AppliquePrecision(const char* item, int p);

    // Windows whose placement is kept in "PosFen" (kFenetresPlacees, in the
    // order they are restored and written): each window made calls this with
    // its name; one made after the start takes its stored placement at once.
    static const char* const kFenetresPlacees[12];
    void EnregistrePlacement(const QString& nom, QWidget* fenetre, bool filleMdi);
    // Every window of the program in the order it is made at start-up (this
    // one first), each made now if it was not yet; the windows made for one
    // use only are handed to `temporaires` (nullptr where the part of the
    // program is missing).
    std::vector<QWidget*> FenetresDuProgramme(std::vector<std::unique_ptr<QWidget>>& temporaires);

    // ---- Views ---------------------------------------------------------------------
    // A 2-D view joins the window: in a child window of its own, declared,
    // its placement kept; activating the child window activates the view.
    void AjouteVue(TFormFille* vue);
    // A child window that lives until exit: its close button hides it with
    // the window inside, showing it again shows that window too, and the
    // child window then on top becomes the active one.
    void GardeCadre(QMdiSubWindow* sw);
    // The 2-D view of a kind (0 section, 1 plan, 2 profile, 3 perspective).
    void DeclareVue(int kind, QWidget* vue);
    QWidget* FenetreVueParIndex(int index) const;  // "Fenetre fille non declaree" when none
    QWidget* FenetreActive() const { return FenetreVueParIndex(numVueActive_); }
    int NumVueActive() const { return numVueActive_; }
    void VueActivee(TFormFille* vue, const TActivationVue& a) override;
    void RafraichirStudio(bool init) override;
    bool CommandeDisponible(TCommandeVue c) const override;
    // The view-control window follows the view (MainFormFenetres.cpp).
    void MajControleVue(TFormFille* vue) override;
    // The view-control window, made at start-up; the studio hands
    // itself over to it (SetStudio) and calls ChangeVue / MajTrackBars.
    TVueCtrlForm* FenetreControleVue();
    // The view it controls when it opens: the studio when active, else the active view.
    int VueControlee() const;
    // The tool palette, made at start-up.
    QWidget* FenetreBoiteOutils();
    void Commande(TCommandeVue c, TFormFille* vue) override;
    // The views' current origin, scale and angles go to the document's stored
    // views (written with it); and back from them after a file was read.
    void StockeVues();
    void AppliqueVuesStockees();
    // After a file was read: in the four views every control point inactive,
    // the selections emptied, then the rows or columns each net offers active.
    void ReinitialisePointsActifs();

    void SetDialogues(Dialogues* d) { dialogues_ = d ? d : &dialoguesDefaut_; }
    Dialogues& Dlg() { return *dialogues_; }

    // Refreshes the enabled state of "Annuler", "Refaire" and their button.
    void MajMenusAnnuler();
    // The title: "Corvane Shaper" or "Corvane Shaper - file", "*" while modified.
    void MajTitre();
    void UpdateRecentFilesMenu();
    // Open and save follow the document reader and writer installed (DocIo).
    void MajCommandesFichier();
    // The child windows in cascade.
    void Cascade();
    // "Guide de l'utilisateur": "Doc/index.html" in that folder (the
    // program's), else "Doc/CorvaneShaper.html", opened by the desktop; a
    // message when neither exists or the desktop cannot open it.
    void OuvreGuide(const QString& dossier);
    // Asks the views to redraw (all: every view and the studio).
    void Redessine(bool tout);

signals:
    // The views redraw (the active one, or every one).
    void redessiner(bool tout);
    // The document was emptied or replaced: views drop their selections.
    void documentRemplace();
    // The open auxiliary windows (control-point editor and list, visible
    // surfaces, net selection) refresh themselves (ObjCom::MajFenetresPC).
    void fenetresPC();

public slots:
    void MeNouveauClick();
    void MeOuvrirClick();
    void MeOpenRecentFileClick();
    // Each returns whether it went through (false: cancelled or failed).
    bool MeFermerClick();
    bool MeEnregistrerClick();
    bool MeEnregistrerSousClick();
    void MeQuitterClick();
    void MeAnnulerClick();
    void MeRefaireCommandeClick();

protected:
    // The keyboard filter of the whole application: Page Up / Page Down zoom
    // the active view, the arrows move it (or turn the perspective with Shift).
    bool eventFilter(QObject* objet, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    struct Placement {
        QString nom;
        QPointer<QWidget> fenetre;
        bool filleMdi = false;
    };
    void AppliquePlacementLu(const Placement& p);
    void LirePlacements(QSettings& s);
    void EcrirePlacements(QSettings& s);

    void CreeMenus();
    void CreeBarreOutils();
    void CreeStatusBar();
    void CreePopup();
    QAction* NouvelleAction(QMenu* menu, const char* nom, const char* cleCaption, const char* defaut,
                            const QKeySequence& raccourci = {}, bool cochable = false, bool coche = false);
    QMenu* NouveauMenu(QMenu* parent, const char* nom, const char* cleCaption, const char* defaut);
    void Separateur(QMenu* menu, const char* nom);
    void BrancheCommandes();
    // The commands of each menu, connected in the file of that menu.
    void BrancheFichier();
    void BrancheEdition();
    void BrancheAffichage();
    void BrancheSurfaces();
    void BrancheVues();
    void BrancheAide();
    // The commands that open the program's other windows (MainFormFenetres.cpp).
    void BrancheFenetres();
    // The document's hooks to this window (undo record, auxiliary windows).
    void BrancheHooks();
    // Shows again the views hidden by their close buttons.
    void MontreVues();
    // A document that brought no view settings is fitted in every view.
    void AjusteVuesSansReglages();
    // The views once the start has placed their windows: the document's
    // own settings, or framed when it has none (cadrerDefaut: the default
    // hull too).
    void VuesPlacees(bool cadrerDefaut);
    // Connects a menu item or button by its name; a connected item stays enabled.
    void Branche(const char* nom, std::function<void()> slot);
    void DesactiveNonConstruits();
    // A display item was clicked: the extra work of its switch, then redraw.
    void InterrupteurClick(bool TAffichage::*champ, bool on);
    // Ticks or unticks a display item; its switch and its button follow.
    void FixeCoche(const char* nom, bool on);
    // The key of the keyboard filter; true when it was used.
    bool ToucheVue(int touche, Qt::KeyboardModifiers m);
    // Whether a window that keeps the arrows and page keys for itself is active.
    bool ClavierPourAutreFenetre() const;

    void FormShow();
    bool FormCloseQuery();
    void FormClose();

    // The close question; true when the caller may go on.
    bool DemandeEnregistrer();
    // Empties the document (the "close" command after its question).
    void FermeDocument();
    // Writes the document under its name; false (and a message) when not written.
    bool Ecrire();
    // Reads a file into the emptied document; `tag` names the command in the report.
    void OuvrirFichier(const std::string& chemin, const char* tag);
    // Asks to close the current drawing before opening another; false: keep it.
    bool PreparerOuverture();
    // Evaluates what is shown, with the cuts and the bounds.
    void Evalue();
    // "Import" > "DXF" or "IGES": the file chosen is read by `lire`, whose
    // surfaces join the document; the views take their control points.
    void Importe(const char* cleFiltre, int (*lire)(Document&, const std::string&));

    Settings::TConf ConfDesMenus() const;
    void AppliqueConf(const Settings::TConf& c);
    // The check marks of the display items follow the document's switches.
    void MajCochesAffichage();
    void AppliqueVellamor(bool visible);
    void MajOptionsDessin();

    Document doc_;
    TUndo undo_;
    TLigneCommande ligne_;
    Settings::TOptions options_;
    TOptionsDessin optionsDessin_;
    Settings::TLumieres lumieres_;
    QString langue_;
    bool planEau_ = true;  // the studio's water plane, kept for "Conf"
    std::vector<std::string> recents_;
    std::vector<Placement> placements_;
    // What the settings held at the start, by window name.
    std::map<QString, Settings::TPlacement> placementsStockes_;
    bool placementsLus_ = false;
    std::map<QString, QAction*> actions_;
    std::set<QString> branches_;
    std::map<int, QPointer<QWidget>> vues_;
    int numVueActive_ = 0;
    bool vuesDepuisFichier_ = false;
    bool fermetureEnCours_ = false;
    bool montree_ = false;
    Document* docEnLecture_ = nullptr;  // the document named on the command line, while it is read
    bool sourisBranchee_ = false;  // the mouse tools took their menu items

    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* menuRecents_ = nullptr;
    QLabel* panneaux_[5] = {};
    QProgressBar* progress_ = nullptr;

    Dialogues dialoguesDefaut_;
    Dialogues* dialogues_ = &dialoguesDefaut_;
};

// The main window of the running program (nullptr before it exists).
TMainForm* MainForm();
