// The document properties dialog from its menu command, and the properties
// through the document writer and reader.
#include <gtest/gtest.h>

#include <QApplication>
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
    EXPECT_EQ(p.Titre, std::string(50, 'T'));
    EXPECT_EQ(p.Comment, (std::vector<std::string>{"Bordé bois", "", "quille; longue"}));

    F().Doc().NomFichier = Fichier(QStringLiteral("proprietes.cse")).toStdString();
    GestFich::EnregistrerFichierAll(F().Doc(), 0);
    Document relu;
    ASSERT_TRUE(GestFich::OuvrirFichier(relu, F().Doc().NomFichier).Complet);
    EXPECT_EQ(relu.PropFich.Titre, p.Titre);
    EXPECT_EQ(relu.PropFich.Type, "Sloop");
    EXPECT_EQ(relu.PropFich.Archi, "Éloïse Marin");
    EXPECT_EQ(relu.PropFich.Societe, "Chantier du Port");
    EXPECT_EQ(relu.PropFich.Version, "2.1");
    EXPECT_EQ(relu.PropFich.Date, "06/12/2026");
    EXPECT_EQ(relu.PropFich.Comment, p.Comment);

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
