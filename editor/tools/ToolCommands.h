#pragma once
// What the drawing commands do to the editing state: choose a tool and its placement preview,
// ask for the static bitmap's file, and whether a command shows its check mark.

class QWidget;

namespace tavelo {

class CViewState;
struct CEditorContext;
struct CToolCommand;

// The select command drops the selection and the preview; an element command switches the
// preview on with its kind's size. Static bitmap and unavailable commands change nothing here.
void ChooseTool(CViewState& view, const CToolCommand& command);
// Asks for a BMP file and measures it: cancel or a picture that cannot be placed returns to
// the select tool (the latter with the import's message); otherwise the static bitmap tool is
// chosen with the picture's size as preview.
void ChooseStaticBitmap(const CEditorContext& context, CViewState& view, QWidget* parent);
// ChooseStaticBitmap for the static bitmap command, ChooseTool for the others.
void RunToolCommand(const CEditorContext& context, CViewState& view, const CToolCommand& command,
                    QWidget* parent);
// While the command's tool is the current one.
bool IsChecked(const CViewState& view, const CToolCommand& command);
// With a project open, unless the command is always unavailable.
bool IsEnabled(const CViewState& view, const CToolCommand& command);

}  // namespace tavelo
