#pragma once
// The image budget as one bar: a segment per area of the download image against the panel's
// memory, its names and byte counts as the tooltip.

#include <QWidget>
#include <vector>

#include "check/ImageBudget.h"

namespace tavelo {

class CBudgetBar : public QWidget {
    Q_OBJECT
public:
    explicit CBudgetBar(QWidget* parent = nullptr);
    void SetAreas(std::vector<CBudgetArea> areas, std::size_t capacity);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<CBudgetArea> m_areas;
    std::size_t m_nCapacity = 1;
};

}  // namespace tavelo
