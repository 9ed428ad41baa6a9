// Documents and outside readers for the tests of the exports.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "export/ExportCommun.h"
#include "model/Document.h"
#include "model/Draw.h"
#include "model/Update.h"

namespace fixtures {

// The standard output of a command (and its exit status).
inline std::string Sortie(const std::string& commande, int* statut = nullptr) {
    std::string r;
    FILE* f = ::popen(commande.c_str(), "r");
    if (!f) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) r.append(buf, n);
    const int st = ::pclose(f);
    if (statut) *statut = st;
    return r;
}

// A symmetric NURBS surface on a net of rows x cols whose point (i, j) is
// f(i, j) (x, y, z, w), with the given orders, appended to the document.
template <class F>
TSurface* SurfaceNurbs(Document& doc, const std::string& nom, int rows, int cols, int lflex, int cflex, F&& f) {
    TSurface* s = doc.NouvelleSurface(nom);
    s->Net.NbL = rows;
    s->Net.NbC = cols;
    s->Net.LFlex = lflex;
    s->Net.CFlex = cflex;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) s->Net.TabPC[i][j] = f(i, j);
    s->Calculee = 0;
    return s;
}

// The default hull with the default reference lines (every family has
// lines), evaluated, with a second surface that is a mesh of one row.
inline Document CoqueAvecGrille() {
    Document doc = Document::Defaut();
    auto m = std::make_unique<TDXFSurface>(0, 1, 5, doc.DefGrille);
    for (int j = 0; j < 5; ++j) m->Points[0][j] = {0.1 * j, 1.0 + j, -0.2};
    m->SetNom("Quille 'A'");
    m->Sym = 0;
    m->Calculee = 0;
    doc.AjouteSurface(std::move(m));
    Grille::GrilleParDefaut(doc);
    return doc;
}

// Every box of the dialog ticked.
inline TOptionsExport ToutCoche() {
    TOptionsExport o;
    o.Aretes = o.Couples = o.LignesE = o.Longits = o.Diags = o.SurfParam = o.Grille = o.Axes = true;
    o.Nurbs = o.Couleur = true;
    return o;
}

// Neither origin nor scale applies to an export.
inline TViewRecord Vue(std::uint8_t kind, float azimut = 0.0f, float elevation = 0.0f) {
    return {.Kind = kind, .OriginX = 321, .Scale = 77.0f, .Azimuth = azimut, .Elevation = elevation};
}

}  // namespace fixtures
