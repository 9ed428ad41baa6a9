// The paper chosen in the print set-up (settings section "Printer": its
// size in millimetres after orientation and which paper it is), and the
// printer that every table and chart printout starts from: that paper in
// that orientation; then the print dialog where a printer is installed (the
// paper and orientation confirmed there are printed on), otherwise a PDF
// file on the chosen paper.
#pragma once

#include <QPageSize>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace ImprimanteChoisie {

enum class TPapier { A3, A4, A5, LetterUS, Perso };

struct TChoix {
    TPapier Papier = TPapier::A4;
    int Horz = 210, Vert = 297;  // ImpPhyHorzSize, ImpPhyVertSize
    bool Paysage() const { return Horz > Vert; }
};

// The section "Printer" as the print set-up left it (A4 portrait when there
// is none); of several papers flagged, the last of A3, A4, A5, Letter US and
// custom, none flagged reading as custom.
TChoix Lit();
// The whole section "Printer": the sizes and one flag per paper.
void Ecrit(const TChoix& c);

// The paper a page size is: a standard one by its name, otherwise custom.
TPapier PapierDe(const QPageSize& page);
// The printer's page := the paper, in its orientation: a standard paper by
// its name, a custom one exactly as typed (none when it is no size).
void Pose(QPrinter& p, const TChoix& c);

// A printer on the chosen paper, then the print dialog, or the PDF file's
// name when no printer is installed; then print on it unless cancelled.
void Imprime(QWidget* parent, const std::function<void(QPrinter&)>& print);

// Where a print goes when no printer is installed (empty: cancelled): the
// save dialog; tests replace it.
extern std::function<QString(QWidget* parent)> FichierPdf;

}  // namespace ImprimanteChoisie
