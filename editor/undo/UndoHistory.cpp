#include "UndoHistory.h"

#include "SnapshotCommand.h"
#include "editor/EditorContext.h"
#include "editor/QtText.h"
#include "editor/ViewState.h"
#include "model/ElementKind.h"
#include "model/ProjectSnapshot.h"
#include "model/TaveloDoc.h"
#include "translation/ShownText.h"

namespace tavelo {
namespace {

// Only elements of a stored kind come back from a snapshot; the positions count those.
bool IsStored(const CGraphObj& element) {
    return KindOfClassName(element.GetClassName()).has_value();
}

}  // namespace

CUndoHistory::CUndoHistory(CEditorContext& context, CViewState& view, QObject* parent)
    : QObject(parent), m_context(context), m_view(view) {
    m_stack.setUndoLimit(kUndoLimit);
    connect(&m_stack, &QUndoStack::indexChanged, this, &CUndoHistory::SyncModified);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &CUndoHistory::SyncModified);
}

bool CUndoHistory::Begin(EEditStep step) {
    if (IsOpen()) return false;
    m_open.emplace(step, Capture());
    return true;
}

void CUndoHistory::End(std::optional<CMergeKey> key) {
    if (!IsOpen()) return;
    auto [step, before] = std::move(*m_open);
    m_open.reset();
    if (key) {
        if (key != m_lastKey) BreakRun();
        m_lastKey = key;
        key->m_nRun = m_nRun;
    } else {
        BreakRun();
    }
    CProjectState after = Capture();
    // A command that changed nothing leaves no step, unless it marked a clean project modified
    // as a dialog's OK does: then a step stands for the mark, so that undo takes it back.
    const bool marked = m_context.m_doc.IsModified() && m_stack.isClean();
    if (after.m_pBytes == before.m_pBytes && !marked) {
        SyncModified();
        return;
    }
    m_stack.push(new CSnapshotCommand(*this, ShownText(EditStepName(step)), std::move(before),
                                      std::move(after), std::move(key)));
    SyncModified();
}

void CUndoHistory::Undo() {
    if (!CanUndo()) return;
    BreakRun();
    m_stack.undo();
}

void CUndoHistory::Redo() {
    if (!CanRedo()) return;
    BreakRun();
    m_stack.redo();
}

void CUndoHistory::Clear() {
    m_open.reset();
    m_pLastBytes.reset();
    BreakRun();
    m_stack.clear();
    SyncModified();
}

void CUndoHistory::SetClean() {
    BreakRun();
    m_stack.setClean();
    SyncModified();
}

void CUndoHistory::Restore(const CProjectState& state) {
    emit Restoring();
    m_view.ClearSelection();
    CProjectSnapshot::Restore(*state.m_pBytes, m_context.m_registry, m_context.m_doc,
                              m_context.m_state);
    m_pLastBytes = state.m_pBytes;
    const CTaveloDoc& doc = m_context.m_doc;
    m_view.SetCurrentScreenNo(doc.FindScreen(state.m_nCurrentScreen) ? state.m_nCurrentScreen
                                                                     : doc.GetFirstScreenNumber());
    std::vector<CGraphObj*> selection;
    for (std::size_t position : state.m_selection)
        if (position < doc.GetElements().size())
            selection.push_back(doc.GetElements()[position].get());
    m_view.SetSelection(std::move(selection));
    emit Restored();
}

CProjectState CUndoHistory::Capture() {
    CProjectState state;
    auto bytes = CProjectSnapshot::Take(m_context.m_doc, m_context.m_state);
    if (!m_pLastBytes || *m_pLastBytes != bytes)
        m_pLastBytes = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    state.m_pBytes = m_pLastBytes;
    state.m_nCurrentScreen = m_view.GetCurrentScreenNo();
    std::size_t position = 0;
    for (const auto& element : m_context.m_doc.GetElements()) {
        if (!IsStored(*element)) continue;
        if (m_view.IsInSelection(element.get())) state.m_selection.push_back(position);
        ++position;
    }
    return state;
}

void CUndoHistory::SyncModified() {
    m_context.m_doc.SetModified(!m_stack.isClean());
    emit Changed();
}

void CUndoHistory::BreakRun() {
    m_lastKey.reset();
    ++m_nRun;
}

}  // namespace tavelo
