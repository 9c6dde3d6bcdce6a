// Replace all in a 20 MB document with 238,000 matches, beside sed on the
// same file. Prints figures; asserts nothing.
#include "BenchSupport.h"
#include "app/FrameForm.h"
#include "documents/EditForm.h"
#include "documents/FindReplace.h"
#include "platform/Application.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>
#include <cstdio>

using namespace larkspur;

int main(int argc, char** argv) {
    Application app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("replace.html");
    const int matches = 238000;
    {
        QByteArray html;
        html.reserve(21 << 20);
        for (int i = 0; i < matches; ++i)
            html += "<p><FONT color=\"#336699\">行 " + QByteArray::number(i).rightJustified(6, '0') +
                    " の本文テキストです。</b> more text here ......</p>\r\n";
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(html) != html.size())
            return 2;
    }
    QFile::copy(path, dir.filePath("sed.html"));
    const double mb = QFileInfo(path).size() / 1048576.0;

    SilentUi ui;
    NoShell shell;
    TFrameForm frame(ui, shell, dir.filePath("bench.ini"));
    frame.show();
    TEditForm* form = frame.NewEditForm();
    form->LoadFile(path);
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    long n = FindReplace::ReplaceAll(*form, {"FONT", "SPAN"});
    QApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;

    QProcess sed;
    t.restart();
    sed.start("sed", {"-i", "s/FONT/SPAN/g", dir.filePath("sed.html")});
    sed.waitForFinished(-1);
    const double sedMs = t.nsecsElapsed() / 1e6;

    std::printf(
        "replace all in %.1f MB: %ld replacements (%ld expected) in %.0f ms; sed -i on the same file: %.0f ms\n", mb, n,
        long(matches), ms, sedMs);
    return 0;
}
