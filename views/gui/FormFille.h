// The base of the four 2-D drawing views (section, plan, profile,
// perspective): the projection state, the tables of projected control
// points that serve both drawing and picking, the view's own selection, the
// background picture and the state of the mouse gesture in progress.
//
// A view draws into its picture in memory and copies it to the window in
// one step when Qt asks it to paint; nothing else draws on the window.
// Rubber bands and the cross-hair are exclusive-or figures drawn on the
// picture (Elastique), twice to erase.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "model/Document.h"
#include "model/Draw.h"
#include "model/DrawMesure.h"
#include "views/Gestes.h"
#include "views/gui/VueHote.h"

class QMenu;

class TFormFille : public QWidget {
    Q_OBJECT

public:
    TFormFille(int kind, IVueHote* hote, QWidget* parent = nullptr);
    ~TFormFille() override;

    int Kind() const { return kind_; }
    IVueHote* Hote() const { return hote_; }

    // The view record: kind, pen mode, origin, scale, angles. Its canvas
    // cell is filled only while the view draws.
    TViewRecord& Vue() { return vue_; }
    const TViewRecord& Vue() const { return vue_; }
    // The angles in whole degrees (kept with the perspective view).
    int Angle1 = 0;
    int Angle2 = 0;

    // Pixels of the control points (and their mirror images) as last drawn.
    TTabCoor& TabCoor() { return *tab_; }
    const TTabCoor& TabCoor() const { return *tab_; }
    // Rebuilds them for every NURBS surface of the document.
    void MajTabCoor();

    // The picture in memory the view draws into.
    const QImage& Image() const { return image_; }

    // Draws the whole view into its picture and asks Qt to show it.
    // Affiche::AfficheNet decides when (drawing switch, other views).
    void Redessine();
    // Draws on the picture with the given pen mode cell and shows it at
    // once: the rubber bands (exclusive-or, drawn twice to erase).
    void Elastique(std::uint8_t penMode, const std::function<void(const TViewRecord&)>& dessin);

    // The model point under a pixel; hors is the coordinate along the line
    // of sight. The perspective gives (0, 0, 0); another kind shows
    // "Fenetre fille non declaree" and leaves the point at zero.
    bool CalculePt3DInv(QPoint pixel, double hors, TVertex3f& p) const;

    // The text of status panel 2 for the mouse at this pixel ("" in the perspective).
    std::string TexteCoordonnees(QPoint pixel) const;

    // The origin follows a change of the window's size, in proportion; the
    // scale does not change.
    void FResize();
    // This view becomes the active one.
    virtual void Activer();
    // Double click: the control-point editor when there is a surface.
    void DblClick();

    // Saved before every zoom, pan or fit: the previous view.
    int PrecOrigX = 0, PrecOrigY = 0;
    double PrecEchelle = 0.0;
    int PrecLargeur = 0, PrecHauteur = 0;  // client size before the last resize
    TListPC Selection;              // this view's selected control points
    // Background picture: the record from the document, the picture loaded
    // and the picture stretched to the window.
    TFondFichier Fond;
    QImage BitMFond;
    QImage BitMFondEtiree;
    bool FondCharge = false;
    // Loads the picture of Fond and stretches it. A missing or unreadable
    // file leaves no picture, silently; one too large to build is named in
    // the status bar.
    void ChargeFond();
    // The stretched bitmap again from the loaded picture (after a resize).
    void StretchFondFichier();
    // The mouse gesture in progress with its measures (the mouse tools fill it).
    TGeste Geste;

    // Whether the window holding the view is minimised.
    bool EstMinimise() const;

    // Adds an entry calling a command of the host to a pop-up menu: `nom` is
    // its component name, `cle` the key of its caption; disabled when the
    // host does not offer the command.
    void AjouteCommande(QMenu& menu, const char* nom, const char* cle, TCommandeVue c);
    // The entries of the view's pop-up menu.
    virtual void RemplirMenu(QMenu& menu) = 0;
    // The pop-up menu built again (the texts and the commands offered as they
    // stand); the view keeps it, so that its entries are listed with the
    // view's other texts.
    QMenu* ConstruitMenu();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

    // The mouse tools of the views (views/MouseVue.h).
    virtual void MouseDown(QMouseEvent* e);
    virtual void MouseUp(QMouseEvent* e);
    virtual void MouseMove(QMouseEvent* e);

private:
    void Rendu();

    int kind_;
    IVueHote* hote_;
    TViewRecord vue_;
    std::unique_ptr<TTabCoor> tab_;
    QImage image_;
    bool aJour_ = false;
    int molette_ = 0;
    QMenu* menu_ = nullptr;
};
