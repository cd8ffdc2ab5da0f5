#pragma once
// The screen list at the left of the view: one row per screen with its number and description,
// the current screen selected, the buttons "新  建" and "删  除" and a popup menu with the three
// screen commands.

#include <QGroupBox>
#include <cstdint>

class QAction;
class QPushButton;
class QTableWidget;

namespace tavelo {

class CTaveloDoc;

class CScreenListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CScreenListPanel(QWidget* parent = nullptr);

    // One row per screen in number order; the current screen's row is selected and shown.
    void Fill(const CTaveloDoc& doc, std::int32_t currentScreen);
    // The popup entries and the buttons follow whether a project is open.
    void SetProjectOpen(bool open);
    QTableWidget* GetList() const { return m_pList; }

signals:
    void ScreenChosen(std::int32_t number);
    void NewScreenRequested();
    void CopyScreenRequested();
    void DeleteScreenRequested();

private:
    void OnClicked();
    void ShowPopup(const QPoint& position);

    QTableWidget* m_pList;
    QPushButton* m_pNewButton;
    QPushButton* m_pDeleteButton;
    QAction* m_pNewAction;
    QAction* m_pDeleteAction;
    QAction* m_pCopyAction;
};

}  // namespace tavelo
