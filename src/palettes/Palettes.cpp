// The palettes that exist, each installed on its switch.
#include "app/PaletteSwitches.h"
#include "palettes/tagins/TagInsForm.h"

namespace larkspur {

void RegisterPalettes() { PaletteSwitches::Register(PaletteTag, &TTagInsForm::Open); }

} // namespace larkspur
