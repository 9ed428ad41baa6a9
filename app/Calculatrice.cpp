#include "app/Calculatrice.h"

#include <cmath>
#include <cstdlib>

#include "base/Debug.h"
#include "base/Format.h"

bool Calculatrice::Valeur(double& v) const {
    const char* debut = ecran_.c_str();
    char* fin = nullptr;
    v = std::strtod(debut, &fin);
    return fin != debut && *fin == '\0' && std::isfinite(v);
}

void Calculatrice::Affiche(double v) {
    ecran_ = Format::Fixe(v, 8);
}

void Calculatrice::Chiffre(int d) {
    DBG_SCOPE("TCalculatForm.ButtonClick");
    Reprise();
    if (d < 0 || d > 9) return;
    const char c = static_cast<char>('0' + d);
    if (ecran_ != "0" && !nouvelleSaisie_)
        ecran_ += c;
    else
        ecran_ = std::string(1, c);
    nouvelleSaisie_ = false;
}

void Calculatrice::Virgule() {
    DBG_SCOPE("TCalculatForm.ButtonVirClick");
    Reprise();
    // A new number that starts with its point starts as "0.", and the digits
    // typed next go after it.
    if (nouvelleSaisie_ || ecran_ == "0") {
        ecran_ = "0.";
        nouvelleSaisie_ = false;
    } else if (ecran_.find('.') == std::string::npos) {
        ecran_ += '.';
    }
}

void Calculatrice::ChangeSigne() {
    DBG_SCOPE("TCalculatForm.ButtonPlClick");
    if (erreur_ || ecran_ == "0") return;
    if (ecran_.find('-') != std::string::npos)
        ecran_.erase(0, 1);
    else
        ecran_.insert(0, 1, '-');
}

void Calculatrice::Calcul() {
    DBG_SCOPE("TCalculatForm.Calcul");
    nouvelleSaisie_ = true;
    bool ok = Valeur(operande_);
    if (ok) {
        const double x = operande_;
        switch (attente_) {
            case Addition: accu_ += x; break;
            case Soustraction: accu_ -= x; break;
            case Multiplication: accu_ *= x; break;
            case Division: ok = x != 0.0; if (ok) accu_ /= x; break;
            case Racine: ok = x >= 0.0; if (ok) accu_ = std::sqrt(x); break;
            case Carre: accu_ = x * x; break;
            case Inverse: ok = x != 0.0; if (ok) accu_ = 1.0 / x; break;
            case Aucune: accu_ = x; break;
        }
        ok = ok && std::isfinite(accu_);
    }
    if (ok) {
        Affiche(accu_);
    } else {
        ecran_.assign(1, kErreur);
        accu_ = 0.0;
        erreur_ = true;
    }
}

void Calculatrice::Binaire(Operation op) {
    DBG_SCOPE("TCalculatForm.ButtonOpClick");
    if (!nouvelleSaisie_) Calcul();
    attente_ = op;
}

void Calculatrice::Unaire(Operation op) {
    DBG_SCOPE("TCalculatForm.ButtonUnaireClick");
    attente_ = op;
    Calcul();
    attente_ = Aucune;
}

void Calculatrice::Egal() {
    DBG_SCOPE("TCalculatForm.ButtonEgalClick");
    Calcul();
    attente_ = Aucune;
    nouvelleSaisie_ = true;
}

void Calculatrice::Efface() {
    DBG_SCOPE("TCalculatForm.ButtonEffClick");
    erreur_ = false;
    ecran_.assign(1, '0');  // (assign: GCC 12 warns falsely on = "0")
    attente_ = Aucune;
    nouvelleSaisie_ = true;
    accu_ = 0.0;
    operande_ = 0.0;
}

void Calculatrice::MemoirePlus() {
    DBG_SCOPE("TCalculatForm.ButtonMPClick");
    double v = 0.0;
    if (!Valeur(v)) return;
    memoire_ = v;
    memoireVue_ = true;
}

void Calculatrice::MemoireRappel() {
    DBG_SCOPE("TCalculatForm.ButtonMRClick");
    Reprise();
    Affiche(memoire_);
}

void Calculatrice::MemoireEfface() {
    DBG_SCOPE("TCalculatForm.ButtonMCClick");
    memoire_ = 0.0;
    memoireVue_ = false;
}

bool Calculatrice::Touche(char c) {
    if (c >= '0' && c <= '9') {
        Chiffre(c - '0');
        return true;
    }
    switch (c) {
        case '.': case ',': Virgule(); return true;
        case '+': Binaire(Addition); return true;
        case '-': Binaire(Soustraction); return true;
        case '*': Binaire(Multiplication); return true;
        case '/': Binaire(Division); return true;
        case '=': case '\r': case '\n': Egal(); return true;
        case '\x1b': Efface(); return true;
        default: return false;
    }
}
