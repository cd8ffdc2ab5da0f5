#pragma once
// Reads the readable source of the delivered PLC type file (data/PlcTypes.txt, whose header
// describes the format) into PLC type records, refusing anything the file must not hold.

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/PLC.h"

namespace tavelo {

class CSourceLine;

class CPlcTypeSource {
public:
    // Both throw CSourceError ("file:line: message") at the first fault; Load throws
    // CFileError when the file cannot be read.
    static std::vector<CPLC> Parse(std::string_view text, const std::string& fileName);
    static std::vector<CPLC> Load(const std::filesystem::path& file);

    // Station numbers, unit codes and baud rates as the panel holds them.
    static constexpr std::int32_t kHighestStation = 255;
    static constexpr std::int32_t kHighestTypeNo = 255;

private:
    explicit CPlcTypeSource(std::string fileName) : m_strFileName(std::move(fileName)) {}

    void ReadLine(const CSourceLine& line);
    void ReadType(const CSourceLine& line);
    void ReadSerial(const CSourceLine& line);
    void ReadUnit(const CSourceLine& line);
    // Checks that the open block is complete before the next one or the end of the file.
    void CloseType();
    CPLC& RequireOpenType(const CSourceLine& line);

    std::string m_strFileName;
    std::vector<CPLC> m_types;
    int m_nTypeLine = 0;  // line of the open block's "plc" line, 0 when none is open
    bool m_bHasSerial = false;
    std::set<std::int32_t> m_typeNos;
    std::set<std::u16string> m_unitNames;
};

}  // namespace tavelo
