// The result grids and charts of the calculation windows.
//
// A result grid is a two-or-more-column string grid whose rows are either a
// title (its value columns empty: drawn bold on silver) or a label with its
// values. Ctrl+C copies the header and the selected rows as tab-separated
// lines, each ended by a carriage return. The grid saves itself as such
// lines to a text file and prints itself as a ruled table under a title.
//
// A result chart is a chart view whose rubber band zooms into the area
// drawn; ZoomArriere undoes the zoom. It prints itself on one page. Its
// value axes can be graduated on round values, and a line drawn at Y = 0.
#pragma once

#include <QChartView>
#include <QStyle>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <string>
#include <vector>

#include "calc/Hydrostat.h"
#include "views/Saisie.h"

class QLineEdit;
class QPrinter;
class QToolButton;
class QValueAxis;

class TGrilleResultats : public QTableWidget {
    Q_OBJECT
public:
    explicit TGrilleResultats(int colonnes, QWidget* parent = nullptr);

    // No row, cell (0, 0) empty.
    void Vide();
    // Appends a title row, or a label and value row (value "%.<digits>f").
    // The first row of an emptied grid is filled in place.
    void AjouteTitre(const QString& titre);
    void AjouteLigne(const QString& libelle, int decimales, double valeur);
    void AjouteLignes(const std::vector<Hydrostat::TLigneResultat>& lignes);
    // A row is a title when its cells after the first are empty.
    bool EstTitre(int ligne) const;
    QString Texte(int ligne, int colonne) const;
    // The grid has a header once it is set visible, shown or not.
    bool AEntete() const;

    // The header (when the grid has one) and the rows asked, as
    // tab-separated lines ended by "\r"; the selected rows by default.
    QString TexteCopie(bool toutesLignes = false) const;
    // Every row as "cell<TAB>cell" lines (header first when there is one),
    // written as a text file; false with a message when it cannot be.
    bool Enregistre(const QString& fichier) const;
    // Prints the grid as a table under the title, as many pages as needed,
    // each opening with the title and the header; every cell whole, the
    // font made smaller where the columns would not fit across the page.
    void Imprime(QPrinter& printer, const QString& titre) const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class TGrapheResultats : public QChartView {
    Q_OBJECT
public:
    explicit TGrapheResultats(QWidget* parent = nullptr);
    void ZoomArriere();
    // The chart filling one page, in the printer's orientation.
    void Imprime(QPrinter& printer);
    // Every value axis of the chart graduated as GrilleResultats::Gradue does.
    void Graduations();
    // A line across the plot area at Y = 0, whatever the zoom.
    void setLigneZero(bool oui);
    bool LigneZero() const { return ligneZero_; }
    // Names written above points of the curve: each whole, moved along
    // the plot area's edge rather than cut by it.
    struct TEtiquette {
        QPointF Point;
        QString Texte;
    };
    void setEtiquettes(std::vector<TEtiquette> e);

protected:
    void drawForeground(QPainter* p, const QRectF& zone) override;

private:
    // The view and its chart resized and laid out at once.
    void Dimensionne(const QSize& taille);
    bool ligneZero_ = false;
    std::vector<TEtiquette> etiquettes_;
};

namespace GrilleResultats {
// "%.<decimales>f" with a "." whatever the locale.
QString Nombre(double v, int decimales);
// The save (or open) dialog with a filter of the text table and a default
// extension; empty when cancelled.
QString DemandeFichier(QWidget* parent, const char* cleFiltre, const char* extension, bool enregistrer);
// The save dialog of the result windows (text files).
inline QString DemandeFichierTexte(QWidget* parent) { return DemandeFichier(parent, "rsTXTFilter", "txt", true); }
// A tool button of the result windows: its name, its hint's key, its icon.
QToolButton* Outil(QWidget* parent, const char* nom, const char* hint, QStyle::StandardPixmap icone);
// The rows of a grid's cells (columns premiere..derniere) as texts.
std::vector<std::vector<std::string>> Cellules(const QTableWidget* g, int premiere, int derniere);
// Writes the texts into a row of a grid from column premiere (the grid grows as needed).
void EcritLigne(QTableWidget* g, int ligne, int premiere, const std::vector<std::string>& textes);
// Numbers column 0 of every row from `depuis`.
void Numerote(QTableWidget* g, int depuis);
// Selects the cell and says why it was refused, not a number or a number
// outside the domain, naming its column by the grid's header (shown or not).
void SignaleCellule(QTableWidget* g, int ligne, int colonne, Saisie::TDomaine d = Saisie::dLibre);
// A finite number read from the field ("," read as "."); otherwise false, v
// left, and unless the field is empty a message says it is not a number.
bool LitReel(QLineEdit* e, double& v);
// The axis graduated on a round step (Graduation::Pas): its range widened to
// the multiples of the step, one tick on each, kept so whenever the range
// changes (a zoom); labels with the step's decimals, or with `decimales`.
void Gradue(QValueAxis* axe, int decimales = -1);
}  // namespace GrilleResultats
