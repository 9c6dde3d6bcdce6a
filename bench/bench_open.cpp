// Opening large documents: time to read, decode and show a file, the memory
// that takes, and the cost of one keystroke at the end of the document.
//
//   bench_open                 runs every case, each in a fresh process
//   bench_open MB [cp932]      one case: a generated HTML file of MB megabytes
//
// Prints one line per case. Figures only; nothing is asserted.
#include "BenchSupport.h"
#include "app/FrameForm.h"
#include "documents/EditForm.h"
#include "platform/Application.h"
#include "platform/TextCodec.h"

#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>
#include <cstdio>

using namespace larkspur;

namespace {

long statusKb(const char* key) {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    return -1;
}

QByteArray makeHtml(qint64 bytes) {
    const QByteArray line =
        "<tr><td class=\"name\">ラークスパー 第%1行</td><td><a href=\"page%1.html\">link</a></td></tr>\r\n";
    QByteArray out;
    out.reserve(bytes + 256);
    out += "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head><title>bench</title></head>\r\n<body><table>\r\n";
    for (qint64 i = 0; out.size() < bytes; ++i)
        out += QByteArray(line).replace("%1", QByteArray::number(i));
    out += "</table></body></html>\r\n";
    return out;
}

int runCase(int megabytes, bool cp932) {

    QTemporaryDir dir;
    const QString path = dir.filePath("big.html");
    {
        QByteArray html = makeHtml(qint64(megabytes) << 20);
        if (cp932)
            html = TextCodec::encode(html, TextEncoding::Cp932).bytes;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(html) != html.size())
            return 2;
    }
    const qint64 size = QFileInfo(path).size();
    SilentUi ui;
    NoShell shell;
    TFrameForm frame(ui, shell, dir.filePath("bench.ini"));
    frame.resize(1000, 700);
    frame.show();
    TEditForm* form = frame.NewEditForm();
    QApplication::processEvents();
    const long baseKb = statusKb("VmRSS:");

    QElapsedTimer t;
    t.start();
    form->LoadFile(path);
    QApplication::processEvents(); // shown
    const double openMs = t.nsecsElapsed() / 1e6;
    const long peakKb = statusKb("VmHWM:");

    form->Editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QApplication::processEvents();
    const int keys = 50;
    t.restart();
    for (int i = 0; i < keys; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(form->Editor, &press);
        QApplication::sendEvent(form->Editor, &release);
        QApplication::processEvents(); // repaint
    }
    const double keyMs = t.nsecsElapsed() / 1e6 / keys;
    std::printf("%-18s %8.1f MB  open %8.0f ms  peak +%6.0f MB (%.2f bytes/byte)  keystroke at end %6.2f ms\n",
                cp932 ? "HTML, CP932" : "HTML, UTF-8", size / 1048576.0, openMs, (peakKb - baseKb) / 1024.0,
                (peakKb - baseKb) * 1024.0 / double(size), keyMs);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2) {
        Application app(argc, argv);
        return runCase(QByteArray(argv[1]).toInt(), argc >= 3 && QByteArray(argv[2]) == "cp932");
    }
    QCoreApplication core(argc, argv);
    std::printf("Larkspur open benchmark (one fresh process per case; peak memory above the empty program)\n");
    std::fflush(stdout);
    const QList<QStringList> cases = {{"20"}, {"100"}, {"20", "cp932"}, {"200"}};
    for (const QStringList& c : cases) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QCoreApplication::applicationFilePath(), c);
        p.waitForFinished(-1);
    }
    return 0;
}
