#pragma once
// Opens the stored project whose image comes close to the panel's size limit, as the benchmarks
// of the compiler and the emulator both start from it.

#include "compiler/ReapplyPanels.h"
#include "elements/ElementClasses.h"
#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"

namespace tavelo {

inline void OpenNearLimitProject(CTaveloDoc& doc, CAppState& appState) {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    RegisterElementClasses(registry);
    CProjectFile::Open(TAVELO_NEAR_LIMIT_PROJECT, registry, doc, appState);
    ReapplyPanels(doc, appState);
}

}  // namespace tavelo
