#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::Ascii;
using test::B;
using test::Bytes;
using test::Concat;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

// A tiny stored class: one int32.
class CItem : public CSerializable {
public:
    explicit CItem(std::int32_t value = 0) : m_nValue(value) {}
    std::string GetRuntimeClassName() const override { return "CItem"; }
    void Serialize(CArchive& ar) override { ar.Int32(m_nValue); }
    std::int32_t m_nValue;
};

// A stored class holding a list of items, so that nesting is numbered in byte order.
class CBox : public CSerializable {
public:
    std::string GetRuntimeClassName() const override { return "CBox"; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar.WriteObjectList(m_items);
            return;
        }
        const std::uint32_t count = ar.ReadListCount(2);
        for (std::uint32_t i = 0; i < count; ++i)
            m_items.push_back(ar.ReadObjectOf<CItem>("an item"));
    }
    std::vector<std::unique_ptr<CItem>> m_items;
};

class ArchiveTest : public ::testing::Test {
protected:
    ArchiveTest() {
        m_registry.Register<CItem>("CItem");
        m_registry.Register<CBox>("CBox");
    }
    CArchive Loader(const Bytes& bytes) {
        m_data = bytes;
        return CArchive(m_data, "p.ZORX", m_registry);
    }
    std::u16string ReadString(const Bytes& bytes) {
        CArchive in = Loader(bytes);
        std::u16string read;
        in.String(read);
        EXPECT_TRUE(in.IsAtEnd());
        return read;
    }
    CClassRegistry m_registry;
    Bytes m_data;
};

