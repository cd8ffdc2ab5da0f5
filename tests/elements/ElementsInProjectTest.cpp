#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "elements/BitmapImport.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/ElementClasses.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/PreviewPictures.h"
#include "elements/RectObj.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "model/AppState.h"
#include "model/ArchiveError.h"
#include "model/ClassRegistry.h"
#include "model/FieldSink.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/Screen.h"
#include "model/TaveloDoc.h"
#include "model/TextCodec.h"
#include "support/BmpFiles.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;

CClassRegistry Registry() {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    RegisterElementClasses(registry);
    return registry;
}

// Every field as "group.name=value", in order; lists by their length.
class FlatFieldSink : public CFieldSink {
public:
    void Int(std::string_view name, std::int64_t value) override {
        Add(name, std::to_string(value));
    }
    void Text(std::string_view name, const std::u16string& value) override {
        Add(name, ToUtf8(value));
    }
    void Ints(std::string_view name, const std::vector<std::int64_t>& values) override {
        Add(name, std::to_string(values.size()));
    }
    void Texts(std::string_view name, const std::vector<std::u16string>& values) override {
        Add(name, std::to_string(values.size()));
    }
    void BeginGroup(std::string_view name) override { m_groups.emplace_back(name); }
    void EndGroup() override { m_groups.pop_back(); }

    std::vector<std::string> names, fields;

private:
    void Add(std::string_view name, const std::string& value) {
        std::string full;
        for (const std::string& group : m_groups) full += group + ".";
        names.push_back(full + std::string(name));
        fields.push_back(names.back() + "=" + value);
    }
    std::vector<std::string> m_groups;
};

FlatFieldSink Fields(const CGraphObj& element) {
    FlatFieldSink sink;
    element.DescribeFields(sink);
    return sink;
}

// Every kind, texts and registers in both looks, with addresses off station 1, each at a
// place of its own and added in drawing order so that a read project lists them as saved.
void FillProject(CTaveloDoc& doc) {
    MakeNewProject(doc);
    doc.AddScreen(MakeNewScreen(2, u"报警"));
    auto add = [&](std::unique_ptr<CGraphObj> element, std::int32_t screen = 1) -> CGraphObj& {
        element->m_nScreenNo = screen;
        return doc.AddElement(std::move(element));
    };
    CRegisterUnit address;
    address.m_nStation = 7;
    address.m_nUnitType = 2;
    address.m_nAddress = 300;
    auto text = std::make_unique<CStaticText>(CRect{1, 2, 3, 4});
    text->SetText(u"温度 Temp");
    add(std::move(text));
    auto vectorText = std::make_unique<CStaticText>(CRect{13, 14, 15, 16});
    vectorText->SetVector(true);
    vectorText->SetFaceName(u"楷体_GB2312");
    vectorText->SetFontSize(16);
    vectorText->SetInverse(1);
    add(std::move(vectorText), 2);
    auto dynamic = std::make_unique<CDynamicBitmap>(CRect{300, 100, 0, 0});
    dynamic->SetAddress(address);
    dynamic->SetBitmapType(2);
    add(std::move(dynamic));
    auto states = std::make_unique<CDynamicText>(CRect{5, 6, 7, 8});
    states->GetValueList() = {u"0", u"1", u""};
    states->GetTextList() = {u"停止", u"运行", u""};
    states->GetAddress().m_nStation = 5;
    add(std::move(states));
    auto vectorStates = std::make_unique<CDynamicText>(CRect{17, 18, 19, 20});
    vectorStates->SetVector(true);
    add(std::move(vectorStates), 2);
    auto key = std::make_unique<CFunctionKey>(CRect{60, 0, 0, 0});
    key->SetAddress(address);
    key->SetKey(17);
    key->SetLook(false, false, true);
    add(std::move(key));
    auto lamp = std::make_unique<CIndicator>(CRect{20, 20, 56, 56});
    lamp->SetAddress(address);
    lamp->SetLogic(CIndicator::kNegative);
    add(std::move(lamp));
    auto reg = std::make_unique<CRegister>(CRect{9, 10, 11, 12});
    reg->SetFloat(true);
    reg->SetDigits(6, 2);
    reg->SetInputLimits(9999, -9999);
    reg->GetAddress().m_nStation = 5;
    reg->GetAddress().m_nAddress = 300;
    add(std::move(reg), 2);
    add(std::make_unique<CRegister>(CRect{21, 22, 23, 24})).SetDoubleSize(1);
    auto bar = std::make_unique<CTrendBar>(CTrendBar::kBarGraph, CRect{100, 0, 0, 0});
    bar->SetDirection(CTrendBar::kRight);
    bar->SetScales(1000, -5);
    add(std::move(bar));
    add(std::make_unique<CTrendBar>(CTrendBar::kTrendGraph, CRect{150, 0, 0, 0}));
    test::BmpLayout layout;
    layout.pixel = [](std::int32_t x, std::int32_t y) { return (x + y) % 3 ? 1u : 0u; };
    add(std::make_unique<CStaticBitmap>(*CBitmapImport::FromBytes(test::MakeBmp(layout)).m_bitmap,
                                        u"图片.bmp"));
}

