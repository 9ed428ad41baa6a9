// The debug window and its link to a debugger on the local machine.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "base/Debug.h"
#include "model/gui/DebugForm.h"

namespace {

// A debugger: listens on a free port of the local machine.
struct Debugger {
    QTcpServer serveur;
    QTcpSocket* client = nullptr;
    Debugger() { serveur.listen(QHostAddress::LocalHost); }
    int Port() const { return serveur.serverPort(); }
    bool Attend() {
        if (!QTest::qWaitFor([this] { return serveur.hasPendingConnections(); }, 30000)) return false;
        client = serveur.nextPendingConnection();
        return client != nullptr;
    }
    // What arrives, as long as `attendu` (the reports carry no line end).
    QByteArray Recoit(const QByteArray& attendu) {
        QByteArray recu;
        (void)QTest::qWaitFor([&] { return (recu += client->readAll()).size() >= attendu.size(); }, 30000);
        return recu;
    }
};

}  // namespace

TEST(DebugForm, RapportsListesEtEnvoyesEtRienSansModeDebug) {
    Debugger dbg;
    // Without the debug mode: no trace, nothing listed, no link (had it
    // linked, its link would be the first the debugger takes).
    TDebugForm sans(false, dbg.Port());
    EXPECT_FALSE(Debug::Tracing());
    sans.DbgSend(Debug::erDivers, "X.Y", 0, {"v"});
    EXPECT_EQ(sans.ListView->topLevelItemCount(), 0);

    TDebugForm f(true, dbg.Port());
    ASSERT_TRUE(dbg.Attend());
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.Connecte(); }, 30000));
    EXPECT_EQ(f.Etat(), QStringLiteral("Connecté"));

    Debug::DbgMsgStr(Debug::erDivers, "TMainForm.ExceptionHandler", 2, {"A", "B", "C", "D", "E", "F"});
    Debug::DbgMsgStr(Debug::erFichier, "", 0, {"court"});
    Debug::DbgMsgS("GestFich.LitSurf", -1, {});
    const QByteArray attendu("TMsgLong|erDivers|TMainForm.ExceptionHandler|2|6|A|B|C|D|E|F|"
                             "TMsgCourt|1|court|"
                             "TMsgLong|waTrace|GestFich.LitSurf|-1|0|");
    EXPECT_EQ(dbg.Recoit(attendu), attendu);
    EXPECT_FALSE(dbg.serveur.hasPendingConnections());
    // Listed newest first, four values of six (the columns: the export below).
    ASSERT_EQ(f.ListView->topLevelItemCount(), 3);
    EXPECT_EQ(f.ListView->topLevelItem(2)->text(0), QStringLiteral("erDivers"));
    EXPECT_EQ(f.ListView->topLevelItem(2)->columnCount(), 7);

    // Traces off: trace reports neither listed nor sent; errors sent, not listed.
    f.SBTraceActives->click();
    Debug::DbgMsgS("X.Trace", 0, {"t"});
    Debug::DbgMsgStr(Debug::erDivers, "X.Erreur", 1, {"e"});
    EXPECT_EQ(dbg.Recoit("TMsgLong|erDivers|X.Erreur|1|1|e|"), QByteArray("TMsgLong|erDivers|X.Erreur|1|1|e|"));
    EXPECT_EQ(f.ListView->topLevelItemCount(), 3);

    QTemporaryDir dossier;
    const QString ici = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    EXPECT_TRUE(f.SBExportClick());
    QDir::setCurrent(ici);
    QFile csdbg(dossier.filePath(QStringLiteral("CSDbg.txt")));
    ASSERT_TRUE(csdbg.open(QIODevice::ReadOnly));
    EXPECT_EQ(csdbg.readAll(), QByteArray("GestFich.LitSurf | --- | ------ | ------ | ------\r\n"
                                          " | 0 | court |  | \r\n"
                                          "TMainForm.ExceptionHandler | 2 | A | B | C\r\n"));
    f.BtnRAZClick();
    EXPECT_EQ(f.ListView->topLevelItemCount(), 0);
}

TEST(DebugForm, UnDebuggerLentOuQuiPartNeBloqueRien) {
    Debugger dbg;
    TDebugForm f(true, dbg.Port());
    ASSERT_TRUE(dbg.Attend());
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.Connecte(); }, 30000));
    f.SBTraceActives->click();  // the list out of the measure

    // A debugger that reads nothing: 20 MB of reports are never held, the
    // excess is dropped and counted.
    const std::vector<std::string> gros{std::string(1000, 'x')};
    for (int i = 0; i < 20000; ++i) Debug::DbgMsgStr(Debug::erDivers, "Lent.Rapport", i, gros);
    EXPECT_GT(f.Perdus(), 0u);
    EXPECT_TRUE(f.Etat().contains(QStringLiteral("perdus")));

    // The debugger goes away: the link notices, the program goes on.
    dbg.client->abort();
    dbg.serveur.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.Connecte(); }, 30000));
    EXPECT_EQ(f.Etat().left(12), QStringLiteral("Non connecté"));
    for (int i = 0; i < 1000; ++i) Debug::DbgMsgStr(Debug::erDivers, "Parti.Rapport", i, gros);
}
