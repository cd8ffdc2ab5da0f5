#pragma once
// Where an address of the panel's Modbus(RTU) PLC type lies on a Modbus device: its unit codes
// name the four Modbus tables, its addresses count from 1 as in the PLC's own manuals (4X1 is
// holding register 0), and a value of several registers has its low word first.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "emulator/PolledValues.h"

namespace tavelo {

enum class EModbusTable { HoldingRegisters, InputRegisters, Coils, DiscreteInputs };

// The unit codes of the Modbus(RTU) PLC type.
inline constexpr std::int64_t kUnitHoldingRegister = 1;  // 4X
inline constexpr std::int64_t kUnitInputRegister = 2;    // 3X
inline constexpr std::int64_t kUnitCoil = 3;             // 0X
inline constexpr std::int64_t kUnitDiscreteInput = 4;    // 1X

struct CModbusSpan {
    EModbusTable m_eTable = EModbusTable::HoldingRegisters;
    int m_nStation = 0;
    int m_nStart = 0;  // the protocol's address, from 0
    int m_nCount = 1;  // registers or bits

    bool IsBits() const {
        return m_eTable == EModbusTable::Coils || m_eTable == EModbusTable::DiscreteInputs;
    }
    bool IsWritable() const {
        return m_eTable == EModbusTable::Coils || m_eTable == EModbusTable::HoldingRegisters;
    }
};

// The span a value of byteCount bytes at the address covers (one bit for bit tables, a
// register per two bytes otherwise), or nothing for a unit code, station or address that
// names no place on a Modbus device.
std::optional<CModbusSpan> MapToModbus(const CPollAddress& address, std::int64_t byteCount);

// "station 1 4X100", as users of such PLCs write addresses.
std::string DescribeModbusAddress(const CPollAddress& address);

// The registers' contents as one unsigned number, low word first.
std::int64_t JoinRegisters(const std::vector<std::uint16_t>& registers);
// The low `count` registers of the value, low word first.
std::vector<std::uint16_t> SplitRegisters(std::int64_t value, int count);

}  // namespace tavelo
