// Font names of Windows settings files mapped onto fonts a Linux desktop has.
#pragma once

#include <QFont>
#include <QString>

namespace larkspur {

// Maps "ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝", ... onto Noto CJK (once).
void InstallFontSubstitutions();
// The family that actually draws `name` (after substitution): an ASCII name
// that the editor control can be given.
QString ResolvedFamily(const QString& name, int pointSize);

} // namespace larkspur
