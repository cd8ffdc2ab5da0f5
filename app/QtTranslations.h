#pragma once
// Qt's own texts (file dialogs, standard buttons, context menus) in Chinese, as the program's
// own texts are.

class QCoreApplication;

namespace tavelo {

// Installs Qt's Chinese translation into the application; false when it is not installed on
// this machine, and Qt's texts stay English.
bool InstallQtChinese(QCoreApplication& application);

}  // namespace tavelo
