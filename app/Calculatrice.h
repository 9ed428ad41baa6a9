// The desk calculator's state: a four-function calculator on doubles with
// square root, square, reciprocal, sign change and one memory. The window
// (app/gui/CalculatForm) only forwards its keys here and shows Ecran().
//
// The display holds the number being typed or the last result, written with
// eight decimals. A calculation that has no answer (division by zero, the
// reciprocal of zero, the square root of a negative number, a result too big
// for a double) shows "E" and the accumulator becomes 0. "E" is not a
// number: "=", "+/-" and "M+" leave it and the memory as they are; a digit,
// ".", "MR" or "CE" puts a number in its place.
#pragma once

#include <string>

class Calculatrice {
public:
    enum Operation { Addition = 0, Soustraction = 1, Multiplication = 2, Division = 3,
                     Racine = 4, Carre = 5, Inverse = 6, Aucune = 8 };

    static constexpr char kErreur = 'E';  // the display after an error

    const std::string& Ecran() const { return ecran_; }
    bool MemoireUtilisee() const { return memoireVue_; }
    double Memoire() const { return memoire_; }

    void Chiffre(int d);               // "0" .. "9"
    void Virgule();                    // "."
    void ChangeSigne();                // "+/-"
    void Binaire(Operation op);        // "+", "-", "*", "/"
    void Unaire(Operation op);         // "rc", "x2", "1/x"
    void Egal();                       // "="
    void Efface();                     // "CE": the memory stays
    void MemoirePlus();                // "M+": the display's value replaces the memory
    void MemoireRappel();              // "MR"
    void MemoireEfface();              // "MC"

    // A key typed on the keyboard: digits, "." or ",", "+", "-", "*", "/",
    // "=" or a line end, and Escape for "CE". False for any other key.
    bool Touche(char c);

private:
    // Runs the pending operation on the display's value.
    void Calcul();
    // A key that puts a number on the display ends the error.
    void Reprise() { erreur_ = false; }
    // The display's value; false when it is not a number.
    bool Valeur(double& v) const;
    void Affiche(double v);

    std::string ecran_ = "0";
    double accu_ = 0.0;
    double operande_ = 0.0;
    double memoire_ = 0.0;
    bool memoireVue_ = false;
    Operation attente_ = Aucune;
    bool nouvelleSaisie_ = true;
    bool erreur_ = false;
};
