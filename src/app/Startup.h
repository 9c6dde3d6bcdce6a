// The process: the single-instance rule, then the main window and the loop.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace larkspur {

class Ui;
class Shell;

struct StartOptions {
    QString lockPath;
    QString settingsPath;
    QStringList arguments;
};

// Runs Larkspur: returns 1 when another instance holds the lock (after
// telling the user; no settings are read or written), else the result of
// `runLoop` once the main window exists (0 for a normal end).
int StartLarkspur(Ui& ui, Shell& shell, const StartOptions& options, const std::function<int()>& runLoop);

// The whole program, for main().
int LarkspurMain(int argc, char** argv);

} // namespace larkspur
