// The main window and its views as a new user meets them: what follows a
// language change, which views a command reaches, what is shown after a
// document changes.
#include <QAction>
#include <QTest>

#include "app/gui/AppliqueLangue.h"
#include "app/texts/Langue.h"
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

TEST_F(ProgrammeTest, RowAndColumnItemsFollowTheActiveViewAfterTheTextsAreAppliedAgain) {
    for (const auto& [kind, ajout, suppr] : {std::tuple{vkPlan, "rsMeAjouterColonneVx", "rsMeSupprimerColonneVx"},
                                             std::tuple{vkSection, "rsMeAjouterLigneVx", "rsMeSupprimerLigneVx"}}) {
        Active(kind);
        Langue::AppliqueLangueTout();
        EXPECT_EQ(A("MeAjouterVx")->text(), Langue::QTxt(ajout)) << kind;
        EXPECT_EQ(A("MeSupprimerVx")->text(), Langue::QTxt(suppr)) << kind;
    }
}
