#pragma once
// Where the editor's download finds its port and PLC drivers; the program passes the
// defaults, tests a pseudo-terminal and a folder of their own.

#include <filesystem>
#include <optional>
#include <string>

#include "link/PortName.h"

namespace tavelo {

struct CDownloadOptions {
    // COMn stands for this prefix followed by n - 1.
    std::string m_strComPrefix = kDefaultComPrefix;
    // A device used instead of the port chosen in the project.
    std::optional<std::string> m_portDevice;
    // Searched for PLC drivers after the program directory; the user's driver folder when
    // not given.
    std::optional<std::filesystem::path> m_driversFolder;
};

}  // namespace tavelo
