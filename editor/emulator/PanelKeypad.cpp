#include "PanelKeypad.h"

#include <QGridLayout>
#include <QToolButton>

#include "PcKeyMap.h"

namespace tavelo {

namespace {

struct CPlace {
    EPanelKey m_eKey;
    int m_nRow;
    int m_nColumn;
};

// Function row on top; digits at the left, arrows as a cross at the right.
constexpr CPlace kLayout[] = {
    {EPanelKey::Esc, 0, 0},    {EPanelKey::Set, 0, 1},       {EPanelKey::Ent, 0, 2},
    {EPanelKey::Alm, 0, 4},    {EPanelKey::Clr, 0, 6},       {EPanelKey::Digit7, 1, 0},
    {EPanelKey::Digit8, 1, 1}, {EPanelKey::Digit9, 1, 2},    {EPanelKey::Up, 1, 5},
    {EPanelKey::Digit4, 2, 0}, {EPanelKey::Digit5, 2, 1},    {EPanelKey::Digit6, 2, 2},
    {EPanelKey::Left, 2, 4},   {EPanelKey::Right, 2, 6},     {EPanelKey::Digit1, 3, 0},
    {EPanelKey::Digit2, 3, 1}, {EPanelKey::Digit3, 3, 2},    {EPanelKey::Down, 3, 5},
    {EPanelKey::Digit0, 4, 0}, {EPanelKey::PlusMinus, 4, 1},
};
constexpr int kButtonSize = 44;

}  // namespace

CPanelKeypad::CPanelKeypad(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setSpacing(4);
    grid->setColumnMinimumWidth(3, kButtonSize / 2);
    for (const CPlace& place : kLayout) {
        auto* button = new QToolButton(this);
        button->setText(PanelKeyCaption(place.m_eKey));
        button->setToolTip(PanelKeyTip(place.m_eKey));
        button->setFixedSize(kButtonSize, kButtonSize);
        // The keyboard goes to the window, which maps PC keys; a focused button would eat them.
        button->setFocusPolicy(Qt::NoFocus);
        const EPanelKey key = place.m_eKey;
        connect(button, &QToolButton::pressed, this, [this, key] { emit KeyPressed(key); });
        connect(button, &QToolButton::released, this, [this, key] { emit KeyReleased(key); });
        grid->addWidget(button, place.m_nRow, place.m_nColumn);
        m_buttons[key] = button;
    }
}

}  // namespace tavelo
