#include "PlcTypeFile.h"

#include <fstream>

#include "ProgramDirectory.h"
#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/FileBytes.h"
#include "model/ModelClasses.h"

namespace tavelo {

namespace {

std::vector<CPLC> ReadTypeList(CArchive& ar) {
    const std::uint32_t count = ar.ReadListCount(CPLC::kSmallestStoredSize);
    std::vector<CPLC> types;
    types.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        types.push_back(std::move(*ar.ReadObjectOf<CPLC>("a PLC type (CPLC)")));
    if (!ar.IsAtEnd())
        ar.Fail(std::to_string(ar.GetRemaining()) +
                " bytes follow the last PLC type, where the file should end");
    return types;
}

}  // namespace

std::vector<CPLC> CPlcTypeFile::Load(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file);
    return Parse(bytes, file.string());
}

std::vector<CPLC> CPlcTypeFile::Parse(std::span<const std::uint8_t> bytes,
                                      const std::string& name) {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    CArchive ar(bytes, name, registry);
    ar.RefuseLongTags();
    try {
        return ReadTypeList(ar);
    } catch (const CArchiveError& error) {
        throw CArchiveError(name + ": " + error.GetProblem(), error.GetOffset());
    }
}

std::vector<std::uint8_t> CPlcTypeFile::Write(const std::vector<CPLC>& types) {
    CArchive ar(kPlcTypesFileName);
    ar.WriteObjectList(types);
    return ar.GetBytes();
}

std::filesystem::path CPlcTypeFile::DefaultPath() {
    return GetProgramDirectory() / kPlcTypesFileName;
}

bool CPlcTypeFile::IsPresent(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) return false;
    std::ifstream in(file, std::ios::binary);
    return in.is_open();
}

}  // namespace tavelo
