#include "insert/Markup.h"

namespace larkspur {

QString HtmlColor(const QColor& color, bool useSmall) {
    QString digits = QStringLiteral("%1%2%3")
                         .arg(color.red(), 2, 16, QChar(u'0'))
                         .arg(color.green(), 2, 16, QChar(u'0'))
                         .arg(color.blue(), 2, 16, QChar(u'0'));
    return u'#' + (useSmall ? digits.toLower() : digits.toUpper());
}

QString CssFontDeclarations(const QFont& font, const QColor& color, bool useSmall) {
    QString css = QStringLiteral("font-size:%1;").arg(qRound(font.pointSizeF()));
    if (font.bold())
        css += QStringLiteral("font-weight:bold;");
    if (font.italic())
        css += QStringLiteral("font-style:italic;");
    if (font.underline())
        css += QStringLiteral("text-decoration:underline;");
    if (font.strikeOut())
        css += QStringLiteral("text-decoration:line-through;");
    css += QStringLiteral("color:") + HtmlColor(color, useSmall) + u';';
    css += QStringLiteral("font-family:") + font.family();
    return css;
}

} // namespace larkspur
