#include "CommandAvailability.h"

#include "model/TaveloDoc.h"

namespace tavelo {

CCommandAvailability QueryCommandAvailability(const CViewState& view) {
    const CTaveloDoc& doc = view.GetDoc();
    const bool open = view.IsProjectOpen();
    return {
        .m_bProjectCommands = open,
        .m_bSave = open && doc.IsModified(),
        .m_bDeleteScreen = !doc.GetScreens().empty(),
        .m_bDeleteSelection = !view.GetSelection().empty(),
        .m_bAlign = view.CanAlign(),
        .m_bDownload = !doc.GetElements().empty(),
    };
}

}  // namespace tavelo
