#pragma once
// The drawing tools beside the canvas: one button per drawing command in the toolbar's order,
// in rows of three, so the palette stays beside the canvas and clear of the property panel.

#include <QWidget>

class QAction;

namespace tavelo {

class CToolPalette : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 3;

    explicit CToolPalette(QWidget* parent = nullptr);

    void AddButton(QAction* action);

private:
    int m_nButtons = 0;
};

}  // namespace tavelo
