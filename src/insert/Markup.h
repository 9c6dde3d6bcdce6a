// Fragments of markup that several palettes write.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace larkspur {

// "#RRGGBB": upper-case hexadecimal digits, lower-case with `useSmall`.
QString HtmlColor(const QColor& color, bool useSmall);

// CSS declarations for a font chosen in the font dialog, in this order:
// font-size (whole points, no unit), font-weight:bold, font-style:italic,
// text-decoration:underline, text-decoration:line-through, color, and
// font-family (its name as given, with no ";" after it).
QString CssFontDeclarations(const QFont& font, const QColor& color, bool useSmall);

} // namespace larkspur
