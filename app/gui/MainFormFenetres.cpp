// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"
#include "calc/gui/HydrostatForm.h"
#include "calc/gui/StabForm.h"
#include "calc/gui/AireForm.h"
#include "calc/gui/AiresVoilesForm.h"
#include "calc/gui/DefPoidsForm.h"
#include "calc/gui/DefReperesForm.h"
#include "calc/gui/DevSurfForm.h"
#include "calc/gui/ImportRepForm.h"
#include "calc/gui/PoidsForm.h"
#include "calc/gui/ReperesForm.h"
#include "calc/gui/TabCotesForm.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"

#include "app/texts/Langue.h"
#include "model/Update.h"
#include "views/ListeSurf.h"
#include "views/gui/ListeSurfForm.h"
#include "views/gui/PropSurfForm.h"
#include "views/gui/SelSurfForm.h"
#include "views/gui/SurfNewForm.h"
#include "views/gui/TransfoForm.h"

namespace {

// The main window's one instance of a dialog, made at its first use.
template <class T>
T& Fenetre(TMainForm& m) {
    T* f = m.findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
    if (!f) f = new T(m, &m);
    return *f;
}

}  // namespace

void TMainForm::BrancheFenetres() {
    // ---- Options, document properties, about box, calculator, colour picker, debug window

    // ---- Grid, view control and tool palette, net selection, background pictures

    // ---- Surface transformations, properties, surface list, new surface
    Branche("MeTransfo", [this] { Fenetre<TTransForm>(*this).Execute(); });
    Branche("MeProprieteSurf", [this] {
        if (!Fenetre<TPropSurfForm>(*this).Execute()) return;
        MarquerModifie();
        ObjCom::MajSurface(doc_, false, -1);
        ObjCom::MajCoupesSurface(doc_);
        Redessine(false);
    });
    auto liste = [this](int action) { return Fenetre<TListeSurfForm>(*this).Execute(action); };
    Branche("MeVerrouillageSurf", [this, liste] {
        if (liste(ListeSurf::laVerrou)) Redessine(false);
    });
    Branche("MePorteeCalculs", [liste] { liste(ListeSurf::laPortee); });
    Branche("MeSupprimerSurf", [this, liste] {
        if (liste(ListeSurf::laSuppr)) ObjCom::MajFenetresPC(doc_);
        Redessine(false);
    });
    Branche("MeDupliquer", [this, liste] {
        if (doc_.NbSurf() >= kMaxSurfaces) {
            Ui::ui().msgDlg(Langue::Txt("rsErrMaxSurfOuv"), Ui::MsgType::Warning, Ui::mbOK);
            return;
        }
        if (liste(ListeSurf::laDuplic)) ObjCom::MajFenetresPC(doc_);
        Redessine(false);
    });
    for (auto [nom, action] : {std::pair{"MeRetournVert", ListeSurf::laMiroirVert},
                               std::pair{"MeRetournHoriz", ListeSurf::laMiroirHoriz}})
        Branche(nom, [this, liste, action] {
            if (liste(action)) {
                ObjCom::MajSurface(doc_, false, -1);
                ObjCom::MajCoupesSurface(doc_);
            }
            Redessine(false);
        });
    Branche("MeExportSurfaces", [this] {
        const QString f = Dlg().FichierEnregistrer(this, QString::fromStdString(doc_.NomFichier));
        if (f.isEmpty()) return;
        const std::string propre = doc_.NomFichier;
        doc_.NomFichier = f.toStdString();
        Fenetre<TListeSurfForm>(*this).Execute(ListeSurf::laExport, doc_.NomFichier);
        doc_.NomFichier = propre;
    });
    Branche("MeAjouterSurf", [this] {
        if (!Fenetre<TSurfNewForm>(*this).Execute()) return;
        const int n = doc_.NbSurf() - 1;
        doc_.Surface(n)->Calculee = 0;
        ObjCom::MajSurface(doc_, false, n);
        ObjCom::MajCoupesSurface(doc_);
        MarquerModifie();
        ObjCom::MajMinMaxAllNet(doc_, false);
        ObjCom::MajFenetresPC(doc_);
        Redessine(false);
    });
    Branche("MeRenomerSurf", [this] {
        TSelSurfForm& f = Fenetre<TSelSurfForm>(*this);
        if (!f.Execute(2) || !doc_.Surface(f.Choix())) return;
        doc_.Surface(f.Choix())->SetNom(f.NouveauNom());
        MarquerModifie();
        ObjCom::MajFenetresPC(doc_);
    });

    // ---- Control-point editor and list, move and rotate, thickness, dimensions, precision

    // ---- Hydrostatics and stability
    Branche("MeCalcHydroStat", [this] {
        // One window kept for the session: its results stay until the next run.
        auto* f = findChild<THydrostatForm*>();
        if (!f) f = new THydrostatForm(doc_, this);
        f->Execute();
    });
    Branche("MeStabilite", [this] {
        auto* f = findChild<TStabForm*>();
        if (!f) f = new TStabForm(doc_, this);
        f->exec();
        Redessine(true);
    });

    // ---- Weights, marks and flooding points, tables, development, negative volumes
    // (the negative-volume dialog opens from the stability window)
    auto modal = [this](auto fabrique) {
        return [this, fabrique] {
            auto d = fabrique();
            d->exec();
            Redessine(false);
        };
    };
    Branche("MeLstPoids", modal([this] { return std::make_unique<TPoidsForm>(doc_, this); }));
    Branche("MeLstReperes", modal([this] { return std::make_unique<TReperesForm>(doc_, this); }));
    Branche("MeListeReperesEnv", modal([this] { return std::make_unique<TEnvahissementForm>(doc_, this); }));
    Branche("MeImportReperes", modal([this] { return std::make_unique<TImportRepForm>(doc_, this); }));
    Branche("MeCalculAires", modal([this] { return std::make_unique<TAireForm>(doc_, this); }));
    Branche("MeSurfaceVoiles", modal([this] { return std::make_unique<TAiresVoilesForm>(doc_, this); }));
    Branche("MeTabCotes", modal([this] { return std::make_unique<TTabCotesForm>(doc_, this); }));
    Branche("MeDeveloppementSurf", modal([this] { return std::make_unique<TDevSurfForm>(doc_, this); }));
    // The add-weight and add-mark tools: the views read their ticks and open
    // the dialogs below at the point clicked.
    Branche("MeAjoutPoids", [] {});
    Branche("MeAjoutRepere", [] {});
    MouseCommandes::Branchements().NouveauPoids = [this](TFormFille& vue, TPoint px, TVertex3f p) {
        TDefPoidsForm d(doc_, this);
        if (d.ShowAt(p, vue.mapToGlobal(QPoint(px.X, px.Y)))) Redessine(false);
    };
    MouseCommandes::Branchements().NouveauRepere = [this](TFormFille& vue, TPoint px, TVertex3f p) {
        TDefReperesForm d(doc_, this);
        if (d.ShowAt(p, vue.mapToGlobal(QPoint(px.X, px.Y)))) Redessine(false);
    };

    // ---- Studio

    // ---- Export

    // ---- Printing
}
