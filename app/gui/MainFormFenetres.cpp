// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>

#include <memory>
#include <vector>

#include "app/doc/GestFich.h"
#include "app/gui/CalculatForm.h"
#include "app/gui/CouleurForm.h"
#include "app/gui/MsgDlg.h"
#include "app/gui/OptionForm.h"
#include "app/gui/PropFichForm.h"
#include "app/gui/SplashForm.h"
#include "app/gui/Traduction.h"
#include "app/gui/VellamorForm.h"
#include "base/Langue.h"
#include "calc/gui/AireForm.h"
#include "calc/gui/AiresVoilesForm.h"
#include "calc/gui/DefPoidsForm.h"
#include "calc/gui/DefReperesForm.h"
#include "calc/gui/DevSurfForm.h"
#include "calc/gui/HydrostatForm.h"
#include "calc/gui/ImportRepForm.h"
#include "calc/gui/PoidsForm.h"
#include "calc/gui/ReperesForm.h"
#include "calc/gui/StabDlgForm.h"
#include "calc/gui/StabForm.h"
#include "calc/gui/TabCotesForm.h"
#include "export/gui/ExportForm.h"
#include "export/gui/ImprForm.h"
#include "model/Update.h"
#include "model/gui/DebugForm.h"
#include "studio/gui/StudioForm.h"
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
        c->ChangeVue(VueControlee());
    }
    return c;
}

int TMainForm::VueControlee() const { return StudioMain::Actif(*this) ? VueCtrl::kStudio : NumVueActive(); }

void TMainForm::MajControleVue(TFormFille* vue) {
    auto* c = findChild<TVueCtrlForm*>(QStringLiteral("VueCtrlForm"), Qt::FindDirectChildrenOnly);
    if (!c || !vue) return;
    // A view that becomes active takes the bars (unless the studio is
    // active); the active one refreshes them.
    if (c->Index() != vue->Kind() && vue->Kind() == VueControlee())
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

// The same for a floating window whose placement is kept: it takes it when made.
template <class T>
T& Flottante(TMainForm& m, const char* nom) {
    T* f = m.findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
    if (!f) {
        f = new T(m, &m);
        m.EnregistrePlacement(QLatin1String(nom), f, false);
    }
    return *f;
}

TBoiteOutilsForm& BoiteOutils(TMainForm& m) {
    auto* b = m.findChild<TBoiteOutilsForm*>(QStringLiteral("BoiteOutilsForm"), Qt::FindDirectChildrenOnly);
    if (!b) {
        b = new TBoiteOutilsForm([&m](const QString& nom) { return m.Action(nom); }, &m);
        b->Fermee = [&m] { m.Action(QStringLiteral("MeIcoBoiteOutils"))->setChecked(false); };
        m.EnregistrePlacement(QStringLiteral("BoiteOutilsForm"), b, false);
    }
    return *b;
}

}  // namespace

QWidget* TMainForm::FenetreBoiteOutils() { return &BoiteOutils(*this); }

