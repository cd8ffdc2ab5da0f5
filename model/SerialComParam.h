#pragma once
// The serial settings a PLC type normally uses (port, baud, data bits, stop bits, parity).

#include <cstdint>
#include <string>

#include "Serializable.h"

namespace tavelo {

class CSerialComParam : public CSerializable {
public:
    static constexpr const char* kClassName = "CSerialComParam";

    CSerialComParam() = default;
    CSerialComParam(std::int32_t port, std::int32_t baudIndex, std::int32_t dataBits,
                    std::int32_t stopBits, std::int32_t parity);

    void Set(std::int32_t port, std::int32_t baudIndex, std::int32_t dataBits,
             std::int32_t stopBits, std::int32_t parity);
    void Get(std::int32_t& port, std::int32_t& baudIndex, std::int32_t& dataBits,
             std::int32_t& stopBits, std::int32_t& parity) const;
    void CopyFrom(const CSerialComParam& other) { *this = other; }

    std::string GetRuntimeClassName() const override { return kClassName; }
    // Five int32 in member order, no tag.
    void Serialize(CArchive& ar) override;

    bool operator==(const CSerialComParam&) const = default;

    std::int32_t m_nPort = 0;       // 0 COM1, 1 COM2
    std::int32_t m_nBaudIndex = 3;  // 0..5 for 1200..38400 baud
    std::int32_t m_nDataBits = 1;   // 0 seven bits, 1 eight bits
    std::int32_t m_nStopBits = 0;   // 0 one bit, 1 two bits
    std::int32_t m_nParity = 0;     // 0 none, 1 odd, 2 even
};

}  // namespace tavelo
