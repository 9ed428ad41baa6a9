// The external hull-analysis window ("Vellamor"): the chosen surfaces and
// three parameters go to a configuration file, the analysis program named in
// the settings runs on it without holding the window, its standard output
// fills "Sortie" and the results it leaves in "out.mlt" fill the chart.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "app/Vellamor.h"

class Document;
class QCheckBox;
class QLineEdit;
class QLineSeries;
class QListWidget;
class QPlainTextEdit;
class QProcess;
class QPushButton;
class QRadioButton;
class QTabWidget;

class TVellamorForm : public QDialog {
    Q_OBJECT
public:
    TVellamorForm(Document& doc, QWidget* parent = nullptr);
    ~TVellamorForm() override;

    // The surface lists from the document (the chosen ones that still exist stay chosen).
    void Charge();
    // Checks the fields, writes the configuration file and starts the program.
    void Lancer();
    bool EnCours() const;
    // The folder of the configuration file and of "out.mlt": the document's
    // folder, or the current folder while it is untitled.
    QString Dossier() const;
    // The configuration as the fields give it, and back.
    Vellamor::TConfig Config() const;
    void AppliqueConfig(const Vellamor::TConfig& c);
    // "Résultat": the chart from "out.mlt", or its text in "Sortie".
    void LitGraphique();
    void LitSortie();

    // The file dialogs of "Enregistrer..." and "Charger..." (tests answer them).
    std::function<QString(bool enregistrer)> ChoixFichier;

    QTabWidget* Pages = nullptr;
    QRadioButton* RBSymetrique = nullptr;
    QRadioButton* RBAsymetrique = nullptr;
    QListWidget* LBSurfaces = nullptr;
    QListWidget* LBChoisies = nullptr;
    QLineEdit* Parametres[3] = {};
    QCheckBox* CBSupprimerSortie = nullptr;
    QPushButton* BtnLancer = nullptr;
    QLineSeries* Series[2] = {};
    QPlainTextEdit* MemoSortie = nullptr;

protected:
    void reject() override;

private:
    void Deplace(QListWidget* de, QListWidget* vers);
    void Enregistrer();
    void Charger();
    void Termine(int code, bool plante);
    // The lines of "out.mlt"; false (and a message) when there is none.
    bool LitResultats(std::vector<std::string>& lignes) const;

    Document& doc_;
    QProcess* process_ = nullptr;
};
