#include "VirtualPlcFile.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "ValuesError.h"
#include "VirtualPlcCsv.h"
#include "VirtualPlcJson.h"
#include "model/FileBytes.h"
#include "model/FileError.h"

namespace tavelo {

namespace {

bool IsJson(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".json") return true;
    if (extension == ".csv") return false;
    throw CFileError(file.string() + ": a values file ends in .json or .csv");
}

}  // namespace

CVirtualPlc CVirtualPlcFile::Load(const std::filesystem::path& file) {
    const bool json = IsJson(file);
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file, kLargestFile);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    try {
        return json ? CVirtualPlcJson::Parse(text) : CVirtualPlcCsv::Parse(text);
    } catch (const CValuesError& error) {
        throw CFileError(file.string() + ": " + error.what());
    }
}

void CVirtualPlcFile::Save(const std::filesystem::path& file, const CVirtualPlc& plc) {
    const std::string text =
        IsJson(file) ? CVirtualPlcJson::Format(plc) : CVirtualPlcCsv::Format(plc);
    WriteFileAtomically(file,
                        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace tavelo
