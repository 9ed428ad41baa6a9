// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"

#include "app/gui/CalculatForm.h"
#include "app/gui/OptionForm.h"
#include "app/gui/PropFichForm.h"
#include "app/gui/SplashForm.h"
#include "app/gui/Traduction.h"
#include "app/gui/VellamorForm.h"
#include "model/gui/DebugForm.h"
#include "app/doc/GestFich.h"
#include "views/gui/BitMFondForm.h"
#include "views/gui/BoiteOutilsForm.h"
#include "views/gui/FenSelForm.h"
#include "views/gui/VueCtrlForm.h"

#include "views/gui/Affiche.h"
#include "views/gui/GrilleForm.h"
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

    // ---- Control-point editor and list, move and rotate, thickness, dimensions, precision

    // ---- Hydrostatics and stability

    // ---- Weights, marks and flooding points, tables, development, negative volumes

    // ---- Studio

    // ---- Export

    // ---- Printing

    // ---- External hull analysis (the item shows only when "Vellamor"/"Enabled" is set)
    Branche("MeVellamorExport", [this] {
        auto* v = findChild<TVellamorForm*>(QStringLiteral("VellamorForm"), Qt::FindDirectChildrenOnly);
        if (!v) v = new TVellamorForm(Doc(), this);
        v->Charge();
        v->exec();
    });
}
