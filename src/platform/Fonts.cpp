#include "platform/Fonts.h"

#include <QFontInfo>
#include <QStringList>

namespace larkspur {

void InstallFontSubstitutions() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QString mono = QStringLiteral("Noto Sans Mono CJK JP");
    const QString sans = QStringLiteral("Noto Sans CJK JP");
    const QString serif = QStringLiteral("Noto Serif CJK JP");
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {mono, sans});
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), {mono, sans});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {sans, mono});
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), {sans, mono});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), {serif, mono});
    QFont::insertSubstitutions(QStringLiteral("MS Mincho"), {serif, mono});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"), {serif, sans});
    QFont::insertSubstitutions(QStringLiteral("MS PMincho"), {serif, sans});
}

QString ResolvedFamily(const QString& name, int pointSize) {
    InstallFontSubstitutions();
    QFont f(name, pointSize > 0 ? pointSize : 9);
    return QFontInfo(f).family();
}

} // namespace larkspur
