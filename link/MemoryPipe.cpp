#include "MemoryPipe.h"

#include <utility>

namespace tavelo {

CMemoryPipe::CMemoryPipe() {
    for (int side = 0; side < 2; ++side) {
        m_ends[side].m_pPipe = this;
        m_ends[side].m_nSide = side;
    }
}

bool CMemoryPipe::CEnd::Write(std::span<const std::uint8_t> bytes) {
    const int peer = 1 - m_nSide;
    std::function<void()> handler;
    {
        std::lock_guard lock(m_pPipe->m_mutex);
        auto& waiting = m_pPipe->m_received[peer];
        waiting.insert(waiting.end(), bytes.begin(), bytes.end());
        handler = m_pPipe->m_handlers[peer];
    }
    // Outside the lock: the handler may read at once.
    if (handler) handler();
    return true;
}

std::vector<std::uint8_t> CMemoryPipe::CEnd::ReadAvailable() {
    std::lock_guard lock(m_pPipe->m_mutex);
    return std::exchange(m_pPipe->m_received[m_nSide], {});
}

void CMemoryPipe::CEnd::SetDataHandler(std::function<void()> handler) {
    std::lock_guard lock(m_pPipe->m_mutex);
    m_pPipe->m_handlers[m_nSide] = std::move(handler);
}

}  // namespace tavelo
