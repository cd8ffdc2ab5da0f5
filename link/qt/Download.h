#pragma once
// One whole download for callers without an event loop of their own (the command line): finds
// the PLC driver, opens the port and runs the session on a worker thread, handing progress to
// the caller's thread, and returns the result text.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "link/PortName.h"
#include "link/SerialPort.h"

namespace tavelo {

struct CDownloadRequest {
    // The padded download image and the block count the panel is told.
    std::vector<std::uint8_t> m_image;
    std::size_t m_nBlockCount = 0;
    std::uint8_t m_nPlcListIndex = 0;
    std::int32_t m_nModelIndex = 0;
    // "COM1".."COM4" or a device path.
    std::string m_strPort;
    std::string m_strComPrefix = kDefaultComPrefix;
    // Searched after the program directory; the user data folder when not given.
    std::optional<std::filesystem::path> m_driversFolder;
    // Notices and the reason of a failure, when given.
    std::ostream* m_pLog = nullptr;
    // Every frame sent and received with its time and meaning, when given.
    std::ostream* m_pFrameLog = nullptr;
    // Called on the caller's thread with each new position, 0..100.
    std::function<void(int)> m_progress;
    // When given and set, the download is cancelled.
    const std::atomic<bool>* m_pCancel = nullptr;
    // Called on the caller's thread when the cancel has been passed on to the session.
    std::function<void()> m_cancelling;
    // Tests hand in another line; null opens m_strPort. The frame log wraps either.
    std::function<std::unique_ptr<CSerialPort>(std::string& error)> m_makePort;
};

struct CDownloadReport {
    bool m_bSucceeded = false;
    std::u16string m_strMessage;
};

CDownloadReport RunDownload(const CDownloadRequest& request);

}  // namespace tavelo
