#pragma once
// A document, process-wide state, registry and scripted user for editor tests; the context
// points the editor at the delivered data files beside the programs.

#include <QtGlobal>

#include "editor/EditorContext.h"
#include "elements/ElementClasses.h"
#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/TaveloDoc.h"
#include "support/qt/RecordingMessenger.h"
#include "support/qt/ScriptedFileChooser.h"

namespace tavelo::test {

struct EditorFixture {
    EditorFixture() {
        RegisterModelClasses(registry);
        RegisterElementClasses(registry);
    }

    CTaveloDoc doc;
    CAppState state;
    CClassRegistry registry;
    RecordingMessenger messenger;
    ScriptedFileChooser files;
    CEditorContext context{doc, state, registry, messenger, files,
                           qEnvironmentVariable("TAVELO_DATA_DIR").toStdString()};
};

}  // namespace tavelo::test
