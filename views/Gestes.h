// The mouse tools of the 2-D views: which tool a press chooses (from the
// tool ticked in the menus, then from what lies under the cursor), the hit
// tests, the press / move / release state machine, constrained drags with
// the stop at a symmetry plane, moving and turning a surface by its frame
// handle, row and column insertion and removal, measures and dimensions,
// zoom box and pan, and the hand-off to the weight and mark dialogs.
//
// Plain code over the state of one view (TVueEdit) and the document; the
// view window translates its mouse events into calls and answers what the
// gestures ask of the program through IHoteGeste.
#pragma once

#include <functional>
#include <vector>

#include "model/Document.h"
#include "model/Draw.h"
#include "model/DrawMesure.h"
#include "views/EditNet.h"
#include "model/UiPort.h"

namespace Gestes {

// Tool codes of a gesture.
enum TOutil : int {
    otAucun = 0,
    otZoom = 1,           // zoom box
    otPan = 2,
    otMesureMetre = 3,
    otCoteMetre = 4,
    otMesureRayon = 5,
    otCoteRayon = 6,
    otMesureAngle = 7,
    otCoteAngle = 8,
    otSupprLnCol = 9,     // delete a row or column
    otAjoutLnCol = 10,    // insert a row or column
    otSelectNet = 11,     // Ctrl: the whole net
    otDeplacePC = 12,     // pick and drag points
    otDeselect = 13,      // Shift: unselect one point
    otEffaceSel = 14,     // clear the selection, then rubber band
    otZone = 15,          // rubber-band selection
    otSegment = 16,       // net segment under the cursor
    otDeplBase = 18,      // move a surface by its frame origin
    otRotBase = 19,       // turn a surface by a frame axis end
    otOrientation = 20,   // flip the orientation
    otPoids = 21,         // new weight
    otRepere = 22,        // new reference mark
};

// The menu items that arm a tool or constrain a drag.
enum class TItem : int {
    MeZoom,
    MeDeplacerVue,
    MeAjoutRepere,
    MeMesureMetre,
    MeMesureCercle,
    MeMesureAngle,
    MeCotMetre,
    MeCotRayon,
    MeCotAngle,
    MeAjoutPoids,
    MeAjouterVx,
    MeSupprimerVx,
    MeDeplHori,
    MeDeplVert,
    MeDeplHoriProp,
    MeDeplVertProp,
};
constexpr int kNbItems = 16;
// The item's component name ("MeZoom" ...).
const char* NomItem(TItem item);

// Mouse buttons.
enum TBouton : int { btGauche = 0, btDroit = 1, btMilieu = 2 };

// Half-size of the square in which a click picks a point (pixels).
constexpr int kTolerance = 3;

}  // namespace Gestes

// The gesture in progress in one view, and the measures being taken.
struct TGeste {
    int Outil = Gestes::otAucun;
    int Bouton = Gestes::btGauche;
    bool BoutonBas = false;
    TPoint A;        // follows the gesture
    TPoint B;        // where the button went down
    TPoint Courant;  // mouse point of rubber bands, pans and the cross-hair
    TPoint Delta;    // accumulated drag, pixels
    // Set on activation and at every press; the first move of a drag
    // records the undo snapshot and snaps the picked point to the cursor.
    bool PremierMouvement = false;
    bool Deplace = false;                 // a point drag moved something
    bool BoiteZoom = false;
    bool BoiteProportionnelle = false;    // the band has the window's proportions
    bool BandeTracee = false;             // a rubber band is on the picture
    TPoint Coin1, Coin2;                  // rubber-band corners
    TListPC ListeDeplace;                 // dragged points with their welded partners
    TMesure Mesure;                       // distance or radius being measured
    TMesure MesureAngle{TMesure::gAngle}; // angle being measured
    bool MesureAngleEnCours = false;      // its second leg is awaited
};

// What the gestures work on in one view. The view window builds it on the
// fly from its own fields.
struct TVueEdit {
    TViewRecord& Vue;
    TTabCoor& Tab;
    TListPC& Selection;
    TGeste& Geste;
    int& PrecOrigX;  // the previous view
    int& PrecOrigY;
    double& PrecEchelle;
    int Largeur = 0;  // client size in pixels
    int Hauteur = 0;
    int Kind() const { return Vue.Kind; }
};

