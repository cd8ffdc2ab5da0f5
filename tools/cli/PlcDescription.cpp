#include "PlcDescription.h"

#include <ostream>
#include <type_traits>

#include "TextTable.h"
#include "model/TextCodec.h"

namespace tavelo::cli {

namespace {

// The value with its suffix, or the field and its stored index when the index is unknown.
template <class T>
std::string Describe(std::optional<T> value, const std::string& suffix, const char* field,
                     std::int32_t raw) {
    if (!value) return std::string(field) + " " + std::to_string(raw) + " (unknown)";
    if constexpr (std::is_arithmetic_v<T>)
        return std::to_string(*value) + suffix;
    else
        return std::string(*value) + suffix;
}

std::u16string Number(std::int32_t value) {
    return FromUtf8(std::to_string(value));
}

}  // namespace

std::string DescribeSerial(const CSerialComParam& serial) {
    const auto stop = Lookup(kStopBits, serial.m_nStopBits);
    const std::string parts[] = {
        Describe(Lookup(kPortNames, serial.m_nPort), "", "port", serial.m_nPort),
        Describe(Lookup(kBaudRates, serial.m_nBaudIndex), "", "baud index", serial.m_nBaudIndex),
        Describe(Lookup(kDataBits, serial.m_nDataBits), " data bits", "data bits",
                 serial.m_nDataBits),
        Describe(stop, stop == 1 ? " stop bit" : " stop bits", "stop bits", serial.m_nStopBits),
        Describe(Lookup(kParityNames, serial.m_nParity), "", "parity", serial.m_nParity)};
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

void WriteUnitTable(const std::vector<CRegUnitConfig>& units, std::ostream& out) {
    using Align = CTextTable::Align;
    CTextTable table({u"unit", u"max count", u"addressing", u"byte low", u"byte high", u"bit low",
                      u"bit high", u"type", u"bytes"},
                     {Align::kLeft, Align::kRight, Align::kLeft, Align::kRight, Align::kRight,
                      Align::kRight, Align::kRight, Align::kRight, Align::kRight});
    for (const CRegUnitConfig& unit : units) {
        const auto addressing = Lookup(kAddressingNames, unit.m_nAddressing);
        // Quoted, so that a name's trailing blank shows.
        table.AddRow(
            {u"\"" + unit.m_strName + u"\"", Number(unit.m_nMaxCount),
             addressing ? FromUtf8(*addressing) : Number(unit.m_nAddressing) + u" (unknown)",
             Number(unit.m_nByteLow), Number(unit.m_nByteHigh), Number(unit.m_nBitLow),
             Number(unit.m_nBitHigh), Number(unit.m_nTypeNo), Number(unit.m_nUnitBytes)});
    }
    table.Write(out, "    ");
}

void WriteJsonSerial(CJsonWriter& json, const CSerialComParam& serial) {
    json.BeginObject();
    IntMember(json, "portIndex", serial.m_nPort);
    DecodedMember(json, "port", Lookup(kPortNames, serial.m_nPort));
    IntMember(json, "baudIndex", serial.m_nBaudIndex);
    DecodedMember(json, "baud", Lookup(kBaudRates, serial.m_nBaudIndex));
    IntMember(json, "dataBitsIndex", serial.m_nDataBits);
    DecodedMember(json, "dataBits", Lookup(kDataBits, serial.m_nDataBits));
    IntMember(json, "stopBitsIndex", serial.m_nStopBits);
    DecodedMember(json, "stopBits", Lookup(kStopBits, serial.m_nStopBits));
    IntMember(json, "parityIndex", serial.m_nParity);
    DecodedMember(json, "parity", Lookup(kParityNames, serial.m_nParity));
    json.EndObject();
}

void WriteJsonUnit(CJsonWriter& json, const CRegUnitConfig& unit) {
    json.BeginObject();
    TextMember(json, "name", unit.m_strName);
    IntMember(json, "maxCount", unit.m_nMaxCount);
    IntMember(json, "addressingKind", unit.m_nAddressing);
    DecodedMember(json, "addressing", Lookup(kAddressingNames, unit.m_nAddressing));
    IntMember(json, "byteLow", unit.m_nByteLow);
    IntMember(json, "byteHigh", unit.m_nByteHigh);
    IntMember(json, "bitLow", unit.m_nBitLow);
    IntMember(json, "bitHigh", unit.m_nBitHigh);
    IntMember(json, "typeNo", unit.m_nTypeNo);
    IntMember(json, "unitBytes", unit.m_nUnitBytes);
    json.EndObject();
}

void WriteJsonPlcMembers(CJsonWriter& json, const CPLC& type) {
    TextMember(json, "name", type.m_strName);
    IntMember(json, "useStation", type.m_bUseStation);
    IntMember(json, "advanced", type.m_bAdvanced);
    IntMember(json, "stationMin", type.m_nStationMin);
    IntMember(json, "stationMax", type.m_nStationMax);
    json.Key("serial");
    WriteJsonSerial(json, type.m_serial);
    json.Key("units");
    json.BeginArray();
    for (const CRegUnitConfig& unit : type.m_units) WriteJsonUnit(json, unit);
    json.EndArray();
}

}  // namespace tavelo::cli
