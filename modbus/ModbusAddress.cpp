#include "ModbusAddress.h"

#include <algorithm>

namespace tavelo {

namespace {

// Stations 1..247 are devices; 0 is broadcast, which never answers a read.
constexpr std::int64_t kLowestStation = 1;
constexpr std::int64_t kHighestStation = 247;
// Addresses as the PLC's manuals count them: 1..65536 stand for protocol addresses 0..65535.
constexpr std::int64_t kLowestAddress = 1;
constexpr std::int64_t kHighestAddress = 0x10000;

std::optional<EModbusTable> TableOf(std::int64_t unitCode) {
    switch (unitCode) {
        case kUnitHoldingRegister:
            return EModbusTable::HoldingRegisters;
        case kUnitInputRegister:
            return EModbusTable::InputRegisters;
        case kUnitCoil:
            return EModbusTable::Coils;
        case kUnitDiscreteInput:
            return EModbusTable::DiscreteInputs;
        default:
            return std::nullopt;
    }
}

const char* PrefixOf(std::int64_t unitCode) {
    switch (unitCode) {
        case kUnitHoldingRegister:
            return "4X";
        case kUnitInputRegister:
            return "3X";
        case kUnitCoil:
            return "0X";
        case kUnitDiscreteInput:
            return "1X";
        default:
            return nullptr;
    }
}

}  // namespace

std::optional<CModbusSpan> MapToModbus(const CPollAddress& address, std::int64_t byteCount) {
    const std::optional<EModbusTable> table = TableOf(address.m_nUnitCode);
    if (!table || address.m_nStation < kLowestStation || address.m_nStation > kHighestStation)
        return std::nullopt;
    CModbusSpan span{*table, static_cast<int>(address.m_nStation),
                     static_cast<int>(address.m_nAddress - kLowestAddress), 1};
    if (!span.IsBits()) span.m_nCount = static_cast<int>((std::clamp<std::int64_t>(byteCount, 1, 4) + 1) / 2);
    if (address.m_nAddress < kLowestAddress ||
        address.m_nAddress + span.m_nCount - 1 > kHighestAddress)
        return std::nullopt;
    return span;
}

std::string DescribeModbusAddress(const CPollAddress& address) {
    const char* prefix = PrefixOf(address.m_nUnitCode);
    const std::string unit =
        prefix ? prefix : "unit " + std::to_string(address.m_nUnitCode) + " address ";
    return "station " + std::to_string(address.m_nStation) + " " + unit +
           std::to_string(address.m_nAddress);
}

std::int64_t JoinRegisters(const std::vector<std::uint16_t>& registers) {
    std::int64_t value = 0;
    for (std::size_t i = registers.size(); i-- > 0;) value = (value << 16) | registers[i];
    return value;
}

std::vector<std::uint16_t> SplitRegisters(std::int64_t value, int count) {
    std::vector<std::uint16_t> registers;
    for (int i = 0; i < count; ++i)
        registers.push_back(static_cast<std::uint16_t>((static_cast<std::uint64_t>(value) >> (16 * i)) & 0xFFFF));
    return registers;
}

}  // namespace tavelo
