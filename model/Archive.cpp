#include "Archive.h"

#include <cstdio>

#include "ClassRegistry.h"
#include "TextCodec.h"

namespace tavelo {

namespace {

constexpr std::uint8_t kShortLengthEscape = 0xFF;
constexpr std::uint16_t kMediumLengthEscape = 0xFFFF;
constexpr std::uint32_t kMaxClassNameLength = 64;

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

}  // namespace

CArchive::CArchive(std::string fileName) : m_bStoring(true), m_strFileName(std::move(fileName)) {}

CArchive::CArchive(std::span<const std::uint8_t> data, std::string fileName,
                   const CClassRegistry& registry)
    : m_bStoring(false), m_strFileName(std::move(fileName)), m_data(data), m_pRegistry(&registry) {}

std::string CArchive::GetFileExtension() const {
    const std::size_t dot = m_strFileName.rfind('.');
    return dot == std::string::npos ? std::string() : m_strFileName.substr(dot);
}

void CArchive::Fail(const std::string& problem) const {
    FailAt(problem, GetOffset());
}

void CArchive::FailAt(const std::string& problem, std::size_t offset) const {
    throw CArchiveError(problem, offset);
}

void CArchive::Put(const void* bytes, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    m_bytes.insert(m_bytes.end(), p, p + size);
}

const std::uint8_t* CArchive::Take(std::size_t size, const char* what) {
    if (size > GetRemaining())
        Fail(std::string("file ends inside ") + what + " (" + std::to_string(size) +
             " bytes needed, " + std::to_string(GetRemaining()) + " left)");
    const std::uint8_t* p = m_data.data() + m_nPos;
    m_nPos += size;
    return p;
}

void CArchive::U8(std::uint8_t& value) {
    if (m_bStoring) {
        Put(&value, 1);
    } else {
        value = *Take(1, "a byte value");
    }
}

void CArchive::U16(std::uint16_t& value) {
    if (m_bStoring) {
        const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value),
                                       static_cast<std::uint8_t>(value >> 8)};
        Put(bytes, 2);
    } else {
        const std::uint8_t* p = Take(2, "a 16-bit value");
        value = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
}

