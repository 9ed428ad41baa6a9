// The development of ruled surfaces: the candidates, and for each one
// developed its directrix and its development error, coloured.
#pragma once

#include <QDialog>
#include <vector>

class Document;
class QListWidget;
class QPushButton;
class TGrilleResultats;

class TDevSurfForm : public QDialog {
    Q_OBJECT
public:
    explicit TDevSurfForm(Document& doc, QWidget* parent = nullptr);
    void Prepare();
    void BtnLancerClick();
    // The colour of an error: green below 0.001, orange below 0.01, red above.
    static QColor Couleur(double erreur);

    QListWidget* LBSurf;
    QPushButton *BtnTout, *BtnAucune, *BtnLancer, *BtnFermer;
    TGrilleResultats* SG_Erreur;
    const std::vector<int>& Candidats() const { return candidats_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    Document& doc_;
    std::vector<int> candidats_;
};
