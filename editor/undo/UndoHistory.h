#pragma once
// The project's undo history. A step brackets one change the user makes: opening it records
// the project as it is, closing it records the result and, when the project changed, puts
// both on the undo stack. Undo and redo put a whole recorded project back, so the project
// saves exactly as it did then. The document's modified mark follows the stack's clean state.

#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "EditStep.h"
#include "MergeKey.h"
#include "ProjectState.h"

namespace tavelo {

class CViewState;
struct CEditorContext;

class CUndoHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept; the oldest go first.
    static constexpr int kUndoLimit = 500;

    CUndoHistory(CEditorContext& context, CViewState& view, QObject* parent = nullptr);
    // The stack empties itself on the way out; nobody is told any more by then.
    ~CUndoHistory() override { m_stack.disconnect(this); }

    const QUndoStack& GetStack() const { return m_stack; }

    // Records the project as it is now; false, recording nothing, while a step is open.
    bool Begin(EEditStep step);
    bool IsOpen() const { return m_open.has_value(); }
    // Closes the open step, if any. With a key the step continues the previous one when that
    // had the same key and nothing happened in between.
    void End(std::optional<CMergeKey> key = std::nullopt);
    // Runs the change as one step, unless it is part of a step already open.
    template <class Change>
    void Record(EEditStep step, Change&& change) {
        const bool began = Begin(step);
        std::forward<Change>(change)();
        if (began) End();
    }

    bool CanUndo() const { return !IsOpen() && m_stack.canUndo(); }
    bool CanRedo() const { return !IsOpen() && m_stack.canRedo(); }
    void Undo();
    void Redo();
    // A new, opened or closed project starts without history and unmodified.
    void Clear();
    // The project was saved.
    void SetClean();

    // Puts the recorded project, current screen and selection back.
    void Restore(const CProjectState& state);

signals:
    // Every element and screen is about to be replaced: nothing may keep one.
    void Restoring();
    // The project, current screen and selection are back.
    void Restored();
    // What undo, redo and the modified mark show changed.
    void Changed();

private:
    CProjectState Capture();
    void SyncModified();
    void BreakRun();

    CEditorContext& m_context;
    CViewState& m_view;
    QUndoStack m_stack;
    std::optional<std::pair<EEditStep, CProjectState>> m_open;
    // The bytes last recorded or put back, shared with the next state that equals them.
    std::shared_ptr<const std::vector<std::uint8_t>> m_pLastBytes;
    std::optional<CMergeKey> m_lastKey;
    std::uint64_t m_nRun = 0;
};

}  // namespace tavelo