void CArchive::U32(std::uint32_t& value) {
    if (m_bStoring) {
        const std::uint8_t bytes[4] = {
            static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
        Put(bytes, 4);
    } else {
        const std::uint8_t* p = Take(4, "a 32-bit value");
        value = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
}

void CArchive::Int32(std::int32_t& value) {
    auto raw = static_cast<std::uint32_t>(value);
    U32(raw);
    value = static_cast<std::int32_t>(raw);
}

void CArchive::Count(std::uint32_t& count) {
    std::uint16_t shortCount = count < kLongCount ? static_cast<std::uint16_t>(count) : kLongCount;
    U16(shortCount);
    if (shortCount == kLongCount) {
        U32(count);
    } else {
        count = shortCount;
    }
}

std::uint32_t CArchive::ReadListCount(std::size_t smallestItem) {
    const std::size_t countOffset = GetOffset();
    std::uint32_t count = 0;
    Count(count);
    if (static_cast<std::uint64_t>(count) * smallestItem > GetRemaining())
        FailAt("list of " + std::to_string(count) + " items cannot fit in the " +
                   std::to_string(GetRemaining()) + " bytes left",
               countOffset);
    return count;
}

void CArchive::WriteLength(std::uint32_t length) {
    std::uint8_t shortLength = kShortLengthEscape;
    if (length < kShortLengthEscape) {
        shortLength = static_cast<std::uint8_t>(length);
        U8(shortLength);
        return;
    }
    U8(shortLength);
    std::uint16_t mediumLength =
        length < 0xFFFE ? static_cast<std::uint16_t>(length) : kMediumLengthEscape;
    U16(mediumLength);
    if (mediumLength == kMediumLengthEscape) U32(length);
}

std::uint32_t CArchive::ReadUnicodeLength() {
    std::uint8_t shortLength = 0;
    U8(shortLength);
    if (shortLength != kShortLengthEscape) return shortLength;
    std::uint16_t mediumLength = 0;
    U16(mediumLength);
    if (mediumLength != kMediumLengthEscape) return mediumLength;
    std::uint32_t length = 0;
    U32(length);
    return length;
}

std::u16string CArchive::ReadNarrowText(std::uint32_t byteCount) {
    const std::uint8_t* p = Take(byteCount, "an 8-bit string");
    return DecodeCodePage936({p, byteCount});
}

void CArchive::String(std::u16string& text) {
    if (m_bStoring) {
        std::uint8_t escape = kShortLengthEscape;
        std::uint16_t mark = kUnicodeMark;
        U8(escape);
        U16(mark);
        WriteLength(static_cast<std::uint32_t>(text.size()));
        // Little-endian units in one append; strings are most of a project's bytes.
        const std::size_t start = m_bytes.size();
        m_bytes.resize(start + 2 * text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            m_bytes[start + 2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
            m_bytes[start + 2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
        }
        return;
    }
    std::uint8_t shortLength = 0;
    U8(shortLength);
    if (shortLength != kShortLengthEscape) {
        text = ReadNarrowText(shortLength);
        return;
    }
    std::uint16_t mediumLength = 0;
    U16(mediumLength);
    if (mediumLength == kUnicodeMark) {
        const std::size_t lengthOffset = GetOffset();
        const std::uint32_t length = ReadUnicodeLength();
        if (static_cast<std::uint64_t>(length) * 2 > GetRemaining())
            FailAt("string of " + std::to_string(length) + " characters is longer than the " +
                       std::to_string(GetRemaining()) + " bytes left",
                   lengthOffset);
        const std::uint8_t* p = Take(std::size_t{length} * 2, "a string");
        text.resize(length);
        for (std::uint32_t i = 0; i < length; ++i)
            text[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
        return;
    }
    std::uint32_t byteCount = mediumLength;
    if (mediumLength == kMediumLengthEscape) U32(byteCount);
    text = ReadNarrowText(byteCount);
}

void CArchive::StringList(std::vector<std::u16string>& texts) {
    if (m_bStoring) {
        std::uint32_t count = static_cast<std::uint32_t>(texts.size());
        Count(count);
        for (std::u16string& text : texts) String(text);
        return;
    }
    // The shortest string is a single length byte.
    const std::uint32_t count = ReadListCount(1);
    texts.clear();
    texts.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::u16string text;
        String(text);
        texts.push_back(std::move(text));
    }
}

void CArchive::WriteClassTag(const std::string& className) {
    auto known = m_writtenClasses.find(className);
    if (known != m_writtenClasses.end()) {
        const std::uint32_t number = known->second;
        if (number < kBigObjectTag) {
            std::uint16_t tag = static_cast<std::uint16_t>(kClassTag | number);
            U16(tag);
        } else {
            std::uint16_t tag = kBigObjectTag;
            std::uint32_t bigTag = kBigClassTag | number;
            U16(tag);
            U32(bigTag);
        }
        return;
    }
    std::uint16_t tag = kNewClassTag;
    std::uint16_t schema = 0;
    std::uint16_t nameLength = static_cast<std::uint16_t>(className.size());
    U16(tag);
    U16(schema);
    U16(nameLength);
    Put(className.data(), className.size());
    m_writtenClasses[className] = m_nNextIndex++;
}

void CArchive::WriteObject(const CSerializable* object) {
    if (!object) {
        std::uint16_t tag = kNullTag;
        U16(tag);
        return;
    }
    auto earlier = m_writtenObjects.find(object);
    if (earlier != m_writtenObjects.end()) {
        const std::uint32_t number = earlier->second;
        if (number < kBigObjectTag) {
            std::uint16_t tag = static_cast<std::uint16_t>(number);
            U16(tag);
        } else {
            std::uint16_t tag = kBigObjectTag;
            std::uint32_t bigNumber = number;
            U16(tag);
            U32(bigNumber);
        }
        return;
    }
    WriteClassTag(object->GetRuntimeClassName());
    m_writtenObjects[object] = m_nNextIndex++;
    // The body only reads through the archive, never changes the object when storing.
    const_cast<CSerializable*>(object)->Serialize(*this);
}

std::string CArchive::ReadNewClassName(std::size_t tagOffset) {
    std::uint16_t schema = 0;
    U16(schema);
    std::uint16_t nameLength = 0;
    U16(nameLength);
    if (nameLength == 0 || nameLength > kMaxClassNameLength)
        FailAt("class name of implausible length " + std::to_string(nameLength), tagOffset);
    const std::uint8_t* p = Take(nameLength, "a class name");
    std::string name(reinterpret_cast<const char*>(p), nameLength);
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
            FailAt("class name holds a non-ASCII byte", tagOffset);
    if (!m_pRegistry->IsRegistered(name)) FailAt("unknown class \"" + name + "\"", tagOffset);
    if (schema != 0)
        FailAt("class \"" + name + "\" has schema " + std::to_string(schema) + ", expected 0",
               tagOffset);
    return name;
}

std::string CArchive::ClassOfTag(std::uint32_t classNumber, std::size_t tagOffset) const {
    auto known = m_readClasses.find(classNumber);
    if (known == m_readClasses.end())
        FailAt("class number " + std::to_string(classNumber) + " has not been assigned", tagOffset);
    return known->second;
}

std::unique_ptr<CSerializable> CArchive::ReadObject() {
    std::unique_ptr<CSerializable> object = CreateFromTag();
    if (object) object->Serialize(*this);
    return object;
}

std::unique_ptr<CSerializable> CArchive::CreateFromTag() {
    const std::size_t tagOffset = GetOffset();
    std::uint16_t tag = 0;
    U16(tag);
    if (tag == kNullTag) return nullptr;

    std::string className;
    if (tag == kNewClassTag) {
        className = ReadNewClassName(tagOffset);
        m_readClasses[m_nNextIndex] = className;
        m_isObjectIndex.resize(m_nNextIndex + 1, false);
        ++m_nNextIndex;
    } else {
        if (tag == kBigObjectTag && !m_bLongTagsAllowed)
            FailAt("long tag 0x7FFF, which this kind of file never holds", tagOffset);
        std::uint32_t bigTag = tag;
        if (tag == kBigObjectTag) U32(bigTag);
        const bool isClassTag =
            tag == kBigObjectTag ? (bigTag & kBigClassTag) != 0 : (tag & kClassTag) != 0;
        const std::uint32_t number =
            tag == kBigObjectTag ? (bigTag & ~kBigClassTag) : (tag & ~kClassTag);
        if (isClassTag) {
            className = ClassOfTag(number, tagOffset);
        } else if (number < m_isObjectIndex.size() && m_isObjectIndex[number]) {
            FailAt("object " + std::to_string(number) +
                       " is referenced a second time; each object may be stored only once",
                   tagOffset);
        } else {
            FailAt("object number " + std::to_string(number) + " (tag " + Hex(tag) +
                       ") has not been assigned",
                   tagOffset);
        }
    }
    std::unique_ptr<CSerializable> object = m_pRegistry->Create(className);
    m_isObjectIndex.resize(m_nNextIndex + 1, false);
    m_isObjectIndex[m_nNextIndex] = true;
    ++m_nNextIndex;
    return object;
}

}  // namespace tavelo
