// The hull the drawing benchmarks share: ten default hulls side by side in
// two rows, each a little different, evaluated at precision 50 with their
// stations and waterlines, and a view host over the document.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include <string>

#include "model/Draw.h"
#include "model/Update.h"
#include "views/gui/Vues.h"

namespace bench {

struct Hote : IVueHote {
    Document doc;
    TOptionsDessin options;
    Document& Doc() override { return doc; }
    const TOptionsDessin& OptionsDessin() const override { return options; }
};

inline void Coque(Document& doc) {
    doc.Precision = 50;
    for (int k = 0; k < 10; ++k) {
        TSurface* s = doc.NouvelleSurface("Surface" + std::to_string(k + 1));
        s->Net.Initialise(0);
        TMatrice m = Matrice::Identity();
        Matrice::MatHomothetie3D({1.0 + 0.05 * k, 1.0, 1.0 + 0.03 * k}, {0, 0, 0}, m);
        s->Transformation(m);
        Matrice::MatTranslation({0.0, 6.5 * (k % 5), 1.5 * (k / 5)}, m);
        s->Transformation(m);
    }
    doc.Aff.MeCarene = true;
    doc.Aff.MeNet = true;
    doc.Aff.MeSections = true;
    doc.Aff.MeLignesdEau = true;
    ObjCom::MajSurface(doc, true, -1);
    ObjCom::MajMinMaxAllNet(doc, false);
    Grille::GrilleParDefaut(doc);
    ObjCom::MajCoupesSurface(doc);
}

// Runs the registered benchmarks inside a QApplication (offscreen unless a
// platform is named), as the views need one.
inline int RunWithQApplication(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
