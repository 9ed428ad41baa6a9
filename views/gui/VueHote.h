// What the drawing views ask of the window that holds them (the main
// window): the document, the drawing options, and the commands their menus,
// wheel and double click call. Commands a host does not offer leave their
// menu entries disabled.
#pragma once

#include <string>

#include "model/Document.h"
#include "model/Draw.h"

class TFormFille;

enum class TCommandeVue {
    Ajuster,       // fit the view to the hull
    Centrer,       // centre the hull in the view
    Zoom,          // zoom box tool
    Deplacer,      // pan tool
    ZoomPlus,      // one zoom step in (wheel)
    ZoomMoins,     // one zoom step out (wheel)
    FenSection,    // show the section view
    FenPlan,
    FenProfil,
    FenPersp,
    FenStudio,
    ControleVues,  // the view-control window
    FenSel,        // the net selection window
    EditeurPC,     // the control-point editor (double click)
};

// What changes in the main window when a view becomes active.
struct TActivationVue {
    int Kind = 0;                   // 0 section, 1 plan, 2 profile, 3 perspective
    std::string CaptionAjouter;     // first item of the control-point menu
    std::string CaptionSupprimer;   // second item
    bool LignesColonnesActives = true;  // both items and the palette's insert/delete buttons

    // What activating a view of a kind gives, in the current language.
    static TActivationVue De(int kind);
};

class IVueHote {
public:
    virtual ~IVueHote() = default;
    virtual Document& Doc() = 0;
    virtual const TOptionsDessin& OptionsDessin() const = 0;
    // The views take their origin and scale from the document (a document
    // named on the command line was read before they were made).
    virtual bool VuesDepuisFichier() const { return false; }
    virtual void VueActivee(TFormFille* /*vue*/, const TActivationVue& /*a*/) {}
    virtual bool CommandeDisponible(TCommandeVue /*c*/) const { return false; }
    virtual void Commande(TCommandeVue /*c*/, TFormFille* /*vue*/) {}
    // The studio: redraw (init) or bring up to date after the active view changed.
    virtual void RafraichirStudio(bool /*init*/) {}
    // The view-control window follows this view and refreshes its bars.
    virtual void MajControleVue(TFormFille* /*vue*/) {}
};
