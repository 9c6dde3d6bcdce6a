#include "app/Settings.h"

#include "platform/IniFile.h"

namespace larkspur {

namespace {
const QString kWindow = QStringLiteral("Window");
const QString kToolBar = QStringLiteral("ToolBar");
const QString kEditor = QStringLiteral("Editor");
const QString kEditHtml = QStringLiteral("EditHtml");
const QString kTag = QStringLiteral("Tag");
const QString kParette = QStringLiteral("Parette");
const QString kOther = QStringLiteral("Other");
const QString kBrowser = QStringLiteral("Browser");

// Writes a string so that it reads back as it was: a value with blanks at an
// end, or one that begins and ends with the same quote character, is written
// inside double quotes, which the reader strips. Line breaks cannot be held
// by an INI line; they are written as blanks so that they never split the
// line into keys of their own.
void WriteExact(IniFile& ini, const QString& section, const QString& key, QString value) {
    for (QChar& c : value)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\v'; };
    bool needsQuotes = !value.isEmpty() && (blank(value.front()) || blank(value.back()));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        needsQuotes = true;
    ini.WriteString(section, key, needsQuotes ? u'"' + value + u'"' : value);
}
} // namespace

QString ToolBarKey(ToolBarId id) {
    static const char* const keys[] = {"EditorBar", "BrowserBar", "HTMLBar", "ParetteBar"};
    return QString::fromLatin1(keys[id]);
}

void ReadSettings(const IniFile& ini, WindowLayout& layout, FrameSettings& s) {
    const WindowLayout defaults;
    const FrameSettings d;
    layout.State = ini.ReadInteger(kWindow, QStringLiteral("State"), defaults.State);
    layout.geometryRead = layout.State == 0;
    if (layout.geometryRead) {
        layout.Width = ini.ReadInteger(kWindow, QStringLiteral("Width"), defaults.Width);
        layout.Height = ini.ReadInteger(kWindow, QStringLiteral("Height"), defaults.Height);
        layout.Left = ini.ReadInteger(kWindow, QStringLiteral("Left"), defaults.Left);
        layout.Top = ini.ReadInteger(kWindow, QStringLiteral("Top"), defaults.Top);
    }
    for (int i = 0; i < ToolBarCount; ++i) {
        QString key = ToolBarKey(ToolBarId(i));
        const ToolBarPlace& def = defaults.bars[i];
        layout.bars[i].visible = ini.ReadBool(kToolBar, key, def.visible);
        layout.bars[i].left = ini.ReadInteger(kToolBar, key + QStringLiteral("Left"), def.left);
        layout.bars[i].top = ini.ReadInteger(kToolBar, key + QStringLiteral("Top"), def.top);
    }
    layout.StatusBar = ini.ReadBool(kToolBar, QStringLiteral("StatusBar"), defaults.StatusBar);

    s.BgColor = ini.ReadInteger(kEditor, QStringLiteral("BgColor"), d.BgColor);
    s.ImeBgColor = ini.ReadInteger(kEditor, QStringLiteral("ImeBgColor"), d.ImeBgColor);
    s.FontSize = ini.ReadInteger(kEditor, QStringLiteral("FontSize"), d.FontSize);
    s.FontName = ini.ReadString(kEditor, QStringLiteral("FontName"), d.FontName);
    s.FontColor = ini.ReadInteger(kEditor, QStringLiteral("FontColor"), d.FontColor);
    s.Wrap = ini.ReadBool(kEditor, QStringLiteral("Wrap"), d.Wrap);
    s.InitialFolder = ini.ReadString(kEditor, QStringLiteral("InitialFolder"), d.InitialFolder);
    s.UseSmall = ini.ReadBool(kEditHtml, QStringLiteral("UseSmall"), d.UseSmall);
    s.ExtHtml = ini.ReadBool(kEditHtml, QStringLiteral("ExtHtml"), d.ExtHtml);
    s.ExtHtm = ini.ReadBool(kEditHtml, QStringLiteral("ExtHtm"), d.ExtHtm);
    s.ExtDefault = ini.ReadBool(kEditHtml, QStringLiteral("ExtDefault"), d.ExtDefault);
    s.TagFront = ini.ReadString(kTag, QStringLiteral("Front"), d.TagFront);
    s.TagRear = ini.ReadString(kTag, QStringLiteral("Rear"), d.TagRear);
    s.TextPath = ini.ReadString(kParette, QStringLiteral("TextPath"), d.TextPath);
    s.InsPath = ini.ReadString(kParette, QStringLiteral("InsPath"), d.InsPath);
    s.PluginPath = ini.ReadString(kParette, QStringLiteral("PluginPath"), d.PluginPath);
    s.RGBPath = ini.ReadString(kParette, QStringLiteral("RGBPath"), d.RGBPath);
    s.URLPath = ini.ReadString(kOther, QStringLiteral("URLPath"), d.URLPath);
    s.TempletePath = ini.ReadString(kOther, QStringLiteral("TempletePath"), d.TempletePath);
    s.DateFormat = ini.ReadString(kOther, QStringLiteral("DateFormat"), d.DateFormat);
    s.IEPath = ini.ReadString(kBrowser, QStringLiteral("IE"), d.IEPath);
    s.NNPath = ini.ReadString(kBrowser, QStringLiteral("NN"), d.NNPath);
    s.BrowserList.clear();
    for (int i = 0;; ++i) {
        QString path = ini.ReadString(kBrowser, QString::number(i), QString());
        if (path.isEmpty())
            break;
        s.BrowserList << path;
    }
}

void WriteSettings(IniFile& ini, const WindowLayout& layout, const FrameSettings& s) {
    ini.WriteInteger(kWindow, QStringLiteral("State"), layout.State);
    ini.WriteInteger(kWindow, QStringLiteral("Width"), layout.Width);
    ini.WriteInteger(kWindow, QStringLiteral("Height"), layout.Height);
    ini.WriteInteger(kWindow, QStringLiteral("Left"), layout.Left);
    ini.WriteInteger(kWindow, QStringLiteral("Top"), layout.Top);
    for (int i = 0; i < ToolBarCount; ++i) {
        QString key = ToolBarKey(ToolBarId(i));
        ini.WriteBool(kToolBar, key, layout.bars[i].visible);
        ini.WriteInteger(kToolBar, key + QStringLiteral("Left"), layout.bars[i].left);
        ini.WriteInteger(kToolBar, key + QStringLiteral("Top"), layout.bars[i].top);
    }
    ini.WriteBool(kToolBar, QStringLiteral("StatusBar"), layout.StatusBar);

    ini.WriteInteger(kEditor, QStringLiteral("BgColor"), s.BgColor);
    ini.WriteInteger(kEditor, QStringLiteral("ImeBgColor"), s.ImeBgColor);
    ini.WriteInteger(kEditor, QStringLiteral("FontSize"), s.FontSize);
    WriteExact(ini, kEditor, QStringLiteral("FontName"), s.FontName);
    ini.WriteInteger(kEditor, QStringLiteral("FontColor"), s.FontColor);
    ini.WriteBool(kEditor, QStringLiteral("Wrap"), s.Wrap);
    WriteExact(ini, kEditor, QStringLiteral("InitialFolder"), s.InitialFolder);
    ini.WriteBool(kEditHtml, QStringLiteral("UseSmall"), s.UseSmall);
    ini.WriteBool(kEditHtml, QStringLiteral("ExtHtml"), s.ExtHtml);
    ini.WriteBool(kEditHtml, QStringLiteral("ExtHtm"), s.ExtHtm);
    ini.WriteBool(kEditHtml, QStringLiteral("ExtDefault"), s.ExtDefault);
    WriteExact(ini, kTag, QStringLiteral("Front"), s.TagFront);
    WriteExact(ini, kTag, QStringLiteral("Rear"), s.TagRear);
    WriteExact(ini, kParette, QStringLiteral("TextPath"), s.TextPath);
    WriteExact(ini, kParette, QStringLiteral("InsPath"), s.InsPath);
    WriteExact(ini, kParette, QStringLiteral("PluginPath"), s.PluginPath);
    WriteExact(ini, kParette, QStringLiteral("RGBPath"), s.RGBPath);
    WriteExact(ini, kOther, QStringLiteral("URLPath"), s.URLPath);
    WriteExact(ini, kOther, QStringLiteral("TempletePath"), s.TempletePath);
    WriteExact(ini, kOther, QStringLiteral("DateFormat"), s.DateFormat);
    ini.EraseSection(kBrowser);
    WriteExact(ini, kBrowser, QStringLiteral("IE"), s.IEPath);
    WriteExact(ini, kBrowser, QStringLiteral("NN"), s.NNPath);
    for (int i = 0; i < s.BrowserList.size(); ++i)
        WriteExact(ini, kBrowser, QString::number(i), s.BrowserList[i]);
}

} // namespace larkspur