TEST_F(ArchiveTest, PrimitivesAreLittleEndian) {
    std::uint8_t u8 = 0xAB;
    std::uint16_t u16 = 0x1234;
    std::uint32_t u32 = 0xDEADBEEF;
    std::int32_t i32 = -2;
    CArchive out("x.ZORX");
    out.U8(u8);
    out.U16(u16);
    out.U32(u32);
    out.Int32(i32);
    EXPECT_EQ(out.GetBytes(),
              B({0xAB, 0x34, 0x12, 0xEF, 0xBE, 0xAD, 0xDE, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST_F(ArchiveTest, CountsUseTheLongFormFrom0xFFFF) {
    const std::pair<std::uint32_t, Bytes> cases[] = {
        {0, B({0, 0})},
        {0xFFFE, B({0xFE, 0xFF})},
        {0xFFFF, B({0xFF, 0xFF, 0xFF, 0xFF, 0, 0})},
        {70000, B({0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& [count, bytes] : cases) {
        CArchive out("x");
        std::uint32_t value = count;
        out.Count(value);
        EXPECT_EQ(out.GetBytes(), bytes) << count;
        CArchive in = Loader(bytes);
        in.Count(value);
        EXPECT_EQ(value, count);
    }
}

TEST_F(ArchiveTest, MarkedUtf16LengthsSwitchFormsAt255And0xFFFE) {
    const std::pair<std::size_t, Bytes> cases[] = {
        {0, B({0xFF, 0xFE, 0xFF, 0x00})},
        {254, B({0xFF, 0xFE, 0xFF, 0xFE})},
        {255, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00})},
        {0xFFFD, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF})},
        {0xFFFE, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
    };
    for (const auto& [length, header] : cases) {
        std::u16string text(length, u'字');
        CArchive out("x");
        out.String(text);
        const Bytes expected = Concat({header, length ? Bytes{0x57, 0x5B} : Bytes{}});
        const Bytes& bytes = out.GetBytes();
        ASSERT_EQ(bytes.size(), header.size() + 2 * length) << length;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin())) << length;
        EXPECT_EQ(ReadString(bytes), text) << length;
    }
}

TEST_F(ArchiveTest, UnmarkedStringsAreCodePage936InEveryLengthForm) {
    const Bytes gbk = B({0xD6, 0xD0, 0xCE, 0xC4, 'A'});  // "中文A"
    const std::pair<Bytes, std::u16string> cases[] = {
        {Concat({B({5}), gbk}), u"中文A"},
        {Concat({B({0xFF, 0x05, 0x00}), gbk}), u"中文A"},
        {Concat({B({0xFF, 0xFF, 0xFF, 0x05, 0, 0, 0}), gbk}), u"中文A"},
        {B({3, 'a', 0xFF, 'b'}), u"a\uFFFDb"},  // undecodable bytes
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(ReadString(bytes), text);
}

TEST_F(ArchiveTest, ClassesAndObjectsShareOneCounterInByteOrder) {
    CBox box;
    box.m_items.push_back(std::make_unique<CItem>(1));
    box.m_items.push_back(std::make_unique<CItem>(2));
    CItem after(3);
    CArchive out("x");
    out.WriteObject(&box);    // class CBox 1, box 2
    out.WriteObject(&after);  // items: class CItem 3, objects 4 and 5; this one is object 6
    out.WriteObject(&box);    // back reference to object 2
    out.WriteObject(nullptr);
    const Bytes expected = Concat({
        B({0xFF, 0xFF, 0, 0, 4, 0}),
        Ascii("CBox"),
        B({2, 0}),  //
        B({0xFF, 0xFF, 0, 0, 5, 0}),
        Ascii("CItem"),
        B({1, 0, 0, 0}),  //
        B({0x03, 0x80, 2, 0, 0, 0, 0x03, 0x80, 3, 0, 0, 0, 0x02, 0x00, 0x00, 0x00}),
    });
    EXPECT_EQ(out.GetBytes(), expected);
    EXPECT_EQ(Loader(B({0, 0})).ReadObject(), nullptr);

    CArchive in = Loader(Bytes(expected.begin(), expected.end() - 4));
    auto readBox = in.ReadObjectOf<CBox>("a box");
    ASSERT_EQ(readBox->m_items.size(), 2u);
    EXPECT_EQ(readBox->m_items[1]->m_nValue, 2);
    EXPECT_EQ(in.ReadObjectOf<CItem>("an item")->m_nValue, 3);
    EXPECT_TRUE(in.IsAtEnd());
}

TEST_F(ArchiveTest, ClassNumbersAndBackReferencesFrom0x7FFFUseTheLongTag) {
    // 0x7FFE items use numbers 2..0x7FFF after class 1; the next class then gets 0x8000 and
    // its box 0x8001.
    std::vector<std::unique_ptr<CItem>> items;
    for (int i = 0; i < 0x7FFE; ++i) items.push_back(std::make_unique<CItem>(i));
    CBox first, second;
    CArchive out("x");
    for (const auto& item : items) out.WriteObject(item.get());
    out.WriteObject(&first);
    const std::size_t secondAt = out.GetBytes().size();
    out.WriteObject(&second);
    const std::size_t refAt = out.GetBytes().size();
    out.WriteObject(&first);
    const Bytes& bytes = out.GetBytes();
    EXPECT_EQ(Bytes(bytes.begin() + secondAt, bytes.begin() + refAt),
              B({0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + refAt, bytes.end()), B({0xFF, 0x7F, 0x01, 0x80, 0, 0}));

    CArchive in = Loader(Bytes(bytes.begin(), bytes.begin() + refAt));
    for (int i = 0; i < 0x7FFE; ++i) ASSERT_EQ(in.ReadObjectOf<CItem>("an item")->m_nValue, i);
    EXPECT_NE(in.ReadObjectOf<CBox>("a box"), nullptr);
    EXPECT_NE(in.ReadObjectOf<CBox>("a box"), nullptr);
    EXPECT_TRUE(in.IsAtEnd());
}

// Hostile input: every failure is one CArchiveError naming what and where.
TEST_F(ArchiveTest, RefusalsNameTheProblemAndWhereItLies) {
    constexpr std::size_t kAnywhere = SIZE_MAX;
    const struct {
        Bytes bytes;
        std::string problem;
        std::size_t offset;
    } cases[] = {
        {Concat({B({0xFF, 0xFF, 0, 0, 4, 0}), Ascii("CBad")}), "unknown class \"CBad\"", 0},
        {Concat({B({0xFF, 0xFF, 1, 0, 5, 0}), Ascii("CItem"), B({0, 0, 0, 0})}), "schema 1",
         kAnywhere},
        {B({0x05, 0x80}), "class number 5", kAnywhere},
        {B({0x00, 0x80}), "class number 0", kAnywhere},
        {B({0x03, 0x00}), "object number 3", kAnywhere},
        {B({0xFF, 0x7F, 9, 0, 0, 0x80}), "class number 9", kAnywhere},
        {Concat({B({0xFF, 0xFF, 0, 0, 5, 0}), Ascii("CItem"), B({1, 0, 0, 0}), B({0x02, 0x00})}),
         "referenced a second time", 15},
        {Concat({B({0xFF, 0xFF, 0, 0, 4, 0}), Ascii("CBox"), B({0xFF, 0xFF, 0, 0, 0, 0x10})}),
         "cannot fit", 10},
        {B({0xFF, 0xFF, 0, 0, 0, 0}), "implausible length 0", kAnywhere},
        {Concat({B({0xFF, 0xFF, 0, 0, 2, 0}), B({'C', 0})}), "non-ASCII", kAnywhere},
    };
    for (const auto& c : cases) {
        CArchive in = Loader(c.bytes);
        try {
            while (!in.IsAtEnd()) in.ReadObject();
            ADD_FAILURE() << "accepted: " << c.problem;
        } catch (const CArchiveError& error) {
            EXPECT_THAT(error.GetProblem(), HasSubstr(c.problem));
            EXPECT_TRUE(c.offset == kAnywhere || c.offset == error.GetOffset()) << c.problem;
        }
    }
    CItem item(1);
    CArchive out("x");
    out.WriteObject(&item);
    CArchive in = Loader(out.GetBytes());
    EXPECT_THAT([&] { in.ReadObjectOf<CBox>("a box"); },
                ThrowsMessage<CArchiveError>(HasSubstr("class CItem where a box was expected")));
}

TEST_F(ArchiveTest, AbsurdLengthsFailWithoutAllocating) {
    std::u16string text;
    std::vector<std::u16string> texts;
    CArchive wide = Loader(B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_THROW(wide.String(text), CArchiveError);
    CArchive narrow = Loader(B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_THROW(narrow.String(text), CArchiveError);
    CArchive list = Loader(B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_THROW(list.StringList(texts), CArchiveError);
}

}  // namespace
}  // namespace tavelo
