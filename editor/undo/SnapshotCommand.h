#pragma once
// One undo step: the project before and after the change, put back whole by undo and redo.

#include <QUndoCommand>
#include <optional>

#include "MergeKey.h"
#include "ProjectState.h"

namespace tavelo {

class CUndoHistory;

class CSnapshotCommand : public QUndoCommand {
public:
    static constexpr int kMergeableId = 1;

    CSnapshotCommand(CUndoHistory& history, const QString& text, CProjectState before,
                     CProjectState after, std::optional<CMergeKey> key);

    int id() const override { return m_key ? kMergeableId : -1; }
    // Takes over the later step's after-state; a run that ends where it began leaves no step.
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    // The change is already done when the command is pushed; later redos put it back.
    void redo() override;

private:
    CUndoHistory& m_history;
    CProjectState m_before;
    CProjectState m_after;
    std::optional<CMergeKey> m_key;
    bool m_bDone = true;
};

}  // namespace tavelo