namespace {

TFenSelForm& FenetreSelection(TMainForm& m) {
    auto* w = m.findChild<TFenSelForm*>(QStringLiteral("FenSelForm"), Qt::FindDirectChildrenOnly);
    if (!w) {
        w = new TFenSelForm(m, &m);
        w->RedessineVue = [&m] { m.Redessine(false); };
        w->Fermee = [&m] { m.Action(QStringLiteral("MeFenSel"))->setChecked(false); };
        m.EnregistrePlacement(QStringLiteral("FenSelForm"), w, false);
        QObject::connect(&m, &TMainForm::fenetresPC, w, [w] {
            if (w->isVisible()) w->Rafraichit();
        });
    }
    return *w;
}

TGrilleForm& DialogueGrille(TMainForm& m) {
    auto* g = m.findChild<TGrilleForm*>(QStringLiteral("GrilleForm"), Qt::FindDirectChildrenOnly);
    if (!g) {
        g = new TGrilleForm(m.Doc(), &m);
        g->Applique = [&m] {
            if (TFormFille* v = Vues::FenetreActive(m.NumVueActive())) Affiche::AfficheNet(v);
        };
    }
    return *g;
}

TBitMFondForm& Fonds(TMainForm& m) {
    auto* b = m.findChild<TBitMFondForm*>(QStringLiteral("BitMFondForm"), Qt::FindDirectChildrenOnly);
    if (!b) {
        b = new TBitMFondForm(&m);
        b->Applique = [&m](const TBitMFondForm::TFonds& fonds) {
            bool change = false;
            for (int k = 0; k < 4; ++k) {
                TFondFichier& d = m.Doc().StockFen.Vues[static_cast<std::size_t>(k)].Fond;
                change = change || !(d == fonds[static_cast<std::size_t>(k)]);
                d = fonds[static_cast<std::size_t>(k)];
            }
            AppliqueFonds(m);
            if (change) m.MarquerModifie();
            m.Redessine(false);
        };
        // Cancelled: the stretch modes and fixed sizes chosen meanwhile stay.
        b->Annule = [&m](const TBitMFondForm::TFonds& fonds) {
            for (int k = 0; k < 4; ++k) {
                const TFondFichier& f = fonds[static_cast<std::size_t>(k)];
                TFondFichier& d = m.Doc().StockFen.Vues[static_cast<std::size_t>(k)].Fond;
                d.Ajuste = f.Ajuste, d.Largeur = f.Largeur, d.Hauteur = f.Hauteur;
                if (TFormFille* v = Vues::FenetreVueParIndex(k)) {
                    v->Fond.Ajuste = f.Ajuste, v->Fond.Largeur = f.Largeur, v->Fond.Hauteur = f.Hauteur;
                    v->StretchFondFichier();
                }
            }
            m.Redessine(false);
        };
        // "Effacer": the four views load their pictures again from their own records.
        b->Recharge = [&m] {
            for (TFormFille* v : Vues::Fenetres().Toutes())
                if (v) v->ChargeFond();
            m.Redessine(false);
        };
    }
    return *b;
}

}  // namespace

