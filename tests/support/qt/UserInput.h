#pragma once
// The user's hands in widget tests: typing over a field, committing text as an input method
// does (how Chinese arrives), pressing a dialog's button by its caption, clicking a table cell.

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace tavelo::test {

// Selects the field's text and types over it; an empty text deletes it.
inline void TypeOver(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

inline void Commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

inline void PressButton(QDialog& dialog, const QString& caption) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == caption) button->click();
}

inline void ClickCell(QTableWidget& table, int row, int column) {
    table.scrollToItem(table.item(row, column));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualItemRect(table.item(row, column)).center());
}

}  // namespace tavelo::test
