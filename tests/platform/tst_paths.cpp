// File-name helpers over "\" and "/" names, and the instance lock.
#include "platform/InstanceLock.h"
#include "platform/Paths.h"
#include "support/TestEnv.h"

#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace larkspur;

class TestPaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parts_data();
    void parts();
    void changeFileExt_data();
    void changeFileExt();
    void longFileName();
    void fileExists();
    void secondLockIsRefused();
    void lockOfADeadProcessIsTakenOver();
};

void TestPaths::parts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ext");
    QTest::newRow("drive letter") << "C:\\site\\index.html"
                                  << "C:"
                                  << "C:\\site\\"
                                  << "index.html"
                                  << ".html";
    QTest::newRow("lower-case drive") << "c:\\a.gif"
                                      << "c:"
                                      << "c:\\"
                                      << "a.gif"
                                      << ".gif";
    QTest::newRow("drive without separator") << "C:a.txt"
                                             << "C:"
                                             << "C:"
                                             << "a.txt"
                                             << ".txt";
    QTest::newRow("network name") << "\\\\server\\share\\dir\\f.htm"
                                  << "\\\\server\\share"
                                  << "\\\\server\\share\\dir\\"
                                  << "f.htm"
                                  << ".htm";
    QTest::newRow("POSIX") << "/home/a/site/index.html"
                           << "/"
                           << "/home/a/site/"
                           << "index.html"
                           << ".html";
    QTest::newRow("mixed separators") << "C:/site\\img/a.gif"
                                      << "C:"
                                      << "C:/site\\img/"
                                      << "a.gif"
                                      << ".gif";
    QTest::newRow("bare name") << "noname"
                               << ""
                               << ""
                               << "noname"
                               << "";
    QTest::newRow("dot in folder only") << "/a.b/c"
                                        << "/"
                                        << "/a.b/"
                                        << "c"
                                        << "";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << ""
                           << "";
}

void TestPaths::parts() {
    QFETCH(QString, path);
    QFETCH(QString, drive);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, ext);
    QCOMPARE(ExtractFileDrive(path), drive);
    QCOMPARE(ExtractFilePath(path), folder);
    QCOMPARE(ExtractFileName(path), name);
    QCOMPARE(ExtractFileExt(path), ext);
}

void TestPaths::changeFileExt_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("expected");
    QTest::newRow("replace") << "/usr/bin/larkspur.exe"
                             << ".ini"
                             << "/usr/bin/larkspur.ini";
    QTest::newRow("add") << "/usr/bin/larkspur"
                         << ".ini"
                         << "/usr/bin/larkspur.ini";
    QTest::newRow("dot in folder") << "/opt/l.d/larkspur"
                                   << ".hlp"
                                   << "/opt/l.d/larkspur.hlp";
    QTest::newRow("Windows") << "C:\\a.b\\page.htm"
                             << ".html"
                             << "C:\\a.b\\page.html";
}

void TestPaths::changeFileExt() {
    QFETCH(QString, path);
    QFETCH(QString, ext);
    QFETCH(QString, expected);
    QCOMPARE(ChangeFileExt(path, ext), expected);
}

void TestPaths::longFileName() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QVERIFY(WriteFileBytes(dir.filePath("sub/f.html"), "x"));
    QCOMPARE(LongFileName(dir.path() + "/sub/../sub//./f.html"), dir.filePath("sub/f.html"));
    QDir::setCurrent(dir.filePath("sub"));
    QCOMPARE(LongFileName("f.html"), dir.filePath("sub/f.html"));
}

void TestPaths::fileExists() {
    QTemporaryDir dir;
    QVERIFY(WriteFileBytes(dir.filePath("f"), "x"));
    QVERIFY(FileExists(dir.filePath("f")));
    QVERIFY(!FileExists(dir.path())); // a folder is no file
    QVERIFY(!FileExists(dir.filePath("none")));
    QVERIFY(!FileExists(QString()));
}

void TestPaths::secondLockIsRefused() {
    QTemporaryDir dir;
    InstanceLock first(dir.filePath("l.lock"));
    QVERIFY(first.TryLock());
    InstanceLock second(dir.filePath("l.lock"));
    QVERIFY(!second.TryLock());
}

void TestPaths::lockOfADeadProcessIsTakenOver() {
    // A lock file left by a process that no longer runs (as after a crash).
    QTemporaryDir dir;
    const QString path = dir.filePath("l.lock");
    QProcess child;
    child.start("/bin/sleep", {"0"});
    QVERIFY(child.waitForFinished());
    const qint64 deadPid = child.processId() > 0 ? child.processId() : 999999;
    QVERIFY(WriteFileBytes(path, QByteArray::number(deadPid) + "\n" + QCoreApplication::applicationName().toUtf8() +
                                     "\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
    InstanceLock lock(path);
    QVERIFY(lock.TryLock());
}

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
