// The pictures of the actions (the image list of the main window). They are
// drawn at run time so that they look the same on every desktop theme.
#pragma once

#include <QIcon>
#include <QString>

namespace larkspur {

// The icon of the action named `action` (FileNew1, HTMLRetry, ParetteTag, ...);
// a null icon for actions without a picture.
QIcon ActionIcon(const QString& action);

} // namespace larkspur
