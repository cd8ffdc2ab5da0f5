#include "ToolCommands.h"

#include <QFileInfo>

#include "BitmapPlacement.h"
#include "ToolCommand.h"
#include "editor/EditorContext.h"
#include "editor/FileChooser.h"
#include "editor/EditorTexts.h"
#include "editor/Messenger.h"
#include "editor/QtText.h"
#include "editor/ViewState.h"
#include "model/AppState.h"

namespace tavelo {

namespace {

void BackToSelect(CViewState& view) {
    view.SetCurrentTool(tool_number::kSelect);
    view.GetPreview().m_bOn = false;
}

}  // namespace

void ChooseTool(CViewState& view, const CToolCommand& command) {
    using EKind = CToolCommand::EKind;
    if (command.m_eKind == EKind::kSelect) {
        view.SetCurrentTool(tool_number::kSelect);
        view.GetPreview().m_sizeDots = {0, 0};
        view.ClearSelection();
        view.GetPreview().m_bOn = false;
        view.NotifyCanvasChanged();
    } else if (command.m_eKind == EKind::kElement) {
        view.GetPreview().m_bOn = true;
        view.SetCurrentTool(command.m_nTool);
        view.GetPreview().m_sizeDots = command.m_sizePreviewDots;
    }
}

void ChooseStaticBitmap(const CEditorContext& context, CViewState& view, QWidget* parent) {
    const QString path = context.m_files.ChooseBitmap(parent);
    if (path.isEmpty()) {
        view.m_strBitmapPath.clear();
        view.m_strBitmapTitle.clear();
        BackToSelect(view);
        return;
    }
    view.m_strBitmapPath = ToU16(path);
    view.m_strBitmapTitle = ToU16(QFileInfo(path).completeBaseName());
    const CBitmapImport import = ImportPlaceableBitmap(view.m_strBitmapPath);
    if (!import.m_bitmap) {
        context.m_messenger.Show(parent, ShownText(editor_text::kMessageCaption),
                                 ShownText(import.m_strMessage), CMessenger::EIcon::kWarning);
        BackToSelect(view);
        return;
    }
    view.GetPreview().m_bOn = true;
    view.SetCurrentTool(tool_number::kStaticBitmap);
    view.GetPreview().m_sizeDots = {import.m_bitmap->m_nPixelWidth,
                                    import.m_bitmap->m_nPixelHeight};
}

void RunToolCommand(const CEditorContext& context, CViewState& view, const CToolCommand& command,
                    QWidget* parent) {
    if (command.m_eKind == CToolCommand::EKind::kStaticBitmap)
        ChooseStaticBitmap(context, view, parent);
    else
        ChooseTool(view, command);
}

bool IsChecked(const CViewState& view, const CToolCommand& command) {
    return !command.IsAlwaysUnavailable() && view.GetCurrentTool() == command.m_nTool;
}

bool IsEnabled(const CViewState& view, const CToolCommand& command) {
    return view.IsProjectOpen() && !command.IsAlwaysUnavailable();
}

}  // namespace tavelo
