// One frame of the studio: every visible surface lit, with its materials,
// transparency and curvature colours, the cut lines, nets, normals, marks,
// the lights with their lamps, the axes and the water plane, drawn with
// OpenGL into the current context from the document as it stands.
//
// The surfaces' grids go to OpenGL as vertex arrays (points, normals and
// curvature colours straight from the evaluated grids, indices built once
// per grid size); the immediate-mode loop, one call per vertex, draws the
// same picture and is kept for comparison.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Document.h"
#include "model/Draw.h"
#include "studio/Lumieres.h"
#include "studio/Studio.h"

struct TStudioScene {
    Document* Doc = nullptr;
    TCouleursDessin Couleurs;
    bool NetVxStudio = false;        // control nets drawn in the studio
    double TailleReperes = 0.02;     // size of the mark spheres
    double PolyFactor = 1.0, PolyUnits = 1.0;
    Studio::TAffStudio Aff;
    Studio::TVueStudio Vue;
    const TglLightList* Lumieres = nullptr;
    const TglAxes* Axes = nullptr;
};

class TStudioRendu {
public:
    // Vertex arrays (true) or the per-vertex loop.
    bool TableauxSommets = true;
    // The frame: the model-view transform of the studio's view, axes, lights,
    // hull and water plane. The view has set its state and projection.
    void Frame(TStudioScene& s);

private:
    void DrawCarene(TStudioScene& s);
    void DrawOneSurf(TStudioScene& s, const TEntity& e);
    void TraceOneSurf(TStudioScene& s, const TEntity& e);
    void TraceOneSurfContours(TStudioScene& s, const TEntity& e);
    void Bandes(const TEntity& e, const TArrayVertex3f& p, const TArrayVertex3f& n, const std::uint32_t* couleurs);
    void DrawArray(TStudioScene& s, const TEntity& e);
    static void Lumiere(const TglLight& l);
    static void Axes(const TglAxes& a, const std::array<TVertex3f, 6>& ext);

    std::vector<std::uint32_t> indices_;
    int idxR_ = -1, idxC_ = -1, idxCols_ = -1;
    std::vector<std::uint32_t> couleursSym_;  // the curvature colours in the mirror's row order
};
