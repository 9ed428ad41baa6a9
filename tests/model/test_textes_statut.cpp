// The status bar speaks the interface language: its texts come from the text table.
#include <gtest/gtest.h>

#include "base/Langue.h"
#include "model/DrawMesure.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"
#include "tests/support/VueEditFixture.h"

TEST(StatusBar, MeasureTextsComeFromTheLanguageFile) {
    testfiles::Dossier dossier;
    Langue::ChargeLangue(dossier.Ecrit("lang_English.dat", "rsMesure2p=Measure: \n"));
    RecordingScope ui;
    TMetre m;
    m.P1 = {0, 0, 0};
    m.P2 = {0, 0, 1};
    m.Draw(TMesure::mFinal, testvue::Record(vkSection), 0);
    Langue::Reinitialise();
    ASSERT_FALSE(ui.rec.status.empty());
    EXPECT_EQ(ui.rec.status.back(), (std::pair<int, std::string>{3, "Measure: 1.000 m"}));
}
