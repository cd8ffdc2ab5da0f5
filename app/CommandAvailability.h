#pragma once
// Which commands of the main window are available in the editor's present state.

#include "editor/ViewState.h"

namespace tavelo {

struct CCommandAvailability {
    // Tools, screen commands but delete, settings, save as, close, display type, grid.
    bool m_bProjectCommands = false;
    bool m_bSave = false;
    bool m_bDeleteScreen = false;
    bool m_bDeleteSelection = false;
    bool m_bAlign = false;
    bool m_bDownload = false;
};

CCommandAvailability QueryCommandAvailability(const CViewState& view);

}  // namespace tavelo
