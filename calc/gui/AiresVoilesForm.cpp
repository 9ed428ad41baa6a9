#include "calc/gui/AiresVoilesForm.h"

#include "app/gui/AppliqueLangue.h"
#include "base/Langue.h"
#include "calc/TableAires.h"
#include "calc/gui/GrilleResultats.h"

TAiresVoilesForm::TAiresVoilesForm(Document& doc, QWidget* parent) : TAireForm(doc, parent, 5) {
    setObjectName(QStringLiteral("AiresVoilesForm"));
    QStringList t;
    for (const char* cle : {"rsNomSurface", "rsValeur", "rsX", "rsY", "rsZ"}) t << Langue::QTxt(cle);
    GrilleAires->setHorizontalHeaderLabels(t);
    Langue::AppliqueLangue(this);
    setWindowTitle(Langue::QTxt("rsAiresVoilesFormCaption"));
}

void TAiresVoilesForm::Remplit() {
    const auto voiles = TableAires::Voiles(doc_);
    GrilleAires->setRowCount(0);
    auto f = [](double v) { return GrilleResultats::Nombre(v, 3).toStdString(); };
    for (std::size_t i = 0; i < voiles.size(); ++i) {
        const auto& v = voiles[i];
        const std::string nom = i + 1 == voiles.size() ? Langue::Txt("rsAireTotale") : v.Nom;
        GrilleResultats::EcritLigne(GrilleAires, static_cast<int>(i), 0,
                                    {nom, f(v.Aire), f(v.Centre.X), f(v.Centre.Y), f(v.Centre.Z)});
    }
}
