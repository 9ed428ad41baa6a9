// The debug window: an always-on-top list of the trace's reports, newest
// first, which can be saved as "CSDbg.txt", and, in debug mode ("-d" on the
// command line), the link that sends every report as one line to a debugger
// listening on the local machine (port 4444, or "-p"). Without debug mode
// the window lists and sends nothing.
//
// The link never makes the program wait: the socket works in the background,
// a report made while it is not connected is only listed, and reports wait
// in a bounded queue; when a slow debugger lets it fill up, further reports
// are dropped and counted on the status bar.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "base/DebugLink.h"

class QLabel;
class QTcpSocket;
class QToolButton;
class QTreeWidget;

class TDebugForm : public QDialog {
    Q_OBJECT
public:
    TDebugForm(bool modeDebug, int port, QWidget* parent = nullptr);
    ~TDebugForm() override;

    // A report of the trace (what Debug::DbgSend hands on).
    void DbgSend(int type, const std::string& tag, int index, const std::vector<std::string>& values);

    void BtnRAZClick();
    // Writes "CSDbg.txt" in the current folder; false when it could not be written.
    bool SBExportClick();
    void SBConnexionClick();

    bool Connecte() const;
    std::size_t Perdus() const { return file_.Perdus(); }
    QString Etat() const;

    QTreeWidget* ListView = nullptr;
    QToolButton *BtnRAZ, *SBTraceActives, *SBExport, *SBConnexion;

private:
    void DbgAddItem(int type, const std::string& tag, int index, const std::vector<std::string>& values);
    void Envoie();
    void MajEtat(const QString& etat);

    bool modeDebug_;
    int port_;
    QTcpSocket* socket_ = nullptr;
    QLabel* statut_ = nullptr;
    QString etat_;
    DebugLink::TFile file_;
};

// The debug window of the running program (nullptr before it exists).
TDebugForm* DebugForm();
TDebugForm* CreeDebugForm(bool modeDebug, int port, QWidget* principale);
