#pragma once
// The canvas's view commands and status fields: zoom in, out and to fit (menu, keys, Ctrl+wheel
// and the zoom box in the status bar), the dot-true view, the dot under the pointer and the
// selection's rectangle. Zoom, view and window geometry are remembered between runs.

#include <QObject>
#include <optional>

class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tavelo {

class CTaveloView;

class CViewControls : public QObject {
    Q_OBJECT
public:
    CViewControls(QMainWindow& window, CTaveloView& view, QMenu& viewMenu, QToolBar& toolbar);

    // A zoom the user chose, or none for the largest that fits; remembered.
    void ChooseZoom(std::optional<int> pixelsPerDot);
    // Puts the window where it was, or at a comfortable size on the screen.
    void RestoreGeometry();
    void StoreGeometry() const;

private:
    void AddZoomCommands(QMenu& menu);
    void BuildStatusFields();
    void ShowZoom(int pixelsPerDot);
    void ShowPointer(std::optional<QPoint> dot);
    void ShowSelection();
    void ShowDotTrueError(const QString& message);

    QMainWindow& m_window;
    CTaveloView& m_view;
    QComboBox* m_pZoomBox = nullptr;
    QLabel* m_pPointer = nullptr;
    QLabel* m_pSelection = nullptr;
};

}  // namespace tavelo
