#pragma once
// Two connected in-memory serial ends: what one writes, the other reads. Thread-safe, so
// a simulated panel can serve one end from its own thread.

#include <memory>
#include <mutex>

#include "SerialPort.h"

namespace tavelo {

class CMemoryPipe {
public:
    class CEnd : public CSerialPort {
    public:
        bool Write(std::span<const std::uint8_t> bytes) override;
        bool SetRts(bool) override { return false; }
        std::vector<std::uint8_t> ReadAvailable() override;
        void SetDataHandler(std::function<void()> handler) override;

    private:
        friend class CMemoryPipe;
        CMemoryPipe* m_pPipe = nullptr;
        int m_nSide = 0;
    };

    CMemoryPipe();
    CMemoryPipe(const CMemoryPipe&) = delete;
    CMemoryPipe& operator=(const CMemoryPipe&) = delete;

    CEnd& GetPcEnd() { return m_ends[0]; }
    CEnd& GetPanelEnd() { return m_ends[1]; }

private:
    std::mutex m_mutex;
    CEnd m_ends[2];
    std::vector<std::uint8_t> m_received[2];  // bytes waiting at each side
    std::function<void()> m_handlers[2];
};

}  // namespace tavelo
