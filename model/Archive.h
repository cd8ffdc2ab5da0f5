#pragma once
// The object archive of project and PLC type files: little-endian primitives, counts, strings
// and tagged objects sharing one class/object counter. One archive either stores into a byte
// buffer or loads from one; Serialize() bodies call the same transfer operations both ways.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "ArchiveError.h"
#include "Serializable.h"

namespace tavelo {

class CClassRegistry;

class CArchive {
public:
    // Counts of 0xFFFF or more use the long form.
    static constexpr std::uint16_t kLongCount = 0xFFFF;
    static constexpr std::uint16_t kNullTag = 0x0000;
    static constexpr std::uint16_t kNewClassTag = 0xFFFF;
    static constexpr std::uint16_t kClassTag = 0x8000;
    static constexpr std::uint16_t kBigObjectTag = 0x7FFF;
    static constexpr std::uint32_t kBigClassTag = 0x80000000u;
    static constexpr std::uint16_t kUnicodeMark = 0xFFFE;

    // A storing archive; fileName is the path the bytes are meant for (bodies may ask for it).
    explicit CArchive(std::string fileName);
    // A loading archive over untrusted bytes; the registry makes objects by class name.
    CArchive(std::span<const std::uint8_t> data, std::string fileName,
             const CClassRegistry& registry);

    // Files that never hold the 0x7FFF long tags (PLC type files) treat one as damage.
    void RefuseLongTags() { m_bLongTagsAllowed = false; }

    bool IsStoring() const { return m_bStoring; }
    bool IsLoading() const { return !m_bStoring; }
    const std::string& GetFileName() const { return m_strFileName; }
    // The text from the last "." of the file name to its end ("" when there is no ".").
    std::string GetFileExtension() const;

    // Transfer operations: write the value when storing, replace it when loading.
    void U8(std::uint8_t& value);
    void U16(std::uint16_t& value);
    void U32(std::uint32_t& value);
    void Int32(std::int32_t& value);
    void Count(std::uint32_t& count);
    void String(std::u16string& text);
    void StringList(std::vector<std::u16string>& texts);

    // Storing only: writes the object's tag and body. A null pointer writes the null tag; an
    // object written before writes a back reference.
    void WriteObject(const CSerializable* object);

    // Loading only: reads a tag and, for a new object, creates and reads it. Returns null for
    // the null tag. A back reference is refused (an object may be held by one list only).
    std::unique_ptr<CSerializable> ReadObject();

    // ReadObject() that also requires the object to be of class T; the null tag is refused.
    template <class T>
    std::unique_ptr<T> ReadObjectOf(const char* expected);

    // Object lists: a count, then the tagged objects.
    template <class List>
    void WriteObjectList(const List& objects);
    std::uint32_t ReadListCount(std::size_t smallestItem);

    // Loading: bytes read so far / left; storing: bytes written.
    std::size_t GetOffset() const { return m_bStoring ? m_bytes.size() : m_nPos; }
    std::size_t GetRemaining() const { return m_data.size() - m_nPos; }
    bool IsAtEnd() const { return GetRemaining() == 0; }
    // Storing: everything written so far.
    const std::vector<std::uint8_t>& GetBytes() const { return m_bytes; }

    [[noreturn]] void Fail(const std::string& problem) const;
    [[noreturn]] void FailAt(const std::string& problem, std::size_t offset) const;

private:
    void Put(const void* bytes, std::size_t size);
    const std::uint8_t* Take(std::size_t size, const char* what);
    void WriteLength(std::uint32_t length);
    std::uint32_t ReadUnicodeLength();
    std::u16string ReadNarrowText(std::uint32_t byteCount);
    void WriteClassTag(const std::string& className);
    std::string ReadNewClassName(std::size_t tagOffset);
    std::string ClassOfTag(std::uint32_t classNumber, std::size_t tagOffset) const;
    // Reads a tag and makes the empty object it announces (null for the null tag), numbered
    // but with its body not yet read.
    std::unique_ptr<CSerializable> CreateFromTag();

    bool m_bStoring;
    std::string m_strFileName;
    std::vector<std::uint8_t> m_bytes;
    std::span<const std::uint8_t> m_data;
    std::size_t m_nPos = 0;
    const CClassRegistry* m_pRegistry = nullptr;
    bool m_bLongTagsAllowed = true;

    // One counter for classes and objects; 0 stands for no object.
    std::uint32_t m_nNextIndex = 1;
    std::map<std::string, std::uint32_t> m_writtenClasses;
    std::map<const CSerializable*, std::uint32_t> m_writtenObjects;
    std::map<std::uint32_t, std::string> m_readClasses;  // class number -> name
    std::vector<bool> m_isObjectIndex;                   // by index: assigned to an object
};

template <class T>
std::unique_ptr<T> CArchive::ReadObjectOf(const char* expected) {
    const std::size_t tagOffset = GetOffset();
    std::unique_ptr<CSerializable> object = CreateFromTag();
    if (!object)
        FailAt(std::string("missing object where ") + expected + " was expected", tagOffset);
    // Checked before the body is read, so a hostile file cannot nest objects where their
    // classes never nest.
    T* typed = dynamic_cast<T*>(object.get());
    if (!typed)
        FailAt("object of class " + object->GetRuntimeClassName() + " where " + expected +
                   " was expected",
               tagOffset);
    object.release();
    std::unique_ptr<T> result(typed);
    result->Serialize(*this);
    return result;
}

template <class List>
void CArchive::WriteObjectList(const List& objects) {
    std::uint32_t count = static_cast<std::uint32_t>(objects.size());
    Count(count);
    for (const auto& item : objects) {
        // Lists hold objects by value or by (smart) pointer.
        if constexpr (std::is_base_of_v<CSerializable, std::decay_t<decltype(item)>>)
            WriteObject(&item);
        else
            WriteObject(&*item);
    }
}

}  // namespace tavelo
