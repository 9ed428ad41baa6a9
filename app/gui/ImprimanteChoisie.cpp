#include "app/gui/ImprimanteChoisie.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <algorithm>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/ChoixFichier.h"
#include "app/gui/Settings.h"

namespace ImprimanteChoisie {

namespace {

struct TDrapeau {
    TPapier Papier;
    const char* Cle;
    bool Defaut;
    QPageSize::PageSizeId Id;  // Custom: the size as typed
};
// In the order the set-up reads them: a later flag wins.
constexpr TDrapeau kDrapeaux[] = {{TPapier::A3, "TPA3", false, QPageSize::A3},
                                  {TPapier::A4, "TPA4", true, QPageSize::A4},
                                  {TPapier::A5, "TPA5", false, QPageSize::A5},
                                  {TPapier::LetterUS, "TPLetterUS", false, QPageSize::Letter},
                                  {TPapier::Perso, "TPPerso", false, QPageSize::Custom}};

// The paper in portrait; false for a custom size that is no size.
bool Page(const TChoix& c, QPageSize& page) {
    for (const TDrapeau& d : kDrapeaux)
        if (d.Papier == c.Papier && d.Id != QPageSize::Custom) {
            page = QPageSize(d.Id);
            return true;
        }
    if (c.Horz <= 0 || c.Vert <= 0) return false;
    // The exact size: a custom paper a millimetre away from a standard one stays as typed.
    page = QPageSize(QSizeF(std::min(c.Horz, c.Vert), std::max(c.Horz, c.Vert)), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
    return true;
}

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

TPapier PapierDe(const QPageSize& page) {
    for (const TDrapeau& d : kDrapeaux)
        if (d.Id != QPageSize::Custom && d.Id == page.id()) return d.Papier;
    return TPapier::Perso;
}

void Pose(QPrinter& p, const TChoix& c) {
    QPageSize page;
    if (Page(c, page)) p.setPageSize(page);
    p.setPageOrientation(c.Paysage() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void Imprime(QWidget* parent, const std::function<void(QPrinter&)>& print) {
    QPrinter p(QPrinter::HighResolution);
    const bool pdf = QPrinterInfo::availablePrinterNames().isEmpty();
    if (pdf) p.setOutputFormat(QPrinter::PdfFormat);
    Pose(p, Lit());
    if (pdf) {
        const QString f = FichierPdf(parent);
        if (f.isEmpty()) return;
        p.setOutputFileName(f);
    } else {
        QPrintDialog d(&p, parent);
        if (d.exec() != QDialog::Accepted) return;
    }
    print(p);
}

}  // namespace ImprimanteChoisie
