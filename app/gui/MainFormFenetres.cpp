// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"

#include <QAction>

#include "app/doc/GestFich.h"
#include "app/gui/CalculatForm.h"
#include "app/gui/OptionForm.h"
#include "app/gui/PropFichForm.h"
#include "app/gui/SplashForm.h"
#include "app/gui/Traduction.h"
#include "app/gui/VellamorForm.h"
#include "app/texts/Langue.h"
#include "calc/gui/AireForm.h"
#include "calc/gui/AiresVoilesForm.h"
#include "calc/gui/DefPoidsForm.h"
#include "calc/gui/DefReperesForm.h"
#include "calc/gui/DevSurfForm.h"
#include "calc/gui/HydrostatForm.h"
#include "calc/gui/ImportRepForm.h"
#include "calc/gui/PoidsForm.h"
#include "calc/gui/ReperesForm.h"
#include "calc/gui/StabForm.h"
#include "calc/gui/TabCotesForm.h"
#include "export/gui/ExportForm.h"
#include "export/gui/ImprForm.h"
#include "model/Update.h"
#include "model/gui/DebugForm.h"
#include "studio/gui/StudioMain.h"
#include "views/DeplSurf.h"
#include "views/ListeSurf.h"
#include "views/gui/Affiche.h"
#include "views/gui/BitMFondForm.h"
#include "views/gui/BoiteOutilsForm.h"
#include "views/gui/CotesForm.h"
#include "views/gui/DeplSurfForm.h"
#include "views/gui/EditPCForm.h"
#include "views/gui/EpaisseurForm.h"
#include "views/gui/FenSelForm.h"
#include "views/gui/FormFille.h"
#include "views/gui/GrilleForm.h"
#include "views/gui/ListeSurfForm.h"
#include "views/gui/ListeSurfVisiblesForm.h"
#include "views/gui/LstPcForm.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/PrecisForm.h"
#include "views/gui/PropSurfForm.h"
#include "views/gui/SelSurfForm.h"
#include "views/gui/SurfNewForm.h"
#include "views/gui/TailleForm.h"
#include "views/gui/TransfoForm.h"
#include "views/gui/VueCtrlForm.h"
#include "views/gui/Vues.h"

namespace {

// The display item of the background pictures works while a picture is named.
void MajItemFond(TMainForm& f) {
    bool nomme = false;
    for (int k = 0; k < 4; ++k) nomme = nomme || !f.Doc().StockFen.Vues[static_cast<std::size_t>(k)].Fond.Fichier.empty();
    if (QAction* a = f.Action(QStringLiteral("MeAfficheBitmapFond"))) a->setEnabled(nomme);
}

// The document's background records go to the four views, which load them.
void AppliqueFonds(TMainForm& f) {
    for (TFormFille* v : Vues::Fenetres().Toutes())
        if (v && v->Kind() >= 0 && v->Kind() < 4) {
            v->Fond = f.Doc().StockFen.Vues[static_cast<std::size_t>(v->Kind())].Fond;
            v->ChargeFond();
        }
    MajItemFond(f);
}

}  // namespace

TVueCtrlForm* TMainForm::FenetreControleVue() {
    auto* c = findChild<TVueCtrlForm*>(QStringLiteral("VueCtrlForm"), Qt::FindDirectChildrenOnly);
    if (!c) {
        c = new TVueCtrlForm(*this, this);
        c->Fermee = [this] { Action(QStringLiteral("MeControleVue"))->setChecked(false); };
        EnregistrePlacement(QStringLiteral("VueCtrlForm"), c, false);
        StudioMain::BrancheControle(*c);
        c->ChangeVue(NumVueActive());
    }
    return c;
}

