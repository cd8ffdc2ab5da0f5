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
#include "PlcDescription.h"
#include "model/ArchiveError.h"
#include "model/FileError.h"
#include "model/TextCodec.h"
#include "plc/PlcTypeFile.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli plctypes";

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

void WriteJsonType(CJsonWriter& json, const CPLC& type, std::size_t index) {
    json.BeginObject();
    IntMember(json, "index", static_cast<std::int64_t>(index));
    WriteJsonPlcMembers(json, type);
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
