#pragma once
// The About box "关于 ZOR": the program icon and the version text of the panel model.

#include <QDialog>

class QLabel;

namespace tavelo {

class CAppState;

class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    CAboutDialog(const CAppState& state, QWidget* parent = nullptr);

    QString GetVersionText() const;

private:
    QLabel* m_pVersion;
};

}  // namespace tavelo
