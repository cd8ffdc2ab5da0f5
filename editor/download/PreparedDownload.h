#pragma once
// Everything the download needs before a port is opened: the compiled image, the PLC driver
// and the device, or the messages that stop the download there.

#include <optional>
#include <string>
#include <vector>

#include "DownloadOptions.h"
#include "link/DownloadSession.h"

namespace tavelo {

struct CEditorContext;

struct CPreparedDownload {
    // Present when the transfer may start.
    std::optional<CDownloadData> m_data;
    // To show in order before the transfer: the compiler's, then a failed driver lookup's.
    std::vector<std::u16string> m_messages;
    std::string m_strDevice;
};

// Compiles the project with the data files of the program directory and looks up the driver
// of the project's PLC list index; opens nothing.
CPreparedDownload PrepareDownload(const CEditorContext& context, const CDownloadOptions& options);

}  // namespace tavelo
