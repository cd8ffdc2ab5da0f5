#include "PreparedDownload.h"

#include "compiler/ImageCompiler.h"
#include "editor/EditorContext.h"
#include "link/PlcDriver.h"
#include "model/AppState.h"
#include "model/TaveloDoc.h"

namespace tavelo {

namespace {

std::string DeviceOf(const CEditorContext& context, const CDownloadOptions& options) {
    if (options.m_portDevice) return *options.m_portDevice;
    return ResolvePortDevice(PortNameOfNumber(context.m_doc.GetLink().m_nDownloadPort),
                             options.m_strComPrefix);
}

}  // namespace

CPreparedDownload PrepareDownload(const CEditorContext& context, const CDownloadOptions& options) {
    CPreparedDownload prepared;
    CCompileOutcome outcome =
        CompileDownloadImage(context.m_doc, context.m_state, context.m_programDir);
    prepared.m_messages = std::move(outcome.m_messages);
    if (!outcome.Succeeded()) return prepared;

    const std::vector<std::filesystem::path> folders = {
        context.m_programDir, options.m_driversFolder.value_or(GetUserDriverDirectory())};
    CDriverLookup lookup =
        FindPlcDriver(context.m_programDir, folders, context.m_state.m_nPlcListIndex);
    if (!lookup.m_driver) {
        if (!lookup.m_strMessage.empty()) prepared.m_messages.push_back(lookup.m_strMessage);
        return prepared;
    }
    prepared.m_data =
        CDownloadData{std::move(outcome.m_image->m_bytes), std::move(lookup.m_driver->m_bytes),
                      lookup.m_driver->m_nDriverId, context.m_state.m_nModelIndex};
    prepared.m_strDevice = DeviceOf(context, options);
    return prepared;
}

}  // namespace tavelo
