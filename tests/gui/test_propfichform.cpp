// The document properties dialog from its menu command, and the properties
// through the document writer and reader.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/gui/PropFichForm.h"
#include "tests/gui/MainFormTestUtil.h"

namespace {

// Runs f on the modal dialog once the command has shown it.
template <class F>
void AuDialogue(F f) {
    QTimer::singleShot(0, [f] {
        auto* d = qobject_cast<TPropFichForm*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        f(*d);
    });
}

}  // namespace

TEST_F(ProgrammeTest, ProprietesDuDocumentEcritesEtRelues) {
    const QString titre = QString(60, QLatin1Char('T'));
    AuDialogue([&](TPropFichForm& d) {
        EXPECT_TRUE(d.LabelCurrentFile->text().isEmpty());  // untitled
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LabelDate"))->text(), QStringLiteral("Date"));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LabelVersion"))->text(), QStringLiteral("Version"));
        d.EditTitre->setText(titre);
        d.EditTypeBateau->setText(QStringLiteral("Sloop"));
        d.EditArchi->setText(QStringLiteral("Éloïse Marin"));
        d.EditSociete->setText(QStringLiteral("Chantier du Port"));
        d.EditVersion->setText(QStringLiteral("2.1"));
        d.EditDate->setText(QStringLiteral("06/12/2026"));
        d.MemoCom->setPlainText(QStringLiteral("Bordé bois\n\nquille; longue"));
        d.findChild<QPushButton*>(QStringLiteral("BtnOK"))->click();
    });
    A("MeProprietesFichier")->trigger();
    EXPECT_FALSE(F().Enregistre());
    const TPropFich& p = F().Doc().PropFich;
    // The title cut to its 50 characters, the memo's lines one by one.
    const TPropFich attendu{std::string(50, 'T'), "Sloop", "Éloïse Marin", "Chantier du Port",
                            "2.1", "06/12/2026", {"Bordé bois", "", "quille; longue"}};
    auto champs = [](const TPropFich& q) { return std::tie(q.Titre, q.Type, q.Archi, q.Societe, q.Version, q.Date, q.Comment); };
    EXPECT_EQ(champs(p), champs(attendu));

    F().Doc().NomFichier = Fichier(QStringLiteral("proprietes.cse")).toStdString();
    GestFich::EnregistrerFichierAll(F().Doc(), 0);
    Document relu;
    ASSERT_TRUE(GestFich::OuvrirFichier(relu, F().Doc().NomFichier).Complet);
    EXPECT_EQ(champs(relu.PropFich), champs(attendu));

    // Cancel changes nothing; emptying the memo removes every comment line.
    AuDialogue([](TPropFichForm& d) {
        EXPECT_EQ(d.LabelCurrentFile->text(), QStringLiteral("proprietes.cse"));
        d.EditTitre->clear();
        d.findChild<QPushButton*>(QStringLiteral("BtnAnnuler"))->click();
    });
    A("MeProprietesFichier")->trigger();
    EXPECT_TRUE(F().Enregistre());
    EXPECT_EQ(F().Doc().PropFich.Titre, std::string(50, 'T'));
    AuDialogue([](TPropFichForm& d) {
        d.MemoCom->clear();
        d.findChild<QPushButton*>(QStringLiteral("BtnOK"))->click();
    });
    A("MeProprietesFichier")->trigger();
    EXPECT_FALSE(F().Enregistre());
    EXPECT_TRUE(F().Doc().PropFich.Comment.empty());
}
