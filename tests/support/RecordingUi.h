// A user interface that records what the core asked of it.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "model/UiPort.h"

struct RecordingUi : Ui::IUserInterface {
    std::vector<std::pair<int, std::string>> status;
    std::vector<std::string> messages;   // plain boxes and msgDlg texts
    std::deque<int> answers;             // answers given to msgDlg in order; default otherwise
    int progressShown = 0, progressHidden = 0, events = 0;

    void writeStatusBar(int panel, std::string_view text) override { status.emplace_back(panel, std::string(text)); }
    void progressShow() override { ++progressShown; }
    void progressHide() override { ++progressHidden; }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    int msgDlg(std::string_view text, Ui::MsgType type, unsigned buttons) override {
        messages.emplace_back(text);
        if (!answers.empty()) {
            int a = answers.front();
            answers.pop_front();
            return a;
        }
        return IUserInterface::msgDlg(text, type, buttons);
    }
    void processEvents() override { ++events; }
};

// Installs a RecordingUi for the scope of a test.
struct RecordingScope {
    RecordingUi rec;
    Ui::ScopedUi guard{&rec};
};