// What the gestures ask of the program around the view.
class IHoteGeste {
public:
    virtual ~IHoteGeste() = default;
    // Whether a tool or constraint item is ticked.
    virtual bool Coche(Gestes::TItem /*item*/) const { return false; }
    // Turns a ticked item off as its own command does (tick, palette
    // button, cursor, prompt); nothing when it is not ticked.
    virtual void Desarme(Gestes::TItem /*item*/) {}
    // Redraws the view (every view with the option "MultiFen").
    virtual void Redessine() {}
    // Draws feedback straight onto the view's picture with the given pen
    // mode cell (rubber bands, cross-hair, measures).
    virtual void Dessine(std::uint8_t /*penMode*/, const std::function<void(const TViewRecord&)>& /*f*/) {}
    virtual TCouleursDessin Couleurs() const { return {}; }
    // Status panel 2 for the mouse at this pixel.
    virtual void Coordonnees(TPoint /*pixel*/) {}
    // The control-point editor selects / shows the current point.
    virtual void EditeurSelPoint() {}
    virtual void EditeurAffichePoint() {}
    // The new-weight and new-mark dialogs, opened at a pixel with a model point.
    virtual void NouveauPoids(TPoint /*pixel*/, TVertex3f /*p*/) {}
    virtual void NouveauRepere(TPoint /*pixel*/, TVertex3f /*p*/) {}
    // The four views back to their default cursor.
    virtual void CurseurDefaut() {}
    // The view-control window follows the view.
    virtual void MajControleVue() {}
    // Refresh the open auxiliary windows (editor, lists).
    virtual void MajFenetresPC() {}
    // Every 2-D view, for the renumbering of selections when a net changes
    // size (the view of the gesture included).
    virtual std::vector<EditNet::TVueSel> Vues() { return {}; }
};

namespace Gestes {

// The model displacement of a pixel delta in a view of the given kind and
// scale: section (dx, 0, -dy)/s, plan (dy, dx, 0)/s, profile (0, dx, -dy)/s;
// nothing in the perspective.
TVertex3f DeltaModele(int kind, double scale, int dx, int dy);

// One gesture step in a view; built for each event.
class TGestes {
public:
    TGestes(Document& doc, TVueEdit& vue, IHoteGeste& hote) : doc_(doc), v_(vue), g_(vue.Geste), h_(hote) {}

    // The three events. Keys are those held at the event.
    void MouseDown(int bouton, const Ui::KeyState& k, TPoint p);
    void MouseMove(const Ui::KeyState& k, TPoint p);
    void MouseUp(int bouton, const Ui::KeyState& k, TPoint p);

    // The tool a press chooses.
    int SelAction(int bouton, const Ui::KeyState& k, TPoint p);

    // Hit tests; each true on a hit.
    // A control point of a visible, unlocked net, not inactive, within 3
    // pixels; it becomes the current point.
    bool EstCeUnPC(TPoint p);
    // A frame handle (while frames are shown): the origin or an axis end; it
    // becomes the current frame handle (the origin also makes [0][0] current).
    bool EstCeUneBaseNet(TPoint p);
    // The tip of a surface's orientation mark.
    bool EstCeVectOrient(TPoint p);
    // A segment of a net; its row or column goes to status panel 3.
    bool EstCeUnNet(TPoint p);

    // Where a row (section view) or a column (plan, profile) goes: the
    // current point moves to the row (column) before which it is inserted.
    void SelectLnInser(TPoint p);
    void SelectColInser(TPoint p);

    // Drag of the selected points to the mouse point.
    void VertexMove(TPoint p);
    // One control point moved by a pixel delta of the view.
    void DeplacePC(const TPC& pc, int dx, int dy);
    // The surface of the current frame handle moved by a pixel delta.
    void BasePtMove(int dx, int dy);
    // The surface of the current frame handle turned towards the mouse.
    void BasePtRot(TPoint m);

    // The model point under a pixel (off-view coordinate `hors`).
    TVertex3f PointModele(TPoint p, double hors = 0.0) const;

private:
    void Presse(const Ui::KeyState& k, TPoint p);
    void PresseMesure(TPoint p);
    void PresseSuppression();
    void PresseInsertion(TPoint p);
    void PressePoint(const Ui::KeyState& k);
    void BougeMesure(TPoint p);
    void RelacheMesure(const Ui::KeyState& k, TPoint p);
    void RelachePoint(const Ui::KeyState& k);
    void DrawBarresCurs(TPoint p);
    void DrawZoneControle(TPoint m);
    void EffaceBande();
    void SauvePrec();
    bool PixelPC(const TPC& pc, TPoint& px) const;
    void Retire(TItem item) { h_.Desarme(item); }
    TColor CouleurMesure() const { return h_.Couleurs().Mesure; }

    Document& doc_;
    TVueEdit& v_;
    TGeste& g_;
    IHoteGeste& h_;
};

}  // namespace Gestes
