// Feeds arbitrary bytes, as panel replies, to the frame decoder and to a download session
// waiting for replies: any input must be taken or refused, never crash or read outside it.

#include <cstddef>
#include <cstdint>

#include "link/DownloadSession.h"

namespace {

class CNullLink : public tavelo::CSessionLink {
public:
    void SetRts(bool) override {}
    bool Send(std::span<const std::uint8_t>) override { return true; }
    void StartWait(int) override {}
    void ReportProgress(int) override {}
    void ReportResult(const tavelo::CDownloadResult&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    tavelo::CFrame frame;
    tavelo::DecodeFrame(bytes, tavelo::kStartByteZorA, frame);

    CNullLink link;
    tavelo::CDownloadSession session(
        {std::vector<std::uint8_t>(256, 0x11), std::vector<std::uint8_t>(128, 0x22), 5, 0}, link);
    session.Start();
    for (int wait = 0; wait < 3; ++wait) session.OnWaitElapsed();
    // In pieces of up to 64 bytes, as a serial line delivers them.
    for (std::size_t at = 0; at < size; at += 64)
        session.OnBytes(bytes.subspan(at, std::min<std::size_t>(64, size - at)));
    return 0;
}