std::vector<QWidget*> TMainForm::FenetresDuProgramme(std::vector<std::unique_ptr<QWidget>>& temporaires) {
    // Those the program makes for one use only are made for the caller.
    auto temporaire = [&temporaires](QWidget* w) {
        temporaires.emplace_back(w);
        return w;
    };
    auto existante = [this](const char* nom) -> QWidget* {
        if (auto* w = findChild<QWidget*>(QLatin1String(nom), Qt::FindDirectChildrenOnly)) return w;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(nom)) return w;
        return nullptr;
    };
    auto* repNet = new QWidget(this, Qt::Window);  // an empty window with no behaviour
    repNet->setObjectName(QStringLiteral("FormRepNet"));
    auto* hydro = findChild<THydrostatForm*>();
    auto* stab = findChild<TStabForm*>();
    auto* precis = findChild<TPrecisForm*>(QString(), Qt::FindDirectChildrenOnly);
    auto* impr = findChild<TImprForm*>(QStringLiteral("ImprForm"));
    auto* exp = findChild<TExportForm*>(QStringLiteral("ExportForm"));
    std::vector<QWidget*> f = {
        this,
        &BoiteOutils(*this),
        FenetreControleVue(),
        FenetreVueParIndex(0),
        FenetreVueParIndex(1),
        FenetreVueParIndex(2),
        FenetreVueParIndex(3),
        TStudioForm::Instance(),
        &Flottante<TEditPCForm>(*this, "EditPCForm"),
        &Fenetre<TTailleForm>(*this),
        impr ? impr : new TImprForm(this),
        &DialogueGrille(*this),
        &Fenetre<TSelSurfForm>(*this),
        &Fenetre<TListeSurfForm>(*this),
        &Fenetre<TPropSurfForm>(*this),
        &Fenetre<TSurfNewForm>(*this),
        &FenetreSelection(*this),
        temporaire(new TAireForm(doc_, this)),
        &Fenetre<TLstPcForm>(*this),
        CalculatForm(),
        OptionForm(),
        PropFichForm(),
        temporaire(repNet),
        &Fonds(*this),
        &Fenetre<TCotesForm>(*this),
        DebugForm(),
        hydro ? hydro : new THydrostatForm(doc_, this),
        &Fenetre<TTransForm>(*this),
        temporaire(new TDefPoidsForm(doc_, this)),
        exp ? exp : new TExportForm(this),
        temporaire(new TPoidsForm(doc_, this)),
        temporaire(new TReperesForm(doc_, this)),
        temporaire(new TImportRepForm(doc_, this)),
        temporaire(new TDefReperesForm(doc_, this)),
        temporaire(new TTabCotesForm(doc_, this)),
        stab ? stab : new TStabForm(doc_, this),
        precis ? precis : new TPrecisForm(this),
        temporaire(new TStabDlgForm(doc_, this)),
        existante("GaussForm"),
        temporaire(new TAiresVoilesForm(doc_, this)),
        temporaire(new TDevSurfForm(doc_, this)),
        &Flottante<TListeSurfVisiblesForm>(*this, "ListeSurfVisiblesForm"),
        CouleurForm(),
        temporaire(new TEnvahissementForm(doc_, this)),
        &Fenetre<TEpaisseurForm>(*this),
        temporaire(new TfmMessageDlg(this)),
        &Fenetre<TDeplSurfForm>(*this),
    };
    return f;
}

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
    Branche("MeTraduction", [this] {
        std::vector<std::unique_ptr<QWidget>> temporaires;
        const QString chemin = Traduction::EnregistrerTextes(FenetresDuProgramme(temporaires));
        WriteStatusBar(3, QString::fromUtf8("Modèle de traduction écrit : ") + QDir::toNativeSeparators(chemin));
    });
    Branche("MeCalculatrice", [] {
        if (TCalculatForm* c = CalculatForm()) {
            c->show();
            c->raise();
            c->activateWindow();
        }
    });

    // ---- Grid, view control and tool palette, net selection, background pictures
    Branche("MeEspacementGrille", [this] {
        TGrilleForm* g = &DialogueGrille(*this);
        g->Portee = Action(QStringLiteral("MePorteeCalculs"))->isEnabled()
                        ? std::function<void()>([this] { Action(QStringLiteral("MePorteeCalculs"))->trigger(); })
                        : std::function<void()>();
        g->Charge();
        g->exec();
    });

    Branche("MeImporterBitmap", [this] {
        TBitMFondForm* b = &Fonds(*this);
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
        c->ChangeVue(VueControlee());
        c->show();
        c->raise();
    });
    Branche("MeIcoBoiteOutils", [] {});
    connect(Action(QStringLiteral("MeIcoBoiteOutils")), &QAction::toggled, this, [this](bool on) {
        auto* b = findChild<TBoiteOutilsForm*>(QStringLiteral("BoiteOutilsForm"), Qt::FindDirectChildrenOnly);
        if (!b && !on) return;
        BoiteOutils(*this).setVisible(on);
    });

    // The net selection window opens and closes with its check mark (menu,
    // tool-bar button, or the settings restored at start).
    Branche("MeFenSel", [] {});
    connect(Action(QStringLiteral("MeFenSel")), &QAction::toggled, this, [this](bool on) {
        auto* w = findChild<TFenSelForm*>(QStringLiteral("FenSelForm"), Qt::FindDirectChildrenOnly);
        if (on) {
            w = &FenetreSelection(*this);
            Doc().Hooks.MajFenSel = [w](const TEtatFenSel& e) { w->MajEtat(e); };
            w->Montre();
        } else if (w && w->isVisible()) {
            w->close();
        }
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
        TEntity& s = *doc_.Surface(f.Choix());
        if (s.Nom == ObjCom::Tronque(f.NouveauNom(), kLongNomSurface)) return;
        RecordAction(TUndo::kSansRetour);  // no record holds the names
        s.SetNom(f.NouveauNom());
        MarquerModifie();
        ObjCom::MajFenetresPC(doc_);
    });

    // ---- Control-point editor and list, move and rotate, thickness, dimensions, precision
    Branche("MeEditeurPC", [this] {
        QAction* a = Action(QStringLiteral("MeEditeurPC"));
        TEditPCForm& f = Flottante<TEditPCForm>(*this, "EditPCForm");
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
        TListeSurfVisiblesForm& f = Flottante<TListeSurfVisiblesForm>(*this, "ListeSurfVisiblesForm");
        f.show();
        f.raise();
    });

    // ---- Hydrostatics and stability
    // Results of a closed document are never shown for the next one.
    connect(this, &TMainForm::documentRemplace, this, [this] {
        if (auto* f = findChild<THydrostatForm*>()) f->EffaceResultats();
    });
    Branche("MeCalcHydroStat", [this] {
        // One window kept for the session: its results stay until the next
        // run or until the document is closed.
        auto* f = findChild<THydrostatForm*>();
        if (!f) {
            f = new THydrostatForm(doc_, this);
            f->PorteeCalculs = [this] { return Fenetre<TListeSurfForm>(*this).Execute(ListeSurf::laPortee) == 1; };
        }
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
