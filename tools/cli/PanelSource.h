#pragma once
// What render and emulate run the panel on: the download image of a project or image file, the
// virtual PLC of a values file, the panel's built-in digits from the delivered ASCII font and
// the keys a script names. Each loader reports its failure on err and gives nothing.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ProjectContext.h"
#include "emulator/BuiltInDigits.h"
#include "emulator/PanelEmulator.h"
#include "emulator/PanelImage.h"
#include "emulator/VirtualPlc.h"
#include "modbus/ModbusPoller.h"

namespace tavelo::cli {

// A .ZORX or .ZOR file is compiled as build does; any other file is read as an image.
std::optional<CPanelImage> LoadPanelImage(CProjectContext& project, const std::string& file,
                                          std::ostream& err);
// Without a file every value reads 0.
std::optional<CVirtualPlc> LoadValues(CProjectContext& project, const std::string& file,
                                      std::ostream& err);
// The live PLC of --modbus for the image: nothing, reported, when the text names no link or
// the project opened for the image has another PLC type than Modbus(RTU).
std::unique_ptr<CModbusPoller> OpenModbus(CProjectContext& project, const std::string& link,
                                          const CPanelImage& image, std::ostream& err);
// Waits for one poll of the device; false, with the faults on err, when it did not go well.
bool WaitForDevice(CProjectContext& project, CModbusPoller& poller, std::ostream& err);
// ASCII.DAT of the program directory.
std::optional<CBuiltInDigits> LoadBuiltInDigits(CProjectContext& project, std::ostream& err);

// The keys of a script of key names separated by blanks ("F1 SET 1 2 ENT"), or the first name
// that names no key, as `unknown`.
struct CKeyScript {
    std::vector<EPanelKey> m_keys;
    std::string m_strUnknown;
};
CKeyScript ParseKeys(std::string_view script);

// "screen", "password", "alarm list" or "time".
const char* PageName(EPanelPage page);

}  // namespace tavelo::cli
