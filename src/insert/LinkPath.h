// Link paths from a document to a file it refers to.
#pragma once

#include <QString>

namespace larkspur {

// The link path from `document` to `target`: relative (with "../" steps)
// when both names have the same drive part, else the target's bare name;
// always written with "/". Windows names compare their folders without
// regard to case; POSIX names (drive "/") compare them exactly, as the disk
// does.
QString MakeLinkPath(const QString& document, const QString& target);

} // namespace larkspur
