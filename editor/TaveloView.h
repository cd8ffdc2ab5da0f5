#pragma once
// The one view of the project: the screen list on the left, the canvas that shows the current
// screen as the panel's display, the drawing tool palette beside it and the property panel
// below it. It owns the editing state and routes pointer and key input to the tools.

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "EditorContext.h"
#include "ViewState.h"
#include "download/DownloadOptions.h"
#include "panels/PanelHost.h"
#include "tools/ToolHost.h"

namespace tavelo {

class CCanvasArea;
class CCanvasWidget;
class CPropertyPanelStack;
class CScreenListPanel;
class CToolRegistry;
class CUndoHistory;

class CTaveloView : public QWidget,
                    private CViewStateListener,
                    public CToolHost,
                    public CPanelHost {
    Q_OBJECT
public:
    explicit CTaveloView(CEditorContext& context, QWidget* parent = nullptr);
    ~CTaveloView() override;

    CEditorContext& GetContext() const { return m_context; }
    CViewState& GetViewState() override { return m_viewState; }
    CScreenListPanel* GetScreenList() const { return m_pScreenList; }
    CPropertyPanelStack* GetPanels() const { return m_pPanels; }
    CCanvasArea& GetCanvasArea() const { return *m_pCanvasArea; }
    CCanvasWidget& GetCanvas() const;
    // The drawing tool palette stands beside the canvas.
    void SetToolPalette(QWidget* palette);
    CUndoHistory& GetHistory() const { return *m_pHistory; }

    // A project was made or opened: editing starts on the first screen.
    void StartProject();
    // The project was closed: nothing is shown or selected any more.
    void EndProject();
    // Makes the screen current and shows its properties.
    void ChooseScreen(std::int32_t number);
    void FillScreenList();
    void Redraw();

    // The view's commands.
    void NewScreen();
    void CopyScreen();
    void DeleteScreen();
    void DeleteSelection();
    void Align(EAlignment alignment);
    void ToggleGrid();
    // The dialog makes its own checks.
    void Download();
    CDownloadOptions m_downloadOptions;

    // CToolHost
    void CapturePointer() override;
    void ReleasePointer() override;
    bool HasCapture() const override;
    void SetCursorShape(ECursorShape shape) override;
    void SetBand(const std::optional<CRect>& clientBand) override;
    void RefreshPanels() override;

    // CPanelHost
    void ElementChanged(CGraphObj* object, int templateId) override;
    void BeginPanelChange() override;
    void EndPanelChange(const QObject* field, const CGraphObj* object) override;

signals:
    // Something the command availability depends on changed.
    void StateChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // CViewStateListener
    void CanvasChanged() override;
    void ShowProperties(CGraphObj* object, int templateId) override;
    void SelectionMoved() override;
    void ElementDeleting(const CGraphObj* element) override;
    void EditStarting(EEditStep step) override;

    // The history put a recorded project back: panels, list and canvas show it.
    void ShowRestored();

    // No selection, tool, preview or panel object is kept from before.
    void ResetEditing(bool projectOpen);
    void AfterScreenCommand(std::optional<std::int32_t> current);
    void ShowScreenProperties();
    // Arrow keys move the selection (by one dot with Alt), Delete deletes it, Esc cancels the
    // tool; false for any other key.
    bool HandleEditingKey(const QKeyEvent& event);
    void MoveSelectionByKey(int key, bool oneDot);
    void LayOut();

    CEditorContext& m_context;
    CViewState m_viewState;
    CScreenListPanel* m_pScreenList;
    CPropertyPanelStack* m_pPanels;
    std::unique_ptr<CToolRegistry> m_pTools;
    CCanvasArea* m_pCanvasArea;
    QLayout* m_pCanvasRow = nullptr;
    CUndoHistory* m_pHistory;
    bool m_bCapturing = false;
};

}  // namespace tavelo
