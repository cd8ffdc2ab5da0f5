#pragma once
// What every part of the editor works on: the one document, the process-wide state, the class
// registry projects are read with, the data directory, and the ways to talk to the user.

#include <filesystem>

namespace tavelo {

class CAppState;
class CClassRegistry;
class CFileChooser;
class CMessenger;
class CTaveloDoc;

struct CEditorContext {
    CTaveloDoc& m_doc;
    CAppState& m_state;
    const CClassRegistry& m_registry;
    CMessenger& m_messenger;
    CFileChooser& m_files;
    // Where PlcTypes.DAT, the fonts, the drivers and the manuals lie.
    std::filesystem::path m_programDir;
};

}  // namespace tavelo
