#include "SnapshotCommand.h"

#include "UndoHistory.h"

namespace tavelo {

CSnapshotCommand::CSnapshotCommand(CUndoHistory& history, const QString& text, CProjectState before,
                                   CProjectState after, std::optional<CMergeKey> key)
    : QUndoCommand(text),
      m_history(history),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_key(std::move(key)) {}

bool CSnapshotCommand::mergeWith(const QUndoCommand* other) {
    const auto* later = dynamic_cast<const CSnapshotCommand*>(other);
    if (!later || later->m_key != m_key) return false;
    m_after = later->m_after;
    setObsolete(*m_after.m_pBytes == *m_before.m_pBytes);
    return true;
}

void CSnapshotCommand::undo() {
    m_history.Restore(m_before);
}

void CSnapshotCommand::redo() {
    if (m_bDone) {
        m_bDone = false;
        return;
    }
    m_history.Restore(m_after);
}

}  // namespace tavelo
