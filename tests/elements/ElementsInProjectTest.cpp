#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "elements/ElementClasses.h"
#include "elements/FunctionKey.h"
#include "elements/PreviewPictures.h"
#include "elements/RectObj.h"
#include "elements/StaticBitmap.h"
#include "model/AppState.h"
#include "model/ArchiveError.h"
#include "model/ClassRegistry.h"
#include "model/FieldSink.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"
#include "model/TextCodec.h"
#include "support/ByteHelpers.h"
#include "support/DrawCalls.h"
#include "support/TestData.h"

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

// A project of every kind (see tests/data/elements/note.txt), read as Open reads it.
Bytes EveryKind() {
    return test::TestDataBytes("elements/every-kind.ZORX");
}

void Read(const Bytes& bytes, const std::string& name, CTaveloDoc& doc, CAppState& state) {
    CProjectFile::Read(bytes, name, Registry(), doc, state);
}

// Every field survives both layouts (the older has no stations: they read back as station 1),
// and the fields the dump names are named once each.
TEST(ElementsInProject, EveryKindRoundTripsByteForByteInBothLayouts) {
    CTaveloDoc doc, older;
    CAppState state, olderState;
    Read(EveryKind(), "p.ZORX", doc, state);
    EXPECT_EQ(CProjectFile::Write(doc, state, "p.ZORX"), EveryKind());
    const Bytes olderBytes = CProjectFile::Write(doc, state, "p.ZOR");
    Read(olderBytes, "p.ZOR", older, olderState);
    EXPECT_EQ(CProjectFile::Write(older, olderState, "p.ZOR"), olderBytes);
    ASSERT_EQ(older.GetElements().size(), doc.GetElements().size());
    std::set<std::string> kinds;
    for (std::size_t i = 0; i < doc.GetElements().size(); ++i) {
        kinds.insert(doc.GetElements()[i]->GetClassName());
        FlatFieldSink before = Fields(*doc.GetElements()[i]);
        EXPECT_EQ(std::set(before.names.begin(), before.names.end()).size(), before.names.size());
        std::replace_if(
            before.fields.begin(), before.fields.end(),
            [](const std::string& f) { return f.starts_with("address.station="); },
            "address.station=1");
        EXPECT_EQ(Fields(*older.GetElements()[i]).fields, before.fields);
    }
    EXPECT_EQ(kinds.size(), 8u);
}

// The canvas preview of every kind, a line and a rectangle: something drawn, all of it inside
// the element's rectangle, and no empty picture.
TEST(ElementsInProject, EveryKindPreviewsWithinItsRectangle) {
    CTaveloDoc doc;
    CAppState state;
    Read(EveryKind(), "p.ZORX", doc, state);
    doc.AddElement(std::make_unique<CRectObj>(CRect{40, 30, 10, 5}, CRectObj::kLine));
    doc.AddElement(std::make_unique<CRectObj>(CRect{1, 2, 3, 4}, CRectObj::kRectangle));
    for (const auto& element : doc.GetElements()) {
        const auto calls = test::DrawCalls(*element);
        // A static bitmap gives its position in dots; it draws in canvas units.
        const auto* bitmap = dynamic_cast<const CStaticBitmap*>(element.get());
        const CRect box = (bitmap ? bitmap->GetCanvasRect() : element->GetPosition()).Normalized();
        EXPECT_FALSE(calls.empty()) << element->GetClassName();
        for (const auto& call : calls) {
            const CRect drawn = call.rect.Normalized();
            EXPECT_TRUE(drawn.left >= box.left && drawn.top >= box.top &&
                        drawn.right <= box.right && drawn.bottom <= box.bottom)
                << element->GetClassName() << " " << drawn.left << "," << drawn.top;
            const auto& dots = call.picture.m_dots;
            EXPECT_TRUE(call.kind != test::RecordingDrawSurface::Kind::Picture ||
                        std::count(dots.begin(), dots.end(), 1) != 0);
        }
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

TEST(DamagedElements, BodiesCutAnywhereAreRefusedWithinTheBytesGiven) {
    const Bytes bytes = EveryKind();
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_LE(ReadError(Bytes(bytes.begin(), bytes.begin() + cut)).GetOffset(), cut);
}

TEST(DamagedElements, AbsurdLengthsAreRefusedWhereTheyStand) {
    const Bytes bytes = EveryKind();
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
