#include "PlcTypesCommand.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "PlcDescription.h"
#include "model/ArchiveError.h"
#include "model/FileError.h"
#include "model/TextCodec.h"
#include "plc/PlcTypeFile.h"
#include "tools/common/CliProgram.h"
#include "tools/common/JsonOutput.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli plctypes";

struct COptions {
    std::string m_strFile;
    bool m_bJson = false;
};

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

void WriteJson(const std::vector<CPLC>& types, const std::filesystem::path& file,
               std::ostream& out) {
    tools::Json list = tools::Json::array();
    for (std::size_t index = 0; index < types.size(); ++index) {
        tools::Json type = {{"index", index}};
        type.update(JsonPlcMembers(types[index]));
        list.push_back(std::move(type));
    }
    tools::PrintJson(out, {{"file", file.string()}, {"plcTypes", std::move(list)}});
}

int ListPlcTypes(const COptions& options, std::ostream& out, std::ostream& err) {
    const std::filesystem::path file = options.m_strFile.empty()
                                           ? CPlcTypeFile::DefaultPath()
                                           : std::filesystem::path(options.m_strFile);
    std::vector<CPLC> types;
    try {
        types = CPlcTypeFile::Load(file);
    } catch (const CFileError& error) {
        err << kCommand << ": " << error.what() << "\n";
        return tools::kExitFailed;
    } catch (const CArchiveError& error) {
        err << kCommand << ": damaged PLC type file " << error.what() << "\n";
        return tools::kExitFailed;
    }
    if (options.m_bJson)
        WriteJson(types, file, out);
    else
        WriteText(types, file, out);
    return 0;
}

}  // namespace

void AddPlcTypesCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<COptions>();
    CLI::App* command = app.add_subcommand(
        "plctypes", "list the PLC types of FILE (default: the delivered PlcTypes.DAT)");
    command->add_option("FILE", options->m_strFile, "a PLC type file");
    command->add_flag("--json", options->m_bJson, "print JSON");
    command->callback(
        [options, &run] { run.m_nExitCode = ListPlcTypes(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