// Every field survives both layouts (the older has no stations: they read back as station 1),
// and the fields the dump names are named once each.
TEST(ElementsInProject, EveryKindRoundTripsByteForByteInBothLayouts) {
    CTaveloDoc doc;
    CAppState state;
    FillProject(doc);
    for (const std::string name : {"p.ZORX", "p.ZOR"}) {
        const Bytes bytes = CProjectFile::Write(doc, state, name);
        CTaveloDoc read;
        CAppState readState;
        CProjectFile::Read(bytes, name, Registry(), read, readState);
        EXPECT_EQ(CProjectFile::Write(read, readState, name), bytes) << name;
        ASSERT_EQ(read.GetElements().size(), doc.GetElements().size()) << name;
        std::set<std::string> kinds;
        for (std::size_t i = 0; i < doc.GetElements().size(); ++i) {
            kinds.insert(read.GetElements()[i]->GetClassName());
            FlatFieldSink before = Fields(*doc.GetElements()[i]);
            const FlatFieldSink after = Fields(*read.GetElements()[i]);
            EXPECT_EQ(std::set(before.names.begin(), before.names.end()).size(),
                      before.names.size());
            if (name == "p.ZOR")
                std::replace_if(
                    before.fields.begin(), before.fields.end(),
                    [](const std::string& f) { return f.starts_with("address.station="); },
                    "address.station=1");
            EXPECT_EQ(after.fields, before.fields) << name;
        }
        EXPECT_EQ(kinds.size(), 8u);
    }
}

TEST(ElementsInProject, LinesAndRectanglesAreNotSavedButAreReadFromAList) {
    CTaveloDoc doc;
    CAppState state;
    MakeNewProject(doc);
    const Bytes empty = CProjectFile::Write(doc, state, "p.ZORX");
    doc.AddElement(std::make_unique<CRectObj>(CRect{0, 0, 10, 10})).m_nScreenNo = 1;
    // Only the class-name list mentions it: one name instead of none.
    EXPECT_EQ(CProjectFile::Write(doc, state, "p.ZORX").size(), empty.size() + 4 + 2 * 8);

    // A rectangle object placed into the register list by hand is accepted there.
    Bytes file = empty;
    const std::size_t registersCount = 39 + 2 + 2 * 4;
    const Bytes rectangle = B({0xFF, 0xFF, 0, 0, 8, 0, 'C', 'R', 'e', 'c', 't', 'O', 'b', 'j', 1});
    file[registersCount] = 1;
    file.insert(file.begin() + registersCount + 2, rectangle.begin(), rectangle.end());
    CProjectFile::Read(file, "p.ZORX", Registry(), doc, state);
    ASSERT_EQ(doc.GetKindList(EElementKind::Registers).size(), 1u);
    EXPECT_EQ(doc.GetKindList(EElementKind::Registers).front()->GetClassName(), "CRectObj");
    EXPECT_EQ(doc.GetElements().size(), 1u);
}

