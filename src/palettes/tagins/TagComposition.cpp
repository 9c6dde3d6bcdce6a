#include "palettes/tagins/TagComposition.h"

namespace larkspur {

QString AttributeText(const std::vector<AttributeState>& rows) {
    QString s;
    for (const AttributeState& row : rows) {
        if (!row.ticked)
            continue;
        s += u' ' + row.name;
        if (row.valueEnabled)
            s += QStringLiteral("=\"") + row.value + u'"';
    }
    return s;
}

TagInsertion ComposeTag(const QString& tag, const std::vector<AttributeState>& rows, InsertMode mode) {
    const QString s = AttributeText(rows);
    TagInsertion result;
    switch (mode) {
    case InsertMode::Wrap:
        result.front = u'<' + tag + s + u'>';
        result.rear = QStringLiteral("</") + tag + u'>';
        break;
    case InsertMode::Alone: result.front = u'<' + tag + s + u'>'; break;
    case InsertMode::Option: {
        result.setsPair = false;
        qsizetype i = 0;
        while (i < s.size() && s[i] == u' ')
            ++i;
        result.text = s.mid(i);
        break;
    }
    }
    return result;
}

} // namespace larkspur
