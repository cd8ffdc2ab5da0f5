#include "PlcTypeFile.h"

#include <fstream>
#include <memory>

#include "ProgramDirectory.h"
#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/FileBytes.h"
#include "model/ModelClasses.h"

namespace tavelo {

namespace {

// What the reading of one file shares with the type records it makes.
struct CReadContext {
    std::span<const std::uint8_t> m_bytes;
    bool m_bInsideType = false;
};

// The file only ever holds small class indices and distinct objects, so a large-index tag
// marks a damaged file even where the archive in general would accept it.
void RequireSmallTag(const CArchive& ar, std::span<const std::uint8_t> bytes) {
    const std::size_t offset = ar.GetOffset();
    if (offset + 2 > bytes.size()) return;  // the archive reports the truncation
    const std::uint16_t tag = static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
    if (tag == CArchive::kBigObjectTag)
        ar.FailAt("large-index tag 0x7FFF, which a PLC type file never holds", offset);
}

// The PLC type as the registry makes it while a file is read: refuses large-index tags on its
// units and a PLC type nested inside a unit list (which would recurse without bound).
class CTypeRecordReader final : public CPLC {
public:
    explicit CTypeRecordReader(CReadContext& context) : m_context(context) {}

    void Serialize(CArchive& ar) override {
        if (m_context.m_bInsideType)
            ar.Fail("a PLC type (CPLC) where an address unit (CRegUnitConfig) was expected");
        m_context.m_bInsideType = true;
        CPLC::Serialize(ar);
        m_context.m_bInsideType = false;
    }

private:
    CRegUnitConfig ReadUnit(CArchive& ar) override {
        RequireSmallTag(ar, m_context.m_bytes);
        return CPLC::ReadUnit(ar);
    }

    CReadContext& m_context;
};

std::vector<CPLC> ReadTypeList(CArchive& ar, CReadContext& context) {
    const std::uint32_t count = ar.ReadListCount(CPLC::kSmallestStoredSize);
    std::vector<CPLC> types;
    types.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        RequireSmallTag(ar, context.m_bytes);
        types.push_back(*ar.ReadObjectOf<CPLC>("a PLC type (CPLC)"));
    }
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
    CReadContext context{bytes};
    CClassRegistry registry;
    RegisterModelClasses(registry);
    registry.Register(CPLC::kClassName,
                      [&context] { return std::make_unique<CTypeRecordReader>(context); });
    CArchive ar(bytes, name, registry);
    try {
        return ReadTypeList(ar, context);
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
