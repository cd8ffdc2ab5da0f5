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

CClassRegistry Registry() {
    CClassRegistry registry;
    registry.Register<CItem>("CItem");
    registry.Register<CBox>("CBox");
    return registry;
}

class ArchiveTest : public ::testing::Test {
protected:
    CArchive Loader(const Bytes& bytes, std::string name = "p.ZORX") {
        m_data = bytes;
        return CArchive(m_data, std::move(name), m_registry);
    }
    CClassRegistry m_registry = Registry();
    Bytes m_data;
};

TEST_F(ArchiveTest, PrimitivesAreLittleEndianAndRoundTrip) {
    struct Values {
        std::uint8_t u8;
        std::uint16_t u16;
        std::uint32_t u32;
        std::int32_t i32;
        void Serialize(CArchive& ar) {
            ar.U8(u8);
            ar.U16(u16);
            ar.U32(u32);
            ar.Int32(i32);
        }
        bool operator==(const Values&) const = default;
    };
    Values written{0xAB, 0x1234, 0xDEADBEEF, -2};
    CArchive out("x.ZORX");
    written.Serialize(out);
    EXPECT_EQ(out.GetBytes(),
              B({0xAB, 0x34, 0x12, 0xEF, 0xBE, 0xAD, 0xDE, 0xFE, 0xFF, 0xFF, 0xFF}));
    CArchive in = Loader(out.GetBytes());
    Values read{};
    read.Serialize(in);
    EXPECT_EQ(read, written);
    EXPECT_TRUE(in.IsAtEnd());
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
        std::uint32_t read = 1;
        in.Count(read);
        EXPECT_EQ(read, count);
    }
}

Bytes Stored(const std::u16string& text) {
    CArchive out("x");
    std::u16string copy = text;
    out.String(copy);
    return out.GetBytes();
}

TEST_F(ArchiveTest, StringsAreWrittenAsMarkedUtf16) {
    EXPECT_EQ(Stored(u""), B({0xFF, 0xFE, 0xFF, 0x00}));
    EXPECT_EQ(Stored(u"画面 1"),
              B({0xFF, 0xFE, 0xFF, 0x04, 0x3B, 0x75, 0x62, 0x97, 0x20, 0x00, 0x31, 0x00}));
}

TEST_F(ArchiveTest, StringLengthsSwitchFormsAt255And0xFFFE) {
    const std::pair<std::size_t, Bytes> cases[] = {
        {254, B({0xFF, 0xFE, 0xFF, 0xFE})},
        {255, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00})},
        {0xFFFD, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF})},
        {0xFFFE, B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
    };
    for (const auto& [length, header] : cases) {
        const std::u16string text(length, u'x');
        const Bytes bytes = Stored(text);
        ASSERT_EQ(bytes.size(), header.size() + 2 * length) << length;
        EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin())) << length;
        CArchive in = Loader(bytes);
        std::u16string read;
        in.String(read);
        EXPECT_EQ(read, text) << length;
        EXPECT_TRUE(in.IsAtEnd());
    }
}

TEST_F(ArchiveTest, EightBitStringsAreReadAsCodePage936InEveryLengthForm) {
    const Bytes gbk = B({0xD6, 0xD0, 0xCE, 0xC4, 'A'});  // "中文A"
    const Bytes forms[] = {
        Concat({B({5}), gbk}),
        Concat({B({0xFF, 0x05, 0x00}), gbk}),
        Concat({B({0xFF, 0xFF, 0xFF, 0x05, 0, 0, 0}), gbk}),
    };
    for (const Bytes& form : forms) {
        CArchive in = Loader(form);
        std::u16string read;
        in.String(read);
        EXPECT_EQ(read, u"中文A");
        EXPECT_TRUE(in.IsAtEnd());
    }
}

TEST_F(ArchiveTest, UndecodableEightBitBytesBecomeReplacementCharacters) {
    CArchive in = Loader(B({3, 'a', 0xFF, 'b'}));
    std::u16string read;
    in.String(read);
    EXPECT_EQ(read, u"a\uFFFDb");
}

