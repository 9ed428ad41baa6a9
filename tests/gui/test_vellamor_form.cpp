// The hull-analysis window runs the program of the settings on its
// configuration file and shows what it printed and what it left in out.mlt.
#include <QFile>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/gui/Settings.h"
#include "app/gui/VellamorForm.h"
#include "tests/gui/MainFormTestUtil.h"

TEST_F(MainFormTest, LaunchRunsTheConfiguredProgramAndReadsItsResults) {
    const QString script = Fichier(QStringLiteral("analyse.sh"));
    // The program's body (none: no program configured; "": one that does not exist),
    // the message, the points of the curve, the output shown.
    for (const auto& [corps, message, points, sortie] :
         std::initializer_list<std::tuple<const char*, const char*, int, const char*>>{
             {nullptr, "Aucun programme d'analyse n'est configuré", 0, ""},
             {"", "Le programme d'analyse \"", 0, ""},
             {"echo calcul; exit 3", "Le programme d'analyse s'est terminé en erreur (code 3)", 0, "calcul\n"},
             {"head -1 \"$1\"; printf 'V R1 R2\\n1 2 3\\n2 4 6\\n' > out.mlt", nullptr, 2, "Carene=Asymetrique\n"}}) {
        SCOPED_TRACE(corps ? corps : "none");
        ui_.rec.messages.clear();
        QFile::remove(Fichier(QStringLiteral("vellamor.cfg")));
        {
            auto s = Settings::Ouvrir();
            s->setValue(QStringLiteral("Vellamor/Programme"),
                        corps ? (*corps ? script : Fichier(QStringLiteral("absent"))) : QString());
        }
        if (corps && *corps) {
            QFile f(script);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("#!/bin/sh\n") + corps + "\n");
            f.close();
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        Document doc = Document::Defaut();
        doc.NomFichier = Fichier(QStringLiteral("coque.cse")).toStdString();
        TVellamorForm w(doc);
        Vellamor::TConfig config;
        config.Symetrique = false;
        config.Surfaces = {"Surface1"};
        config.Parametres = {"1", "2", "2"};
        w.AppliqueConfig(config);
        w.Lancer();
        QTRY_VERIFY_WITH_TIMEOUT(!w.EnCours(), 10000);
        QApplication::processEvents();
        ASSERT_EQ(ui_.rec.messages.size(), message ? 1u : 0u);
        EXPECT_TRUE(!message || ui_.rec.messages[0].starts_with(message)) << ui_.rec.messages[0];
        EXPECT_EQ(QFile::exists(Fichier(QStringLiteral("vellamor.cfg"))), corps != nullptr);
        EXPECT_EQ(w.Series[1]->count(), points);
        if (points) {
            EXPECT_EQ(w.Series[1]->at(1), QPointF(2, 6));
        }
        EXPECT_EQ(w.MemoSortie->toPlainText(), QString::fromUtf8(sortie));
        EXPECT_TRUE(w.BtnLancer->isEnabled());
    }
}
