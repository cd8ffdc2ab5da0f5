#include <gtest/gtest.h>

#include "CompilerFixtures.h"
#include "compiler/CompilerMessages.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Register.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Be16;
using test::Concat;

class ScreenRecords : public test::CCompilerTest {
protected:
    CRegister& PlaceRegister(std::int32_t x, std::int32_t y, bool settable) {
        auto reg = std::make_unique<CRegister>();
        reg->SetSettable(settable);
        reg->SetDigits(x / 4 + 1, 0);  // tells the registers apart in their records
        return test::Place(doc, std::move(reg), 1, x, y);
    }

    // The registers' digit bytes and the other records' kinds, in index order.
    std::vector<int> Order(const CDownloadImage& image) {
        std::vector<int> order;
        for (const test::CRecordBytes& record : test::RecordsOf(image, 0))
            order.push_back(record.m_nKind == 4 ? 100 + record.m_bytes[3] : record.m_nKind);
        return order;
    }
};

TEST_F(ScreenRecords, SettableRegistersLeadInReadingOrderAndTheRestFollowByKind) {
    test::PlaceText(doc, u"t", 1);
    PlaceRegister(36, 0, false);  // 110
    PlaceRegister(8, 20, true);   // 103
    PlaceRegister(4, 20, true);   // 102
    PlaceRegister(0, 4, true);    // 101
    test::Place(doc, std::make_unique<CFunctionKey>(), 1);
    CDownloadImage image = CompileOk();
    EXPECT_EQ(Order(image), (std::vector<int>{101, 102, 103, 1, 2, 110}));
    // Four registers polled, one key; settable flag and count; the first register record.
    const std::vector<test::CRecordBytes> records = test::RecordsOf(image, 0);
    EXPECT_EQ(test::Slice(test::ScreenEntry(image, 0), 9, 10),
              Concat({B({1}), test::Slice(test::ScreenEntry(image, 0), 10, 2), B({4}),
                      test::Slice(test::ScreenEntry(image, 0), 13, 2), B({0x08, 3}),
                      Be16(records[0].m_nOffset)}));
    EXPECT_EQ(test::KeyTableOf(image, 0).size(), 12u);
    EXPECT_EQ(test::PollTableOf(image, 0).size(), 40u);

    // Two settable registers at one place: the one added later goes first.
    auto twin = std::make_unique<CRegister>();
    twin->SetSettable(true);
    twin->SetDigits(9, 0);
    test::Place(doc, std::move(twin), 1, 4, 20);
    EXPECT_EQ(Order(CompileOk()), (std::vector<int>{101, 109, 102, 103, 1, 2, 110}));
}

TEST_F(ScreenRecords, TablesOfAScreenWithoutEntriesAreZero) {
    test::AddScreen(doc, 2);
    PlaceRegister(0, 0, false);
    const CDownloadImage image = CompileOk();
    const std::vector<std::uint8_t> empty = test::ScreenEntry(image, 1);
    EXPECT_EQ(test::Slice(empty, 0, 3), B({0, 2, 0}));
    EXPECT_EQ(test::Slice(empty, 9, 16), std::vector<std::uint8_t>(16, 0));
    // A register that is not settable still names the first register record.
    EXPECT_EQ(test::Slice(test::ScreenEntry(image, 0), 15, 4),
              Concat({B({0, 0}), Be16(test::RecordsOf(image, 0)[0].m_nOffset)}));
}

TEST_F(ScreenRecords, ElementsOfMissingScreensLendTheirGlyphsButGetNoRecord) {
    test::PlaceText(doc, u"文", 9);
    const CDownloadImage image = CompileOk();
    EXPECT_EQ(image.m_layout.m_nWideCount, 1u);
    EXPECT_TRUE(test::RecordsOf(image, 0).empty());
}

TEST_F(ScreenRecords, CountsBeyondTheirByteRefuseTheImage) {
    test::PlaceText(doc, std::u16string(256, u'a'), 1);
    CCompileOutcome outcome = test::Compile(doc, state, data);
    EXPECT_EQ(outcome.m_messages,
              std::vector<std::u16string>{compiler_messages::kDataOrganisation});

    CTaveloDoc crowded;
    test::AddScreen(crowded, 1);
    for (int i = 0; i < 256; ++i) test::PlaceText(crowded, u"", 1);
    outcome = test::Compile(crowded, state, data);
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_EQ(outcome.m_messages,
              std::vector<std::u16string>{compiler_messages::kDataOrganisation});
}

}  // namespace
}  // namespace tavelo
