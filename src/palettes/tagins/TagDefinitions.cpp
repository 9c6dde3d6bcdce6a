#include "palettes/tagins/TagDefinitions.h"

namespace larkspur {

TagDefinitions::TagDefinitions(const QString& path) : ini_(path) {}

QStringList TagDefinitions::ReadList(const IniFile& ini, const QString& section) {
    QStringList list;
    for (int i = 0;; ++i) {
        QString value = ini.ReadString(section, QString::number(i), QString());
        if (value.isEmpty())
            break;
        list << value;
    }
    return list;
}

QStringList TagDefinitions::Groups() const { return ReadList(ini_, QStringLiteral("GroupDef")); }

QStringList TagDefinitions::Tags(const QString& group) const { return ReadList(ini_, u'@' + group); }

TagDefinition TagDefinitions::Tag(const QString& tag) const {
    TagDefinition def;
    if (tag.isEmpty())
        return def;
    def.hasEndTag = ini_.ReadInteger(tag, QStringLiteral("</>"), 1) != 0;
    for (int i = 0; i < kRows; ++i) {
        AttributeRow& row = def.rows[i];
        row.name = ini_.ReadString(tag, QString::number(i), QString());
        if (row.name.isEmpty())
            continue;
        const QString own = u'$' + tag + u'.' + row.name;
        const QString shared = u'$' + row.name;
        if (ini_.SectionExists(own))
            row.choices = ReadList(ini_, own);
        else if (ini_.SectionExists(shared))
            row.choices = ReadList(ini_, shared);
        row.kind = ini_.ReadInteger(tag, row.name, KindPlain);
    }
    return def;
}

QString TagDefinitions::ButtonCaption(int kind) {
    switch (kind) {
    case KindPath: return QStringLiteral("P");
    case KindColor: return QStringLiteral("C");
    case KindNumber: return QStringLiteral("N");
    case KindStyle: return QStringLiteral("S");
    default: return {};
    }
}

} // namespace larkspur
