// Reading and writing the settings file: keys, order, defaults, value forms.
#include "app/Settings.h"
#include "platform/IniFile.h"
#include "support/TestEnv.h"

#include <QtTest>

using namespace larkspur;

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultsWithoutFile();
    void defaultsWrittenInOrder();
    void stateTwoSkipsGeometry();
    void wrongFormsFallBack();
    void browserListEndsAtFirstGap();
    void everyValueRoundTrips();
    void stringsThatAnIniLineCannotHold_data();
    void stringsThatAnIniLineCannotHold();
};

static const QByteArray kDefaultFile =
    "[Window]\r\nState=0\r\nWidth=500\r\nHeight=400\r\nLeft=50\r\nTop=40\r\n"
    "[ToolBar]\r\nEditorBar=1\r\nEditorBarLeft=11\r\nEditorBarTop=2\r\nBrowserBar=1\r\nBrowserBarLeft=216\r\n"
    "BrowserBarTop=2\r\nHTMLBar=1\r\nHTMLBarLeft=11\r\nHTMLBarTop=28\r\nParetteBar=1\r\nParetteBarLeft=116\r\n"
    "ParetteBarTop=28\r\nStatusBar=1\r\n"
    "[Editor]\r\nBgColor=16777215\r\nImeBgColor=16776960\r\nFontSize=11\r\nFontName=ＭＳ ゴシック\r\n"
    "FontColor=0\r\nWrap=0\r\nInitialFolder=\r\n"
    "[EditHtml]\r\nUseSmall=0\r\nExtHtml=1\r\nExtHtm=0\r\nExtDefault=0\r\n"
    "[Tag]\r\nFront=\r\nRear=\r\n"
    "[Parette]\r\nTextPath=\r\nInsPath=\r\nPluginPath=\r\nRGBPath=\r\n"
    "[Other]\r\nURLPath=\r\nTempletePath=\r\nDateFormat=yyyy'年'mm'月'dd'日（'aaa'）'\r\n"
    "[Browser]\r\nIE=\r\nNN=\r\n";

void TestSettings::defaultsWithoutFile() {
    QTemporaryDir dir;
    IniFile ini(dir.filePath("none.ini"));
    WindowLayout layout;
    FrameSettings s;
    s.FontSize = 99; // must be replaced by the default
    ReadSettings(ini, layout, s);
    QCOMPARE(layout.State, 0);
    QCOMPARE(QRect(layout.Left, layout.Top, layout.Width, layout.Height), QRect(50, 40, 500, 400));
    for (const ToolBarPlace& bar : layout.bars)
        QVERIFY(bar.visible);
    QCOMPARE(layout.bars[ParetteBar].left, 116);
    QCOMPARE(layout.bars[ParetteBar].top, 28);
    QVERIFY(layout.StatusBar);
    QCOMPARE(s.FontSize, 11);
    QCOMPARE(s.FontName, QString("ＭＳ ゴシック"));
    QCOMPARE(s.ImeBgColor, 16776960);
    QCOMPARE(s.DateFormat, QString("yyyy'年'mm'月'dd'日（'aaa'）'"));
    QVERIFY(s.ExtHtml && !s.ExtHtm && !s.ExtDefault);
    QVERIFY(s.BrowserList.isEmpty());
}

void TestSettings::defaultsWrittenInOrder() {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    IniFile ini(path);
    WriteSettings(ini, WindowLayout(), FrameSettings());
    QVERIFY(ini.UpdateFile().isEmpty());
    QCOMPARE(QString::fromUtf8(ReadFileBytes(path)), QString::fromUtf8(kDefaultFile));
}

void TestSettings::stateTwoSkipsGeometry() {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    QVERIFY(WriteFileBytes(path, "[Window]\r\nState=2\r\nWidth=900\r\nHeight=700\r\nLeft=5\r\nTop=6\r\n"));
    WindowLayout layout;
    FrameSettings s;
    ReadSettings(IniFile(path), layout, s);
    QCOMPARE(layout.State, 2);
    QVERIFY(!layout.geometryRead);
    QCOMPARE(layout.Width, 500);
    QCOMPARE(layout.Left, 50);
}

void TestSettings::wrongFormsFallBack() {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    QVERIFY(WriteFileBytes(path, "[Editor]\r\nFontSize=big\r\nWrap=yes\r\nBgColor=0xFF\r\nFontName=\r\n"
                                 "[ToolBar]\r\nHTMLBar=0\r\n"));
    WindowLayout layout;
    FrameSettings s;
    ReadSettings(IniFile(path), layout, s);
    QCOMPARE(s.FontSize, 11);
    QCOMPARE(s.Wrap, false);
    QCOMPARE(s.BgColor, 255);
    QCOMPARE(s.FontName, QString()); // strings are taken as they stand
    QCOMPARE(layout.bars[HTMLBar].visible, false);
}

