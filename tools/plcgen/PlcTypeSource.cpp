#include "PlcTypeSource.h"

#include <algorithm>
#include <tuple>

#include "tools/common/SourceError.h"
#include "SourceLine.h"
#include "model/FileBytes.h"
#include "model/TextCodec.h"

namespace tavelo {

namespace {

// A source is a few hundred lines; anything near this size is not one.
constexpr std::uintmax_t kLargestSource = 4u << 20;

std::int32_t GetFlag(const CSourceLine& line, std::string_view key) {
    return line.GetChoice(key, {"no", "yes"});
}

}  // namespace

std::vector<CPLC> CPlcTypeSource::Parse(std::string_view text, const std::string& fileName) {
    CPlcTypeSource source(fileName);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        source.ReadLine(CSourceLine(text.substr(0, end), fileName, ++lineNumber));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    source.CloseType();
    return std::move(source.m_types);
}

std::vector<CPLC> CPlcTypeSource::Load(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file, kLargestSource);
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 file.string());
}

void CPlcTypeSource::ReadLine(const CSourceLine& line) {
    if (line.IsBlank()) return;
    const std::string& keyword = line.GetKeyword();
    if (keyword == "plc")
        ReadType(line);
    else if (keyword == "serial")
        ReadSerial(line);
    else if (keyword == "unit")
        ReadUnit(line);
    else
        line.Fail("unknown keyword '" + keyword + "' (expected plc, serial or unit)");
}

void CPlcTypeSource::ReadType(const CSourceLine& line) {
    CloseType();
    CPLC type;
    type.m_strName = line.GetName();
    line.RequireExactly({"station", "advanced", "station-range"});
    type.m_bUseStation = GetFlag(line, "station");
    type.m_bAdvanced = GetFlag(line, "advanced");
    const auto [low, high] = line.GetRange("station-range");
    if (high > kHighestStation)
        line.Fail("station numbers end at " + std::to_string(kHighestStation));
    type.m_nStationMin = low;
    type.m_nStationMax = high;
    for (const CPLC& earlier : m_types)
        if (earlier.m_strName == type.m_strName)
            line.Fail("PLC type \"" + ToUtf8(type.m_strName) + "\" is listed twice");
    m_types.push_back(std::move(type));
    m_nTypeLine = line.GetLineNumber();
}

void CPlcTypeSource::ReadSerial(const CSourceLine& line) {
    CPLC& type = RequireOpenType(line);
    if (m_bHasSerial) line.Fail("a second 'serial' line for this PLC type");
    line.RequireExactly({"port", "baud", "data", "stop", "parity"});
    type.m_serial.Set(line.GetChoice("port", {"COM1", "COM2"}),
                      line.GetChoice("baud", {"1200", "2400", "4800", "9600", "19200", "38400"}),
                      line.GetChoice("data", {"7", "8"}), line.GetChoice("stop", {"1", "2"}),
                      line.GetChoice("parity", {"none", "odd", "even"}));
    m_bHasSerial = true;
}

void CPlcTypeSource::ReadUnit(const CSourceLine& line) {
    CPLC& type = RequireOpenType(line);
    CRegUnitConfig unit;
    unit.m_strName = line.GetName();
    line.RequireExactly({"count", "kind", "byte", "bit", "type", "bytes"});
    unit.m_nMaxCount = line.GetNumber("count");
    if (unit.m_nMaxCount < 1) line.Fail("'count' must be at least 1");
    unit.m_nAddressing = line.GetChoice("kind", {"byte", "bit", "byte+bit"});
    std::tie(unit.m_nByteLow, unit.m_nByteHigh) = line.GetRange("byte");
    std::tie(unit.m_nBitLow, unit.m_nBitHigh) = line.GetRange("bit");
    unit.m_nTypeNo = line.GetNumber("type");
    if (unit.m_nTypeNo > kHighestTypeNo)
        line.Fail("type numbers end at " + std::to_string(kHighestTypeNo));
    unit.m_nUnitBytes = line.GetNumber("bytes");
    if (unit.m_nUnitBytes != 1 && unit.m_nUnitBytes != 2 && unit.m_nUnitBytes != 4)
        line.Fail("'bytes' must be 1, 2 or 4");
    if (!m_unitNames.insert(unit.m_strName).second)
        line.Fail("unit \"" + ToUtf8(unit.m_strName) + "\" is listed twice in this PLC type");
    if (!m_typeNos.insert(unit.m_nTypeNo).second)
        line.Fail("type number " + std::to_string(unit.m_nTypeNo) +
                  " is used twice in this PLC type");
    type.m_units.push_back(std::move(unit));
}

CPLC& CPlcTypeSource::RequireOpenType(const CSourceLine& line) {
    if (m_nTypeLine == 0) line.Fail("'" + line.GetKeyword() + "' before the first 'plc' line");
    return m_types.back();
}

void CPlcTypeSource::CloseType() {
    if (m_nTypeLine != 0 && !m_bHasSerial)
        throw CSourceError(
            m_strFileName, m_nTypeLine,
            "PLC type \"" + ToUtf8(m_types.back().m_strName) + "\" has no 'serial' line");
    m_nTypeLine = 0;
    m_bHasSerial = false;
    m_typeNos.clear();
    m_unitNames.clear();
}

}  // namespace tavelo
