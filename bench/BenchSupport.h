// What the benchmarks share: a Ui that answers every prompt without showing
// it, and a shell that starts nothing.
#pragma once

#include "platform/Shell.h"
#include "platform/Ui.h"

namespace larkspur {

class SilentUi : public QtUi {
public:
    MsgResult MessageBox(QWidget*, const QString&, const QString&, MsgIcon, MsgButtons) override {
        return MsgResult::No;
    }
    void ShowMessage(QWidget*, const QString&) override {}
};

class NoShell : public Shell {
public:
    bool OpenUrl(const QUrl&) override { return true; }
    bool StartProgram(const QString&, const QStringList&) override { return true; }
};

} // namespace larkspur
