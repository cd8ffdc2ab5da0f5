#pragma once
// The toolbar buttons' pictures: the desktop theme's icon where it has one, else Tavelo's own
// drawing; the command's label stays in the tooltip, with its shortcut.

#include <QList>

class QAction;

namespace tavelo {

// Actions are known by their tooltip; one without a picture keeps its text.
void ApplyToolbarIcons(const QList<QAction*>& actions);

}  // namespace tavelo
