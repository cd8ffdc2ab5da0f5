#pragma once
// The program's icon, a ZOR panel, drawn from the same picture the desktop shows.

#include <QIcon>

namespace tavelo {

QIcon ProgramIcon();

}  // namespace tavelo
