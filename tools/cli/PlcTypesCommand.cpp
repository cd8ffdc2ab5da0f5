#include "PlcTypesCommand.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "JsonWriter.h"
#include "TextTable.h"
#include "model/ArchiveError.h"
#include "model/FileError.h"
#include "model/TextCodec.h"
#include "plc/PlcTypeFile.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli plctypes";

constexpr std::array<const char*, 2> kPortNames = {"COM1", "COM2"};
constexpr std::array<int, 6> kBaudRates = {1200, 2400, 4800, 9600, 19200, 38400};
constexpr std::array<int, 2> kDataBits = {7, 8};
constexpr std::array<int, 2> kStopBits = {1, 2};
constexpr std::array<const char*, 3> kParityNames = {"none", "odd", "even"};
constexpr std::array<const char*, 3> kAddressingNames = {"byte", "bit", "byte+bit"};

// The entry a stored index stands for, or nothing for an index outside the table.
template <class T, std::size_t N>
std::optional<T> Lookup(const std::array<T, N>& table, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

struct COptions {
    std::filesystem::path m_file;
    bool m_bJson = false;
};

// False (with a message) for arguments the command does not take.
bool ParseOptions(const Arguments& args, COptions& options, std::ostream& err) {
    bool haveFile = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            options.m_bJson = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << kCommand << ": unknown option \"" << arg << "\"\n";
            return false;
        } else if (haveFile) {
            err << kCommand << ": only one FILE may be given\n";
            return false;
        } else {
            options.m_file = arg;
            haveFile = true;
        }
    }
    if (!haveFile) options.m_file = CPlcTypeFile::DefaultPath();
    return true;
}

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

std::u16string Number(std::int32_t value) {
    return FromUtf8(std::to_string(value));
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

void WriteText(const std::vector<CPLC>& types, const std::filesystem::path& file,
               std::ostream& out) {
    out << file.string() << ": " << types.size() << " PLC types\n";
    for (std::size_t index = 0; index < types.size(); ++index) {
        const CPLC& type = types[index];
        out << "\n[" << index << "] " << ToUtf8(type.m_strName) << "\n";
        out << "    station number: " << (type.m_bUseStation ? "used" : "not used") << ", range "
            << type.m_nStationMin << ".." << type.m_nStationMax
            << " (as stored); advanced functions: " << (type.m_bAdvanced ? "yes" : "no") << "\n";
        out << "    serial defaults: " << DescribeSerial(type.m_serial) << "\n";
        if (type.m_units.empty())
            out << "    no address units\n";
        else
            WriteUnitTable(type.m_units, out);
    }
}

void IntMember(CJsonWriter& json, std::string_view key, std::int64_t value) {
    json.Key(key);
    json.Int(value);
}

void TextMember(CJsonWriter& json, std::string_view key, std::u16string_view value) {
    json.Key(key);
    json.String(value);
}

void BoolMember(CJsonWriter& json, std::string_view key, bool value) {
    json.Key(key);
    json.Bool(value);
}

// The decoded value, or null for a stored index outside the table.
template <class T>
void DecodedMember(CJsonWriter& json, std::string_view key, std::optional<T> value) {
    json.Key(key);
    if (!value)
        json.Null();
    else if constexpr (std::is_arithmetic_v<T>)
        json.Int(*value);
    else
        json.String(std::string_view(*value));
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

void WriteJsonType(CJsonWriter& json, const CPLC& type, std::size_t index) {
    json.BeginObject();
    IntMember(json, "index", static_cast<std::int64_t>(index));
    TextMember(json, "name", type.m_strName);
    BoolMember(json, "useStation", type.m_bUseStation != 0);
    BoolMember(json, "advanced", type.m_bAdvanced != 0);
    IntMember(json, "stationMin", type.m_nStationMin);
    IntMember(json, "stationMax", type.m_nStationMax);
    json.Key("serial");
    WriteJsonSerial(json, type.m_serial);
    json.Key("units");
    json.BeginArray();
    for (const CRegUnitConfig& unit : type.m_units) WriteJsonUnit(json, unit);
    json.EndArray();
    json.EndObject();
}

void WriteJson(const std::vector<CPLC>& types, const std::filesystem::path& file,
               std::ostream& out) {
    CJsonWriter json(out);
    json.BeginObject();
    TextMember(json, "file", FromUtf8(file.string()));
    json.Key("plcTypes");
    json.BeginArray();
    for (std::size_t index = 0; index < types.size(); ++index)
        WriteJsonType(json, types[index], index);
    json.EndArray();
    json.EndObject();
    json.Finish();
}

}  // namespace

int RunPlcTypesCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    COptions options;
    if (!ParseOptions(args, options, err)) return 2;
    std::vector<CPLC> types;
    try {
        types = CPlcTypeFile::Load(options.m_file);
    } catch (const CFileError& error) {
        err << kCommand << ": " << error.what() << "\n";
        return 1;
    } catch (const CArchiveError& error) {
        err << kCommand << ": damaged PLC type file " << error.what() << "\n";
        return 1;
    }
    if (options.m_bJson)
        WriteJson(types, options.m_file, out);
    else
        WriteText(types, options.m_file, out);
    return 0;
}

}  // namespace tavelo::cli
