// The desk calculator: key sequences and what the display shows after them.
#include <gtest/gtest.h>

#include <string>

#include "app/Calculatrice.h"

namespace {

// Presses the keys of a sequence written with the calculator's captions,
// separated by blanks: "5 + 3 =", "9 rc", "M+", ... A key of one character
// is typed on the keyboard.
void Tape(Calculatrice& c, const std::string& touches) {
    std::size_t i = 0;
    while (i < touches.size()) {
        const std::size_t fin = touches.find(' ', i);
        const std::string k = touches.substr(i, fin == std::string::npos ? std::string::npos : fin - i);
        i = fin == std::string::npos ? touches.size() : fin + 1;
        if (k.size() == 1) EXPECT_TRUE(c.Touche(k[0])) << k;
        else if (k == "+/-") c.ChangeSigne();
        else if (k == "rc") c.Unaire(Calculatrice::Racine);
        else if (k == "x2") c.Unaire(Calculatrice::Carre);
        else if (k == "1/x") c.Unaire(Calculatrice::Inverse);
        else if (k == "CE") c.Efface();
        else if (k == "M+") c.MemoirePlus();
        else if (k == "MR") c.MemoireRappel();
        else if (k == "MC") c.MemoireEfface();
        else ADD_FAILURE() << "unknown key " << k;
    }
}

}  // namespace

TEST(Calculatrice, SequencesDeTouches) {
    const struct {
        const char* touches;
        const char* ecran;
    } cas[] = {
        {"", "0"}, {"5 + 3 = * 2 =", "16.00000000"}, {"7 - 9 =", "-2.00000000"},
        {"1 + 2 + 3 =", "6.00000000"},  // a pending operation completes first
        {"6 * + 1 =", "7.00000000"},    // operators in a row only change the pending one
        {"9 rc", "3.00000000"}, {"4 x2", "16.00000000"}, {"4 1/x", "0.25000000"},
        {"5 + 9 rc", "3.00000000"},  // the pending addition is dropped
        {"1 2 3", "123"}, {"0 0 7", "7"},
        // Every way of typing a half gives 0.5.
        {". 5", "0.5"}, {"0 . 5", "0.5"}, {"2 = . 5", "0.5"}, {"3 + . 5 =", "3.50000000"}, {"1 . . 5", "1.5"},
        {"1 , 5", "1.5"}, {"3 +/-", "-3"}, {"3 +/- = +/-", "3.00000000"}, {"+/-", "0"},
        // No answer: "E", kept until a number is typed; the accumulator starts from 0.
        {"1 / 0 =", "E"}, {"4 +/- rc", "E"}, {"0 1/x", "E"}, {"1 / 0 = + 2 =", "2.00000000"}, {"1 / 0 = 7", "7"},
        {"1 / 0 = .", "0."},
        {"1 / 0 = = +/-", "E"},
        {"9 x2 x2 x2 x2 x2 x2 x2 x2 x2", "E"},  // beyond a double
        // One memory, which M+ replaces; the entry goes on after it.
        {"2 M+ CE 3 M+ CE MR", "3.00000000"}, {"1 2 M+ 3", "123"}, {"2 M+ MC MR", "0.00000000"},
        {"2 M+ 1 / 0 = M+ MR", "2.00000000"}, {"8 + 2 CE =", "0.00000000"},
        {"6 M+ \x1b MR", "6.00000000"},  // Escape is "CE": the memory stays
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.touches);
        Calculatrice c;
        Tape(c, k.touches);
        EXPECT_EQ(c.Ecran(), k.ecran);
    }
}
