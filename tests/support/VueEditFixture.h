// One or four 2-D views without a window, for the tests of the mouse tools,
// the selection and the net editing: each view's record, table of projected
// control points, selection and gesture state, and a host that records
// what the gestures ask of the program.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "model/Document.h"
#include "views/DrawAffiche.h"
#include "views/Gestes.h"
#include "model/Undo.h"

namespace testvue {

// The record of a view of a kind, as a new window of 800 x 600 has it.
inline TViewRecord Record(int kind, int w = 800, int h = 600) {
    TViewRecord r;
    r.Kind = static_cast<std::uint8_t>(kind);
    r.OriginX = w / 2;
    r.OriginY = h / 2;
    switch (kind) {
        case vkSection: r.Scale = 100.0f; r.Azimuth = 4.712389f; r.Elevation = 0.0f; break;
        case vkPlan: r.Scale = 50.0f; r.Azimuth = 0.0f; r.Elevation = 1.5707964f; break;
        case vkProfile: r.Scale = 50.0f; r.Azimuth = 0.0f; r.Elevation = 0.0f; break;
        default: r.Scale = 50.0f; r.Azimuth = -2.3561945f; r.Elevation = 0.5235988f; break;
    }
    return r;
}

struct Vue {
    explicit Vue(int kind, int w = 800, int h = 600) : rec(Record(kind, w, h)), largeur(w), hauteur(h) {}
    TViewRecord rec;
    std::unique_ptr<TTabCoor> tab = std::make_unique<TTabCoor>();
    TListPC sel;
    TGeste geste;
    int precX = 0, precY = 0;
    double precS = 0.0;
    int largeur, hauteur;

    TVueEdit Edit() { return TVueEdit{rec, *tab, sel, geste, precX, precY, precS, largeur, hauteur}; }
    void Maj(const Document& doc) { Affiche::MajTabCoor(doc, *tab, rec); }
    // The pixel of a control point as the table holds it.
    TPoint Pixel(const TPC& pc) const {
        const TCellPC& c = tab->At(pc.Surf, pc.I, pc.J);
        return {c.X, c.Y};
    }
    EditNet::TVueSel Sel() { return {&sel, tab.get(), &rec}; }
};

// The program around the views: ticks of the tools, what was turned off,
// redraws (which rebuild the tables as the real redraw does), feedback drawn.
struct Hote : IHoteGeste {
    Document* doc = nullptr;
    std::vector<Vue*> vues;  // the view of the gesture first
    std::set<Gestes::TItem> coches;
    std::vector<Gestes::TItem> desarmes;
    TRecordingCanvas canvas{800, 600};

    bool Coche(Gestes::TItem i) const override { return coches.count(i) != 0; }
    void Desarme(Gestes::TItem i) override {
        if (coches.erase(i)) desarmes.push_back(i);
    }
    void Redessine() override {
        for (Vue* v : vues) v->Maj(*doc);
    }
    void Dessine(std::uint8_t penMode, const std::function<void(const TViewRecord&)>& f) override {
        TViewRecord r = vues.front()->rec;
        r.Canvas = &canvas;
        r.PenMode = penMode;
        f(r);
    }
    void EditeurSelPoint() override {}
    void NouveauPoids(TPoint, TVertex3f) override {}
    void NouveauRepere(TPoint, TVertex3f) override {}
    void CurseurDefaut() override {}
    void MajControleVue() override {}
    void MajFenetresPC() override {}
    std::vector<EditNet::TVueSel> Vues() override {
        std::vector<EditNet::TVueSel> r;
        for (Vue* v : vues) r.push_back(v->Sel());
        return r;
    }
};

// A press, moves and a release of the left button in a view.
struct Souris {
    Document& doc;
    Vue& vue;
    Hote& hote;
    Ui::KeyState touches{};

    void Run(const std::function<void(Gestes::TGestes&)>& f) {
        TVueEdit e = vue.Edit();
        Gestes::TGestes g(doc, e, hote);
        f(g);
    }
    void Down(TPoint p, int bouton = Gestes::btGauche) { Run([&](Gestes::TGestes& g) { g.MouseDown(bouton, touches, p); }); }
    void Move(TPoint p) { Run([&](Gestes::TGestes& g) { g.MouseMove(touches, p); }); }
    void Up(TPoint p, int bouton = Gestes::btGauche) { Run([&](Gestes::TGestes& g) { g.MouseUp(bouton, touches, p); }); }
    void Drag(TPoint a, std::initializer_list<TPoint> moves) {
        Down(a);
        TPoint last = a;
        for (TPoint m : moves) {
            Move(m);
            last = m;
        }
        Up(last);
    }
};

// A NURBS surface whose net is a flat grid: point [i][j] at
// (x0 + i * dx, y0 + j * dy, z), weight 1.
inline TSurface* Plaque(Document& doc, int rows, int cols, double x0 = 0.5, double dx = 0.5, double y0 = 0.0,
                        double dy = 1.0, double z = 0.0) {
    TSurface* s = doc.NouvelleSurface("Grille");
    if (!s) return nullptr;
    s->Net.NbL = rows;
    s->Net.NbC = cols;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) s->Net.TabPC[i][j] = {x0 + i * dx, y0 + j * dy, z, 1.0};
    s->Calculee = 0;
    return s;
}

inline TVertex3f Xyz(const TVertex4f& p) { return {p.X, p.Y, p.Z}; }

}  // namespace testvue
