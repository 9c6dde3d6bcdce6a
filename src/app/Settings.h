// The settings of the main window: the values of the settings file, their
// keys and defaults in one place, and the pure reading and writing of them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace larkspur {

class IniFile;

// A colour in the 32-bit layout of the settings file: red in bits 0-7,
// green in 8-15, blue in 16-23.
using TColor = int;

// The settings that live as members of the main window between start and close.
struct FrameSettings {
    QString TagFront;
    QString TagRear;
    QStringList BrowserList;
    QString IEPath;
    QString NNPath;
    QString FontName = QStringLiteral("ＭＳ ゴシック");
    int FontSize = 11;
    TColor FontColor = 0;
    TColor BgColor = 16777215;
    TColor ImeBgColor = 16776960;
    bool Wrap = false;
    QString InitialFolder;
    bool UseSmall = false;
    bool ExtHtml = true;
    bool ExtHtm = false;
    bool ExtDefault = false;
    QString TextPath;
    QString InsPath;
    QString PluginPath;
    QString RGBPath;
    QString URLPath;
    QString TempletePath;
    QString DateFormat = QStringLiteral("yyyy'年'mm'月'dd'日（'aaa'）'");
};

enum ToolBarId { EditorBar = 0, BrowserBar, HTMLBar, ParetteBar, ToolBarCount };

struct ToolBarPlace {
    bool visible = true;
    int left = 0;
    int top = 0;
};

// Geometry and frame controls, as the settings file stores them.
struct WindowLayout {
    int State = 0;             // 0 normal, 1 minimised, 2 maximised
    bool geometryRead = false; // Width..Top were read (State 0)
    int Width = 500;
    int Height = 400;
    int Left = 50;
    int Top = 40;
    std::array<ToolBarPlace, ToolBarCount> bars{{{true, 11, 2}, {true, 216, 2}, {true, 11, 28}, {true, 116, 28}}};
    bool StatusBar = true;
};

// Key prefix of each tool bar: "EditorBar", "BrowserBar", "HTMLBar", "ParetteBar".
QString ToolBarKey(ToolBarId id);

void ReadSettings(const IniFile& ini, WindowLayout& layout, FrameSettings& settings);
// Writes every key; the caller calls UpdateFile().
void WriteSettings(IniFile& ini, const WindowLayout& layout, const FrameSettings& settings);

} // namespace larkspur
