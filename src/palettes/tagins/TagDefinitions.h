// The tag definition file of the tag inspector: groups, the tags of each
// group, up to 20 attribute rows per tag with a value kind and choices.
//
//   [GroupDef]  0=Links ...            groups, in key order
//   [@Links]    0=A ...                tags of a group
//   [A]         0=HREF 1=TARGET ...    attribute rows (keys 0-19, each on its own)
//               </>=0                  no end tag (missing or other: has one)
//               HREF=1                 value kind of an attribute
//   [$A.TARGET] or [$TARGET]           choices, 0=... 1=...
//
// Every read goes to the file, so edits show at the next change of group or tag.
#pragma once

#include "platform/IniFile.h"

#include <QString>
#include <QStringList>
#include <array>

namespace larkspur {

// Value kinds of an attribute.
enum AttributeKind { KindBare = 0, KindPath = 1, KindColor = 2, KindNumber = 3, KindStyle = 4, KindPlain = -1 };

struct AttributeRow {
    QString name; // empty: the row is unused
    int kind = KindPlain;
    QStringList choices;
};

struct TagDefinition {
    bool hasEndTag = true;
    std::array<AttributeRow, 20> rows;
};

class TagDefinitions {
public:
    static constexpr int kRows = 20;

    explicit TagDefinitions(const QString& path);

    QStringList Groups() const;
    QStringList Tags(const QString& group) const;
    TagDefinition Tag(const QString& tag) const;

    // The list under keys "0", "1", ... of a section, ending at the first
    // empty or missing value.
    static QStringList ReadList(const IniFile& ini, const QString& section);
    // The caption of the row button for a value kind ("P", "C", "N", "S"),
    // empty when the kind has none.
    static QString ButtonCaption(int kind);

private:
    IniFile ini_;
};

} // namespace larkspur
