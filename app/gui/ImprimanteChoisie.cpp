#include "app/gui/ImprimanteChoisie.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/ChoixFichier.h"
#include "app/gui/Settings.h"

namespace ImprimanteChoisie {

namespace {

struct TDrapeau {
    TPapier Papier;
    const char* Cle;
    bool Defaut;
};
// In the order the set-up reads them: a later flag wins.
constexpr TDrapeau kDrapeaux[] = {{TPapier::A3, "TPA3", false},
                                  {TPapier::A4, "TPA4", true},
                                  {TPapier::A5, "TPA5", false},
                                  {TPapier::LetterUS, "TPLetterUS", false},
                                  {TPapier::Perso, "TPPerso", false}};

}  // namespace

std::function<QString(QWidget*)> FichierPdf = [](QWidget* parent) {
    return ChoixFichier::Enregistrer(parent, Langue::QTxt("rsImprimer"), QStringLiteral("PDF (*.pdf)"),
                                     QStringLiteral("pdf"));
};

TChoix Lit() {
    auto s = Settings::Ouvrir();
    s->beginGroup(QStringLiteral("Printer"));
    TChoix c;
    c.Horz = s->value(QStringLiteral("ImpPhyHorzSize"), 210).toInt();
    c.Vert = s->value(QStringLiteral("ImpPhyVertSize"), 297).toInt();
    c.Papier = TPapier::Perso;
    for (const TDrapeau& d : kDrapeaux)
        if (s->value(QLatin1String(d.Cle), d.Defaut).toBool()) c.Papier = d.Papier;
    return c;
}

void Ecrit(const TChoix& c) {
    auto s = Settings::Ouvrir();
    s->remove(QStringLiteral("Printer"));
    s->beginGroup(QStringLiteral("Printer"));
    s->setValue(QStringLiteral("ImpPhyHorzSize"), c.Horz);
    s->setValue(QStringLiteral("ImpPhyVertSize"), c.Vert);
    for (const TDrapeau& d : kDrapeaux) s->setValue(QLatin1String(d.Cle), c.Papier == d.Papier);
}

bool Page(const TChoix& c, QPageSize& page) {
    switch (c.Papier) {
        case TPapier::A3: page = QPageSize(QPageSize::A3); return true;
        case TPapier::A4: page = QPageSize(QPageSize::A4); return true;
        case TPapier::A5: page = QPageSize(QPageSize::A5); return true;
        case TPapier::LetterUS: page = QPageSize(QPageSize::Letter); return true;
        case TPapier::Perso: break;
    }
    if (c.Horz <= 0 || c.Vert <= 0) return false;
    // The exact size: a custom paper a millimetre away from a standard one stays as typed.
    page = QPageSize(QSizeF(std::min(c.Horz, c.Vert), std::max(c.Horz, c.Vert)), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
    return true;
}

void Pose(QPrinter& p, const TChoix& c) {
    QPageSize page;
    if (Page(c, page)) p.setPageSize(page);
    p.setPageOrientation(c.Paysage() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool Prepare(QWidget* parent, QPrinter& p) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        Pose(p, Lit());
        const QString f = FichierPdf(parent);
        if (f.isEmpty()) return false;
        p.setOutputFileName(f);
        return true;
    }
    Pose(p, Lit());
    QPrintDialog d(&p, parent);
    return d.exec() == QDialog::Accepted;
}

void Imprime(QWidget* parent, const std::function<void(QPrinter&)>& print) {
    QPrinter p(QPrinter::HighResolution);
    if (Prepare(parent, p)) print(p);
}

}  // namespace ImprimanteChoisie
