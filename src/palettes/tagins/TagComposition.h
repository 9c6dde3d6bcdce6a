// What the tag inspector inserts, composed from the state of its rows.
#pragma once

#include <QString>
#include <vector>

namespace larkspur {

enum class InsertMode { Wrap, Alone, Option };

struct AttributeState {
    QString name;
    bool ticked = false;
    bool valueEnabled = true; // false for attributes without a value
    QString value;
};

struct TagInsertion {
    bool setsPair = true; // SetTagPair(front, rear) then WrapSelection; else InsertText(text)
    QString front;
    QString rear;
    QString text;
};

// " NAME" or " NAME=\"value\"" for each ticked row, in order; values as typed.
QString AttributeText(const std::vector<AttributeState>& rows);
TagInsertion ComposeTag(const QString& tag, const std::vector<AttributeState>& rows, InsertMode mode);

} // namespace larkspur