TEST_F(ArchiveTest, StringListsRoundTrip) {
    std::vector<std::u16string> texts = {u"", u"报警 1", std::u16string(300, u'字')};
    CArchive out("x");
    out.StringList(texts);
    CArchive in = Loader(out.GetBytes());
    std::vector<std::u16string> read = {u"stale"};
    in.StringList(read);
    EXPECT_EQ(read, texts);
}

TEST_F(ArchiveTest, FirstObjectIntroducesItsClassAndLaterOnesReferToIt) {
    CItem first(7), second(8);
    CArchive out("x");
    out.WriteObject(&first);
    out.WriteObject(&second);
    // Class 1 and object 2, then the known-class tag 0x8001.
    EXPECT_EQ(out.GetBytes(), Concat({B({0xFF, 0xFF, 0x00, 0x00, 0x05, 0x00}), Ascii("CItem"),
                                      B({7, 0, 0, 0}), B({0x01, 0x80, 8, 0, 0, 0})}));
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
        B({2, 0}),
        B({0xFF, 0xFF, 0, 0, 5, 0}),
        Ascii("CItem"),
        B({1, 0, 0, 0}),
        B({0x03, 0x80, 2, 0, 0, 0}),
        B({0x03, 0x80, 3, 0, 0, 0}),
        B({0x02, 0x00}),
        B({0x00, 0x00}),
    });
    EXPECT_EQ(out.GetBytes(), expected);

    CArchive in = Loader(Bytes(expected.begin(), expected.end() - 4));
    auto readBox = in.ReadObjectOf<CBox>("a box");
    ASSERT_EQ(readBox->m_items.size(), 2u);
    EXPECT_EQ(readBox->m_items[1]->m_nValue, 2);
    EXPECT_EQ(in.ReadObjectOf<CItem>("an item")->m_nValue, 3);
    EXPECT_TRUE(in.IsAtEnd());
}

TEST_F(ArchiveTest, NullTagReadsAsNoObject) {
    CArchive in = Loader(B({0, 0}));
    EXPECT_EQ(in.ReadObject(), nullptr);
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
class HostileArchiveTest : public ArchiveTest {
protected:
    CArchiveError ReadErrorOf(const Bytes& bytes) {
        CArchive in = Loader(bytes);
        try {
            while (!in.IsAtEnd()) in.ReadObject();
        } catch (const CArchiveError& error) {
            return error;
        }
        ADD_FAILURE() << "no error";
        return CArchiveError("none", 0);
    }
};

TEST_F(HostileArchiveTest, AValidStreamCutAtEveryByteFailsCleanly) {
    CBox box;
    for (int i = 0; i < 3; ++i) box.m_items.push_back(std::make_unique<CItem>(i));
    CArchive out("x");
    out.WriteObject(&box);
    const Bytes& whole = out.GetBytes();
    for (std::size_t cut = 1; cut < whole.size(); ++cut) {
        const CArchiveError error = ReadErrorOf(Bytes(whole.begin(), whole.begin() + cut));
        EXPECT_LE(error.GetOffset(), cut) << cut;
    }
}

TEST_F(HostileArchiveTest, RefusalsNameTheProblemAndWhereItLies) {
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
        const CArchiveError error = ReadErrorOf(c.bytes);
        EXPECT_NE(error.GetProblem().find(c.problem), std::string::npos) << error.GetProblem();
        if (c.offset != kAnywhere) {
            EXPECT_EQ(error.GetOffset(), c.offset) << c.problem;
        }
    }
}

TEST_F(HostileArchiveTest, AbsurdLengthsFailWithoutAllocating) {
    CArchive strings = Loader(B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}));
    std::u16string text;
    EXPECT_THROW(strings.String(text), CArchiveError);

    CArchive narrow = Loader(B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_THROW(narrow.String(text), CArchiveError);

    CArchive lists = Loader(B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    std::vector<std::u16string> texts;
    EXPECT_THROW(lists.StringList(texts), CArchiveError);
}

TEST_F(HostileArchiveTest, AnObjectOfTheWrongClassIsNamed) {
    CItem item(1);
    CArchive out("x");
    out.WriteObject(&item);
    CArchive in = Loader(out.GetBytes());
    EXPECT_THAT([&] { in.ReadObjectOf<CBox>("a box"); },
                ThrowsMessage<CArchiveError>(HasSubstr("class CItem where a box was expected")));
}

}  // namespace
}  // namespace tavelo