// The read error of damaged bytes, or a failure when they were accepted.
CArchiveError ReadError(const Bytes& bytes) {
    CTaveloDoc doc;
    CAppState state;
    try {
        CProjectFile::Read(bytes, "p.ZORX", Registry(), doc, state);
    } catch (const CArchiveError& error) {
        return error;
    }
    ADD_FAILURE() << "accepted";
    return CArchiveError("", 0);
}

Bytes FilledProject() {
    CTaveloDoc doc;
    CAppState state;
    FillProject(doc);
    return CProjectFile::Write(doc, state, "p.ZORX");
}

TEST(DamagedElements, BodiesCutAnywhereAreRefusedWithinTheBytesGiven) {
    const Bytes bytes = FilledProject();
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_LE(ReadError(Bytes(bytes.begin(), bytes.begin() + cut)).GetOffset(), cut);
}

TEST(DamagedElements, AbsurdLengthsAreRefusedWhereTheyStand) {
    const Bytes bytes = FilledProject();
    struct Case {
        Bytes stored;    // a field as saved
        Bytes damaged;   // its length or count made absurd
        std::size_t at;  // where the error is reported, from the field's start: its length
    };
    const Case cases[] = {
        // The static text "温度 Temp", four billion units long.
        {B({0xFF, 0xFE, 0xFF, 7, 0x29, 0x6E, 0xA6, 0x5E}),
         B({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0x29, 0x6E, 0xA6, 0x5E}),
         3},
        // The dynamic text's value list, 0xFFFFFFFF strings in the long count form.
        {B({3, 0, 0xFF, 0xFE, 0xFF, 1, '0', 0}),
         B({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 1, '0', 0}), 0},
    };
    for (const Case& c : cases) {
        const auto at = std::search(bytes.begin(), bytes.end(), c.stored.begin(), c.stored.end());
        ASSERT_NE(at, bytes.end());
        Bytes damaged(bytes.begin(), at);
        const std::size_t start = damaged.size();
        damaged.insert(damaged.end(), c.damaged.begin(), c.damaged.end());
        damaged.insert(damaged.end(), at + static_cast<std::ptrdiff_t>(c.stored.size()),
                       bytes.end());
        EXPECT_EQ(ReadError(damaged).GetOffset(), start + c.at);
    }
}

TEST(PreviewPictures, EveryPictureTheElementsShowShipsAt36By36) {
    std::vector<std::int32_t> numbers = {135, 117, 138, 136, 248, 2046, 2047, 2021};
    for (const CFunctionKey::CKeyEntry& key : CFunctionKey::kKeys)
        for (std::int32_t look = 0; look < 3; ++look) numbers.push_back(key.m_nFirstPicture + look);
    std::set<std::vector<std::uint8_t>> looks;
    for (std::int32_t number : numbers) {
        if (number == 2020) continue;  // the key '6' shows its normal look at 2021
        const CMonoPicture picture = LoadPreviewPicture(number);
        EXPECT_EQ(picture.m_nWidth, 36) << number;
        EXPECT_EQ(picture.m_nHeight, 36) << number;
        EXPECT_NE(std::count(picture.m_dots.begin(), picture.m_dots.end(), 1), 0) << number;
        looks.insert(picture.m_dots);
    }
    // The hidden looks share one dotted outline; every other picture is its own.
    EXPECT_EQ(looks.size(), numbers.size() - 1 - 19);
    EXPECT_EQ(LoadPreviewPicture(2020).m_nWidth, 0);
}

}  // namespace
}  // namespace tavelo
