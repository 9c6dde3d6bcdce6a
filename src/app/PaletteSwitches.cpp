#include "app/PaletteSwitches.h"

namespace larkspur {

const PaletteSwitchInfo& PaletteSwitch(PaletteId id) {
    static const PaletteSwitchInfo infos[PaletteCount] = {
        {"ParetteTag", QStringLiteral("タグインスペクタ(&A)..."), QStringLiteral("タグインスペクタパレットの表示")},
        {"ParetteSentence", QStringLiteral("短文パレット(&S)..."), QStringLiteral("短文パレットの表示")},
        {"ParetteLink", QStringLiteral("リンクパレット(&L)..."), QStringLiteral("リンクパレットの表示")},
        {"ParetteImg", QStringLiteral("画像パレット(&I)..."), QStringLiteral("画像パレットの表示")},
        {"ParetteRGB", QStringLiteral("RGBパレット(&R)..."), QStringLiteral("RGBパレットの表示")},
        {"ParetteFont", QStringLiteral("FONTパレット(&F)..."), QStringLiteral("FONTパレットの表示")},
        {"ParetteTable", QStringLiteral("表パレット(&T)..."), QStringLiteral("表パレットの表示")},
        {"ParetteCSS", QStringLiteral("CSSパレット(&C)..."), QStringLiteral("CSSパレットの表示")},
        {"ParettePlugin", QStringLiteral("プラグインパレット(&P)..."), QStringLiteral("プラグインパレットの表示")},
    };
    return infos[id];
}

std::array<PaletteSwitches::Opener, PaletteCount>& PaletteSwitches::openers() {
    static std::array<Opener, PaletteCount> list;
    return list;
}

void PaletteSwitches::Register(PaletteId id, Opener opener) { openers()[id] = std::move(opener); }

bool PaletteSwitches::IsBuilt(PaletteId id) { return bool(openers()[id]); }

void PaletteSwitches::Open(PaletteId id, TFrameForm& frame) {
    if (openers()[id])
        openers()[id](frame);
}

} // namespace larkspur