void TestSettings::browserListEndsAtFirstGap() {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    QVERIFY(WriteFileBytes(path, "[Browser]\r\nIE=/usr/bin/ie\r\n0=/usr/bin/a\r\n1=/usr/bin/b\r\n3=/usr/bin/d\r\n"));
    WindowLayout layout;
    FrameSettings s;
    {
        IniFile ini(path);
        ReadSettings(ini, layout, s);
    }
    QCOMPARE(s.BrowserList, QStringList({"/usr/bin/a", "/usr/bin/b"}));
    QCOMPARE(s.IEPath, QString("/usr/bin/ie"));
    IniFile ini(path);
    WriteSettings(ini, layout, s);
    QVERIFY(ini.UpdateFile().isEmpty());
    IniFile again(path);
    QCOMPARE(again.ReadSection("Browser"), QStringList({"IE", "NN", "0", "1"}));
}

void TestSettings::everyValueRoundTrips() {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    WindowLayout layout;
    layout.State = 0;
    layout.Width = 801;
    layout.Height = 602;
    layout.Left = -3;
    layout.Top = 4;
    layout.bars[BrowserBar] = {false, 300, 30};
    layout.StatusBar = false;
    FrameSettings s;
    s.TagFront = "<A HREF=\"x.html\">";
    s.TagRear = "</A>";
    s.BrowserList = {"/usr/bin/firefox", "/usr/bin/chromium"};
    s.IEPath = "/opt/ie";
    s.NNPath = "/opt/nn";
    s.FontName = "ＭＳ 明朝";
    s.FontSize = 14;
    s.FontColor = 0x123456;
    s.BgColor = 0xABCDEF;
    s.ImeBgColor = 0x00FF00;
    s.Wrap = true;
    s.InitialFolder = "/home/a/サイト";
    s.UseSmall = true;
    s.ExtHtml = false;
    s.ExtHtm = true;
    s.ExtDefault = false;
    s.TextPath = "/t";
    s.InsPath = "/i";
    s.PluginPath = "/p";
    s.RGBPath = "/r";
    s.URLPath = "/u";
    s.TempletePath = "/tp";
    s.DateFormat = "yyyy/mm/dd";
    {
        IniFile ini(path);
        WriteSettings(ini, layout, s);
        QVERIFY(ini.UpdateFile().isEmpty());
    }
    WindowLayout l2;
    FrameSettings s2;
    ReadSettings(IniFile(path), l2, s2);
    QCOMPARE(QRect(l2.Left, l2.Top, l2.Width, l2.Height), QRect(-3, 4, 801, 602));
    QCOMPARE(l2.bars[BrowserBar].visible, false);
    QCOMPARE(l2.bars[BrowserBar].left, 300);
    QCOMPARE(l2.StatusBar, false);
    QCOMPARE(s2.TagFront, s.TagFront);
    QCOMPARE(s2.TagRear, s.TagRear);
    QCOMPARE(s2.BrowserList, s.BrowserList);
    QCOMPARE(s2.FontName, s.FontName);
    QCOMPARE(s2.FontColor, s.FontColor);
    QCOMPARE(s2.BgColor, s.BgColor);
    QCOMPARE(s2.ImeBgColor, s.ImeBgColor);
    QCOMPARE(s2.Wrap, true);
    QCOMPARE(s2.InitialFolder, s.InitialFolder);
    QCOMPARE(s2.UseSmall, true);
    QCOMPARE(s2.ExtHtm, true);
    QCOMPARE(s2.ExtHtml, false);
    QCOMPARE(QStringList({s2.TextPath, s2.InsPath, s2.PluginPath, s2.RGBPath, s2.URLPath, s2.TempletePath}),
             QStringList({"/t", "/i", "/p", "/r", "/u", "/tp"}));
    QCOMPARE(s2.DateFormat, s.DateFormat);
}

void TestSettings::stringsThatAnIniLineCannotHold_data() {
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("trailing blank") << "<B> "
                                    << "<B> ";
    QTest::newRow("leading tab") << "\t<TD>"
                                 << "\t<TD>";
    QTest::newRow("quoted whole") << "\"x\""
                                  << "\"x\"";
    QTest::newRow("single-quoted whole") << "'x'"
                                         << "'x'";
    // A line break would split the line and could smuggle in keys of its own.
    QTest::newRow("line break becomes a blank") << "<TR>\r\n[Browser]\r\n0=/bin/sh"
                                                << "<TR>  [Browser]  0=/bin/sh";
}

void TestSettings::stringsThatAnIniLineCannotHold() {
    QFETCH(QString, front);
    QFETCH(QString, readBack);
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    FrameSettings s;
    s.TagFront = front;
    {
        IniFile ini(path);
        WriteSettings(ini, WindowLayout(), s);
        QVERIFY(ini.UpdateFile().isEmpty());
    }
    WindowLayout l2;
    FrameSettings s2;
    ReadSettings(IniFile(path), l2, s2);
    QCOMPARE(s2.TagFront, readBack);
    QVERIFY(s2.BrowserList.isEmpty());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
