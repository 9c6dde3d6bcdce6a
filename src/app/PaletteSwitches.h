// The nine palette switches of the Palette menu.
//
// A switch creates its palette when the palette's global pointer is null and
// otherwise shows it and restores it to normal. A palette is an MDI child
// that deletes itself when closed; its global pointer is a QPointer and so
// is null again once the palette is gone. Each palette registers its opener
// here when it is built; until then its switch stays disabled.
#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>

namespace larkspur {

class TFrameForm;

// Installs the openers of the palettes that exist (called by the main window).
void RegisterPalettes();

enum PaletteId {
    PaletteTag = 0,
    PaletteSentence,
    PaletteLink,
    PaletteImg,
    PaletteRGB,
    PaletteFont,
    PaletteTable,
    PaletteCSS,
    PalettePlugin,
    PaletteCount
};

struct PaletteSwitchInfo {
    const char* action;
    QString caption;
    QString hint;
};
const PaletteSwitchInfo& PaletteSwitch(PaletteId id);

// Shows the palette held in `pointer`, creating it with `create` when it is
// not open. Returns the palette.
template <class T> T* ShowPalette(QPointer<T>& pointer, QMdiArea& area, const std::function<T*()>& create) {
    if (pointer) {
        pointer->show();
        pointer->showNormal();
        area.setActiveSubWindow(pointer);
        return pointer;
    }
    T* palette = create();
    palette->setAttribute(Qt::WA_DeleteOnClose);
    pointer = palette;
    area.addSubWindow(palette);
    palette->show();
    return palette;
}

class PaletteSwitches {
public:
    using Opener = std::function<void(TFrameForm&)>;
    // Installs the opener of a palette (done by the palette's own module).
    static void Register(PaletteId id, Opener opener);
    static bool IsBuilt(PaletteId id);
    static void Open(PaletteId id, TFrameForm& frame);

private:
    static std::array<Opener, PaletteCount>& openers();
};

} // namespace larkspur
