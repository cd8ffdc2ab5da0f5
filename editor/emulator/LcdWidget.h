#pragma once
// The panel's LCD drawn at a whole number of screen pixels per dot, in the panel's colours.

#include <QWidget>

#include "emulator/LcdFrame.h"

namespace tavelo {

class CLcdWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultScale = 4;

    explicit CLcdWidget(QWidget* parent = nullptr);

    void SetFrame(const CLcdFrame& frame);
    const CLcdFrame& GetFrame() const { return m_frame; }
    void SetScale(int scale);
    int GetScale() const { return m_nScale; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CLcdFrame m_frame;
    int m_nScale = kDefaultScale;
};

}  // namespace tavelo