void TMainForm::MajControleVue(TFormFille* vue) {
    auto* c = findChild<TVueCtrlForm*>(QStringLiteral("VueCtrlForm"), Qt::FindDirectChildrenOnly);
    if (!c || !vue) return;
    // A view that becomes active takes the bars; the active one refreshes them.
    if (c->Index() != vue->Kind() && vue->Kind() == NumVueActive())
        c->ChangeVue(vue->Kind());
    else
        c->MajTrackBars(vue->Kind());
}

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
    Branche("MeOptions", [] {
        if (TOptionForm* o = OptionForm()) o->Execute();
    });
    Branche("MeProprietesFichier", [this] {
        if (TPropFichForm* p = PropFichForm(); p && p->Execute(doc_.PropFich, doc_.NomFichier)) MarquerModifie();
    });
    Branche("MeAPropos", [this] { Splash::APropos(this); });
    Branche("MeDebug", [] {
        if (TDebugForm* d = DebugForm()) {
            d->show();
            d->raise();
        }
    });
    // Writes the template and does nothing else; a failure goes to the
    // exception handler.
    Branche("MeTraduction", [this] { Traduction::EnregistrerTextes(this); });
    Branche("MeCalculatrice", [] {
        if (TCalculatForm* c = CalculatForm()) {
            c->show();
            c->raise();
            c->activateWindow();
        }
    });

    // ---- Grid, view control and tool palette, net selection, background pictures
    Branche("MeEspacementGrille", [this] {
        auto* g = findChild<TGrilleForm*>(QStringLiteral("GrilleForm"), Qt::FindDirectChildrenOnly);
        if (!g) {
            g = new TGrilleForm(Doc(), this);
            g->Applique = [this] {
                if (TFormFille* v = Vues::FenetreActive(NumVueActive())) Affiche::AfficheNet(v);
            };
        }
        g->Portee = Action(QStringLiteral("MePorteeCalculs"))->isEnabled()
                        ? std::function<void()>([this] { Action(QStringLiteral("MePorteeCalculs"))->trigger(); })
                        : std::function<void()>();
        g->Charge();
        g->exec();
    });

    Branche("MeImporterBitmap", [this] {
        auto* b = findChild<TBitMFondForm*>(QStringLiteral("BitMFondForm"), Qt::FindDirectChildrenOnly);
        if (!b) {
            b = new TBitMFondForm(this);
            b->Applique = [this](const TBitMFondForm::TFonds& fonds) {
                for (int k = 0; k < 4; ++k) Doc().StockFen.Vues[static_cast<std::size_t>(k)].Fond = fonds[static_cast<std::size_t>(k)];
                AppliqueFonds(*this);
                MarquerModifie();
                Redessine(false);
            };
            b->Recharge = [this] {
                for (TFormFille* v : Vues::Fenetres().Toutes())
                    if (v) v->ChargeFond();
                Redessine(false);
            };
        }
        TBitMFondForm::TFonds fonds;
        for (int k = 0; k < 4; ++k) fonds[static_cast<std::size_t>(k)] = Doc().StockFen.Vues[static_cast<std::size_t>(k)].Fond;
        b->Charge(fonds);
        b->exec();
    });
    {
        GestFich::TFenetres fen = GestFich::Fenetres();
        fen.AppliqueFonds = [] {
            if (TMainForm* m = MainForm()) AppliqueFonds(*m);
        };
        fen.ActiveFonds = [] {
            if (TMainForm* m = MainForm()) MajItemFond(*m);
        };
        GestFich::InstalleFenetres(std::move(fen));
    }
    // A closed document names no picture any more.
    connect(this, &TMainForm::documentRemplace, this, [this] {
        for (TFormFille* v : Vues::Fenetres().Toutes())
            if (v) {
                v->Fond.Fichier.clear();
                v->ChargeFond();
            }
        if (QAction* a = Action(QStringLiteral("MeAfficheBitmapFond"))) a->setEnabled(false);
    });
    MajItemFond(*this);

    // The view control and the tool palette open and close with their check marks.
    Branche("MeControleVue", [] {});
    connect(Action(QStringLiteral("MeControleVue")), &QAction::toggled, this, [this](bool on) {
        TVueCtrlForm* c = FenetreControleVue();
        if (!on) {
            c->hide();
            return;
        }
        c->ChangeVue(NumVueActive());
        c->show();
        c->raise();
    });
    Branche("MeIcoBoiteOutils", [] {});
    connect(Action(QStringLiteral("MeIcoBoiteOutils")), &QAction::toggled, this, [this](bool on) {
        auto* b = findChild<TBoiteOutilsForm*>(QStringLiteral("BoiteOutilsForm"), Qt::FindDirectChildrenOnly);
        if (!b) {
            if (!on) return;
            b = new TBoiteOutilsForm([this](const QString& nom) { return Action(nom); }, this);
            b->Fermee = [this] { Action(QStringLiteral("MeIcoBoiteOutils"))->setChecked(false); };
            EnregistrePlacement(QStringLiteral("BoiteOutilsForm"), b, false);
        }
        b->setVisible(on);
    });

    // The net selection window opens and closes with its check mark (menu,
    // tool-bar button, or the settings restored at start).
    Branche("MeFenSel", [] {});
    auto fenSel = [this] {
        auto* w = findChild<TFenSelForm*>(QStringLiteral("FenSelForm"), Qt::FindDirectChildrenOnly);
        if (!w) {
            w = new TFenSelForm(*this, this);
            w->RedessineVue = [this] { Redessine(false); };
            w->Fermee = [this] { Action(QStringLiteral("MeFenSel"))->setChecked(false); };
            EnregistrePlacement(QStringLiteral("FenSelForm"), w, false);
            connect(this, &TMainForm::fenetresPC, w, [w] {
                if (w->isVisible()) w->Rafraichit();
            });
        }
        Doc().Hooks.MajFenSel = [w](const TEtatFenSel& e) { w->MajEtat(e); };
        return w;
    };
    connect(Action(QStringLiteral("MeFenSel")), &QAction::toggled, this, [this, fenSel](bool on) {
        auto* w = findChild<TFenSelForm*>(QStringLiteral("FenSelForm"), Qt::FindDirectChildrenOnly);
        if (on)
            fenSel()->Montre();
        else if (w && w->isVisible())
            w->close();
    });

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
    // The surface moves have no menu item: their commands are reached from the tool palette.
    for (const auto& [nom, texte] :
         {std::pair{"MeDeplacerPC", "Déplacer des surfaces..."}, std::pair{"MeRotationPC", "Tourner des surfaces..."},
          std::pair{"MeRetournVert", "Miroir vertical de surfaces..."},
          std::pair{"MeRetournHoriz", "Miroir horizontal de surfaces..."},
          std::pair{"MeDeplacerSurf", "Déplacer le repère de surfaces..."}})
        if (!Action(QLatin1String(nom))) {
            auto* a = new QAction(QString::fromUtf8(texte), this);
            a->setObjectName(QLatin1String(nom));
            actions_[QLatin1String(nom)] = a;
        }
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
    Branche("MeEditeurPC", [this] {
        QAction* a = Action(QStringLiteral("MeEditeurPC"));
        TEditPCForm& f = Fenetre<TEditPCForm>(*this);
        if (a && !a->isChecked()) {
            f.close();
            return;
        }
        f.show();
        f.raise();
    });
    Branche("MeLstPC", [this] {
        TLstPcForm& f = Fenetre<TLstPcForm>(*this);
        f.show();
        f.raise();
        f.activateWindow();
    });
    for (auto [nom, mode] : {std::pair{"MeDeplacerPC", DeplSurf::dmDeplace}, std::pair{"MeRotationPC", DeplSurf::dmRotation},
                             std::pair{"MeDeplacerSurf", DeplSurf::dmPlanSym}})
        Branche(nom, [this, mode] {
            if (Fenetre<TDeplSurfForm>(*this).Execute(mode)) {
                MarquerModifie();
                ObjCom::MajMinMaxAllNet(doc_, false);
                if (mode != DeplSurf::dmDeplace) ObjCom::MajCoupesSurface(doc_);
            }
            Redessine(false);
        });
    Branche("MeEpaisseur", [this] { Fenetre<TEpaisseurForm>(*this).Execute(); });
    Branche("MeTaille", [this] { Fenetre<TTailleForm>(*this).Execute(); });
    // The precision typed in applies as a preset does, whatever the way out of the dialog.
    Branche("MePrecPerso", [this] {
        auto* f = findChild<TPrecisForm*>(QString(), Qt::FindDirectChildrenOnly);
        if (!f) f = new TPrecisForm(this);
        AppliquePrecision("MePrecPerso", f->Execute(doc_.Precision, ligne_.ModeDebug));
    });
    Branche("MeLstCotations", [this] { Fenetre<TCotesForm>(*this).Execute(); });
    Branche("MeVisibiliteSurf", [this] {
        TListeSurfVisiblesForm& f = Fenetre<TListeSurfVisiblesForm>(*this);
        f.show();
        f.raise();
    });

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
    Branche("MeStudioFen", [this] { StudioMain::Montre(*this); });
    Branche("MeCopier", [this] { StudioMain::Copie(*this); });

    // ---- Export
    // One export dialog for the three types, created on first use.
    auto exporte = [this](const char* type) {
        auto* f = findChild<TExportForm*>(QStringLiteral("ExportForm"));
        if (!f) f = new TExportForm(this);
        f->Execute(QLatin1String(type));
    };
    Branche("MeExportTXT", [exporte] { exporte("TXT"); });
    Branche("MeExportDXF", [exporte] { exporte("DXF"); });
    Branche("MeExportIGES", [exporte] { exporte("IGES"); });

    // ---- Printing
    // One print set-up, created on first use; it keeps the printer chosen.
    auto impression = [this] {
        auto* f = findChild<TImprForm*>(QStringLiteral("ImprForm"));
        return f ? f : new TImprForm(this);
    };
    Branche("MeImprimer", [impression] { impression()->exec(); });
    Branche("MeConfigurationImpression", [impression] { impression()->BtnConfigClick(); });

    // ---- External hull analysis (the item shows only when "Vellamor"/"Enabled" is set)
    Branche("MeVellamorExport", [this] {
        auto* v = findChild<TVellamorForm*>(QStringLiteral("VellamorForm"), Qt::FindDirectChildrenOnly);
        if (!v) v = new TVellamorForm(Doc(), this);
        v->Charge();
        v->exec();
    });
}
