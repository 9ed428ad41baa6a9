#include "app/gui/CalculatForm.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

#include "app/gui/AppliqueLangue.h"
#include "base/Debug.h"

namespace {
QPointer<TCalculatForm> g_calculat;
}  // namespace

TCalculatForm* CalculatForm() { return g_calculat; }

TCalculatForm* CreeCalculatForm(QWidget* principale) {
    if (!g_calculat) g_calculat = new TCalculatForm(principale);
    return g_calculat;
}

TCalculatForm::TCalculatForm(QWidget* parent) : QDialog(parent, Qt::Tool) {
    DBG_SCOPE("TCalculatForm.FormCreate");
    setObjectName(QStringLiteral("CalculatForm"));
    setWindowTitle(Langue::QTxt("rsCalculatFormCaption"));

    auto* haut = new QVBoxLayout(this);
    auto* ligne = new QHBoxLayout;
    LabelMem = new QLabel(QStringLiteral("M"), this);
    LabelMem->setObjectName(QStringLiteral("LabelMem"));
    LabelMem->setFixedWidth(16);
    LabelMem->setVisible(false);
    Ecran = new QLineEdit(this);
    Ecran->setObjectName(QStringLiteral("Ecran"));
    Ecran->setReadOnly(true);
    Ecran->setAlignment(Qt::AlignRight);
    Ecran->setFocusPolicy(Qt::NoFocus);
    ligne->addWidget(LabelMem);
    ligne->addWidget(Ecran);
    haut->addLayout(ligne);

    using C = Calculatrice;
    struct Touche {
        const char* nom;
        const char* caption;
        int ligne, colonne;
        std::function<void(C&)> action;
    };
    const Touche touches[] = {
        {"ButtonMC", "MC", 0, 0, [](C& c) { c.MemoireEfface(); }},
        {"ButtonMR", "MR", 0, 1, [](C& c) { c.MemoireRappel(); }},
        {"ButtonMP", "M+", 0, 2, [](C& c) { c.MemoirePlus(); }},
        {"ButtonEff", "CE", 0, 3, [](C& c) { c.Efface(); }},
        {"Button7", "7", 1, 0, [](C& c) { c.Chiffre(7); }},
        {"Button8", "8", 1, 1, [](C& c) { c.Chiffre(8); }},
        {"Button9", "9", 1, 2, [](C& c) { c.Chiffre(9); }},
        {"ButtonDiv", "/", 1, 3, [](C& c) { c.Binaire(C::Division); }},
        {"ButtonRacine", "rc", 1, 4, [](C& c) { c.Unaire(C::Racine); }},
        {"Button4", "4", 2, 0, [](C& c) { c.Chiffre(4); }},
        {"Button5", "5", 2, 1, [](C& c) { c.Chiffre(5); }},
        {"Button6", "6", 2, 2, [](C& c) { c.Chiffre(6); }},
        {"ButtonMul", "*", 2, 3, [](C& c) { c.Binaire(C::Multiplication); }},
        {"ButtonCarre", "x2", 2, 4, [](C& c) { c.Unaire(C::Carre); }},
        {"Button1", "1", 3, 0, [](C& c) { c.Chiffre(1); }},
        {"Button2", "2", 3, 1, [](C& c) { c.Chiffre(2); }},
        {"Button3", "3", 3, 2, [](C& c) { c.Chiffre(3); }},
        {"ButtonMoins", "-", 3, 3, [](C& c) { c.Binaire(C::Soustraction); }},
        {"ButtonInv", "1/x", 3, 4, [](C& c) { c.Unaire(C::Inverse); }},
        {"Button0", "0", 4, 0, [](C& c) { c.Chiffre(0); }},
        {"ButtonPl", "+/-", 4, 1, [](C& c) { c.ChangeSigne(); }},
        {"ButtonVir", ".", 4, 2, [](C& c) { c.Virgule(); }},
        {"ButtonPlus", "+", 4, 3, [](C& c) { c.Binaire(C::Addition); }},
        {"ButtonEgal", "=", 4, 4, [](C& c) { c.Egal(); }},
    };
    auto* grille = new QGridLayout;
    grille->setSpacing(3);
    for (const Touche& t : touches) {
        auto* b = new QPushButton(QString::fromLatin1(t.caption), this);
        b->setObjectName(QLatin1String(t.nom));
        // The keys never take the focus: Enter is "=", not the last key clicked.
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        b->setFixedSize(42, 30);
        // Captions are the keys themselves, in every language.
        Langue::DonneCle(b, "-");
        grille->addWidget(b, t.ligne, t.colonne);
        connect(b, &QPushButton::clicked, this, [this, f = t.action] {
            f(calc_);
            Montre();
        });
    }
    haut->addLayout(grille);
    Montre();
}

QPushButton* TCalculatForm::Bouton(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

void TCalculatForm::Montre() {
    Ecran->setText(QString::fromStdString(calc_.Ecran()));
    LabelMem->setVisible(calc_.MemoireUtilisee());
}

void TCalculatForm::keyPressEvent(QKeyEvent* e) {
    char c = 0;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        c = '\r';
    else if (e->key() == Qt::Key_Escape)
        c = '\x1b';
    else if (e->text().size() == 1 && e->text()[0].unicode() < 128)
        c = static_cast<char>(e->text()[0].unicode());
    if (c && calc_.Touche(c)) {
        Montre();
        e->accept();
        return;
    }
    // Escape would otherwise close the window; everything else goes on.
    QDialog::keyPressEvent(e);
}
