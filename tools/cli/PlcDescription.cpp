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

namespace {

// The decoded value, or null for a stored index outside its table.
template <class T>
tools::Json Decoded(std::optional<T> value) {
    return value ? tools::Json(*value) : tools::Json(nullptr);
}

tools::Json JsonSerial(const CSerialComParam& serial) {
    return {{"portIndex", serial.m_nPort},
            {"port", Decoded(Lookup(kPortNames, serial.m_nPort))},
            {"baudIndex", serial.m_nBaudIndex},
            {"baud", Decoded(Lookup(kBaudRates, serial.m_nBaudIndex))},
            {"dataBitsIndex", serial.m_nDataBits},
            {"dataBits", Decoded(Lookup(kDataBits, serial.m_nDataBits))},
            {"stopBitsIndex", serial.m_nStopBits},
            {"stopBits", Decoded(Lookup(kStopBits, serial.m_nStopBits))},
            {"parityIndex", serial.m_nParity},
            {"parity", Decoded(Lookup(kParityNames, serial.m_nParity))}};
}

tools::Json JsonUnit(const CRegUnitConfig& unit) {
    return {{"name", tools::JsonText(unit.m_strName)},
            {"maxCount", unit.m_nMaxCount},
            {"addressingKind", unit.m_nAddressing},
            {"addressing", Decoded(Lookup(kAddressingNames, unit.m_nAddressing))},
            {"byteLow", unit.m_nByteLow},
            {"byteHigh", unit.m_nByteHigh},
            {"bitLow", unit.m_nBitLow},
            {"bitHigh", unit.m_nBitHigh},
            {"typeNo", unit.m_nTypeNo},
            {"unitBytes", unit.m_nUnitBytes}};
}

}  // namespace

tools::Json JsonPlcMembers(const CPLC& type) {
    tools::Json units = tools::Json::array();
    for (const CRegUnitConfig& unit : type.m_units) units.push_back(JsonUnit(unit));
    return {{"name", tools::JsonText(type.m_strName)},
            {"useStation", type.m_bUseStation},
            {"advanced", type.m_bAdvanced},
            {"stationMin", type.m_nStationMin},
            {"stationMax", type.m_nStationMax},
            {"serial", JsonSerial(type.m_serial)},
            {"units", std::move(units)}};
}

}  // namespace tavelo::cli
