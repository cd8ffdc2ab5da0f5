#include "PanelSource.h"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "ProjectImage.h"
#include "emulator/VirtualPlcFile.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "model/TextCodec.h"
#include "plc/ProgramDirectory.h"
#include "render/FontLibrary.h"

namespace tavelo::cli {

namespace {

bool IsProjectFile(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".ZORX" || extension == ".ZOR";
}

std::optional<std::vector<std::uint8_t>> ReadImage(CProjectContext& project,
                                                   const std::string& file, std::ostream& err) {
    if (IsProjectFile(file)) {
        std::optional<CDownloadImage> compiled = OpenAndCompile(project, file, err);
        if (!compiled) return std::nullopt;
        return std::move(compiled->m_bytes);
    }
    try {
        return ReadFileBytes(file, kLargestImageFile);
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return std::nullopt;
    }
}

}  // namespace

std::optional<CPanelImage> LoadPanelImage(CProjectContext& project, const std::string& file,
                                          std::ostream& err) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadImage(project, file, err);
    if (!bytes) return std::nullopt;
    CPanelImage image = CPanelImage::Load(std::move(*bytes));
    if (!image.IsLoaded()) {
        project.Report(err, file + ": " + image.GetError());
        return std::nullopt;
    }
    return image;
}

std::optional<CVirtualPlc> LoadValues(CProjectContext& project, const std::string& file,
                                      std::ostream& err) {
    if (file.empty()) return CVirtualPlc{};
    try {
        return CVirtualPlcFile::Load(file);
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return std::nullopt;
    }
}

std::unique_ptr<CModbusPoller> OpenModbus(CProjectContext& project, const std::string& link,
                                          const CPanelImage& image, std::ostream& err) {
    const std::u16string& plcType = project.m_state.m_currentPlc.GetName();
    // An image file brings no PLC type; its addresses are taken as Modbus(RTU) ones.
    if (!plcType.empty() && plcType != CPLC::kModbusRtuName) {
        project.Report(err, "--modbus needs the PLC type Modbus(RTU); the project's is " +
                                ToUtf8(plcType));
        return nullptr;
    }
    CModbusPollSettings settings;
    try {
        settings.m_endpoint = CModbusEndpoint::ForImage(link, image.GetContents());
    } catch (const std::invalid_argument& error) {
        project.Report(err, error.what());
        return nullptr;
    }
    return std::make_unique<CModbusPoller>(std::move(settings), CPlcAddressList(image));
}

bool WaitForDevice(CProjectContext& project, CModbusPoller& poller, std::ostream& err) {
    // Time for every address of a screen to time out once, and then some.
    constexpr std::chrono::seconds kLongestPoll{60};
    if (!poller.WaitForCycle(kLongestPoll)) {
        project.Report(err, "the Modbus device did not answer in time");
        return false;
    }
    const std::string status = poller.GetStatus();
    if (!status.empty()) project.Report(err, status);
    return status.empty();
}

std::optional<CBuiltInDigits> LoadBuiltInDigits(CProjectContext& project, std::ostream& err) {
    const std::filesystem::path font = GetProgramDirectory() / kAsciiFontFileName;
    try {
        return CBuiltInDigits::FromAsciiFont(ReadFileBytes(font, CFontLibrary::kAsciiTableBytes));
    } catch (const CFileError& error) {
        project.Report(err, std::string(error.what()) + " (the panel's digits for registers)");
        return std::nullopt;
    }
}

CKeyScript ParseKeys(std::string_view script) {
    CKeyScript parsed;
    std::istringstream words{std::string(script)};
    for (std::string word; words >> word;) {
        const std::optional<EPanelKey> key = PanelKeyFromName(word);
        if (!key) {
            parsed.m_strUnknown = word;
            break;
        }
        parsed.m_keys.push_back(*key);
    }
    return parsed;
}

const char* PageName(EPanelPage page) {
    switch (page) {
        case EPanelPage::Password:
            return "password";
        case EPanelPage::AlarmList:
            return "alarm list";
        case EPanelPage::Time:
            return "time";
        case EPanelPage::Screen:
            break;
    }
    return "screen";
}

}  // namespace tavelo::cli
