#pragma once
// The project's PLC and link settings: PLC station, panel-to-PLC serial settings in the panel's
// own numbering, the PC port for downloading and the position of the chosen PLC type.

#include <array>
#include <cstdint>
#include <vector>

#include "PLC.h"

namespace tavelo {

class CAppState;
class CArchive;

class CLinkSettings {
public:
    // The panel's baud codes for 1200, 2400, 4800, 9600, 19200 and 38400 baud; 7 is unused.
    static constexpr std::array<std::uint8_t, 6> kBaudCodes = {2, 3, 4, 5, 6, 8};
    static constexpr int kBaudIndex9600 = 3;
    static constexpr std::uint8_t kBaudCode9600 = kBaudCodes[kBaudIndex9600];

    // The position of a baud code among kBaudCodes; an unknown code counts as 9600.
    static int BaudIndexOfCode(std::uint8_t baudCode);

    // The project file block: station, port, baud, parity, data bits, stop bits, PLC list
    // index, then the current PLC type's body without a tag. Reading changes the settings and
    // the state only once the whole block has been read: the low byte of the index becomes
    // the process-wide index and the record read becomes the current PLC type.
    void Serialize(CArchive& ar, CAppState& state);
    // The PLC type list as an object list of PLC types (empty outside the settings dialog).
    void SerializePlcTypeList(CArchive& ar);

    // Copies the seven stored fields, not the PLC type list.
    void CopyFieldsFrom(const CLinkSettings& other);

    std::int32_t m_nStation = 0;
    std::uint8_t m_nDownloadPort = 1;  // 1..4 for COM1..COM4
    std::uint8_t m_nBaudCode = kBaudCode9600;
    std::uint8_t m_nStopBitsChoice = 1;  // 0 two bits, 1 one bit
    std::uint8_t m_nParityChoice = 2;    // 0 none, 1 odd, 2 even
    std::uint8_t m_nDataBitsChoice = 1;  // 0 eight bits, 1 seven bits
    std::int32_t m_nPlcListIndex = 0;
    std::vector<CPLC> m_plcTypes;
};

}  // namespace tavelo
