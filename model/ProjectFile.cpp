#include "ProjectFile.h"

#include "AppState.h"
#include "Archive.h"
#include "FileBytes.h"
#include "FileError.h"
#include "Screen.h"
#include "TaveloDoc.h"

namespace tavelo {

namespace {

// The smallest stored screen: known-class tag, three int32 and an empty 8-bit description.
constexpr std::size_t kSmallestStoredScreen = 2 + 3 * 4 + 1;
// The smallest stored element: a known-class tag and a one-byte body.
constexpr std::size_t kSmallestStoredElement = 2 + 1;

void WriteDisplayType(CArchive& ar, const CAppState& state) {
    std::int32_t modelIndex = state.m_nModelIndex;
    ar.Int32(modelIndex);
    for (int i = 0; i < CProjectFile::kReservedDisplayValues; ++i) {
        std::int32_t reserved = 0;
        ar.Int32(reserved);
    }
}

void ReadDisplayType(CArchive& ar, CAppState& state) {
    ar.Int32(state.m_nModelIndex);
    for (int i = 0; i < CProjectFile::kReservedDisplayValues; ++i) {
        std::int32_t ignored = 0;
        ar.Int32(ignored);
    }
}

void ReadScreens(CArchive& ar, CTaveloDoc& doc) {
    const std::uint32_t count = ar.ReadListCount(kSmallestStoredScreen);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t offset = ar.GetOffset();
        auto screen = ar.ReadObjectOf<CScreen>("a screen (CScreen)");
        // Screens are found by their number, which the image holds in 16 bits: a second one of
        // a number, or one out of range, could never be shown.
        const std::int32_t number = screen->GetNumber();
        if (number < kMinScreenNumber || number > kMaxScreenNumber)
            ar.FailAt("a screen numbered " + std::to_string(number) + ", outside " +
                          std::to_string(kMinScreenNumber) + " to " +
                          std::to_string(kMaxScreenNumber),
                      offset);
        if (doc.FindScreen(number))
            ar.FailAt("a second screen numbered " + std::to_string(number), offset);
        doc.AdoptReadScreen(std::move(screen));
    }
}

void ReadElements(CArchive& ar, CTaveloDoc& doc, EElementKind kind) {
    const std::uint32_t count = ar.ReadListCount(kSmallestStoredElement);
    for (std::uint32_t i = 0; i < count; ++i)
        doc.AdoptReadElement(kind, ar.ReadObjectOf<CGraphObj>("a screen element"));
}

void TransferSettings(CArchive& ar, CTaveloDoc& doc, CAppState& state) {
    doc.GetAlarms().Serialize(ar);
    doc.GetSystemSettings().Serialize(ar);
    doc.GetLink().Serialize(ar, state);
    doc.GetLink().SerializePlcTypeList(ar);
}

}  // namespace

std::vector<std::uint8_t> CProjectFile::Write(CTaveloDoc& doc, CAppState& state,
                                              const std::string& fileName) {
    CArchive ar(fileName);
    doc.RebuildClassNames();
    ar.WriteObjectList(doc.GetScreens());
    std::vector<std::u16string> classNames = doc.GetClassNames();
    ar.StringList(classNames);
    doc.BuildKindLists();
    for (EElementKind kind : kFileKindOrder) ar.WriteObjectList(doc.GetKindList(kind));
    TransferSettings(ar, doc, state);
    WriteDisplayType(ar, state);
    return ar.GetBytes();
}

void CProjectFile::Read(std::span<const std::uint8_t> bytes, const std::string& fileName,
                        const CClassRegistry& registry, CTaveloDoc& doc, CAppState& state) {
    CArchive ar(bytes, fileName, registry);
    CTaveloDoc fresh;
    CAppState freshState = state;
    ReadScreens(ar, fresh);
    std::vector<std::u16string> classNames;
    ar.StringList(classNames);
    fresh.SetClassNames(std::move(classNames));
    for (EElementKind kind : kFileKindOrder) ReadElements(ar, fresh, kind);
    TransferSettings(ar, fresh, freshState);
    ReadDisplayType(ar, freshState);
    if (!ar.IsAtEnd())
        ar.Fail(std::to_string(ar.GetRemaining()) +
                " bytes follow the end of the project; the file is damaged or was read with the "
                "wrong extension");
    fresh.RebuildElementList();
    doc.Swap(fresh);
    state = std::move(freshState);
}

void CProjectFile::Save(CTaveloDoc& doc, CAppState& state, const std::filesystem::path& file,
                        EReadOnlyTarget readOnly) {
    const std::vector<std::uint8_t> bytes = Write(doc, state, file.string());
    WriteFileAtomically(file, bytes, readOnly);
    doc.SetModified(false);
}

void CProjectFile::Open(const std::filesystem::path& file, const CClassRegistry& registry,
                        CTaveloDoc& doc, CAppState& state) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file);
    try {
        Read(bytes, file.string(), registry, doc, state);
    } catch (const CArchiveError& error) {
        throw CFileError(file.string() + ": " + error.what());
    }
    doc.SetModified(false);
}

}  // namespace tavelo
