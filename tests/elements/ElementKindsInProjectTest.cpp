#include <gtest/gtest.h>

#include <set>

#include "elements/BitmapImport.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/ElementClasses.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/PreviewPictures.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/FieldSink.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"
#include "model/TextCodec.h"
#include "support/BmpFiles.h"

namespace tavelo {
namespace {

// Every field as "group.name=value", in order.
class FlatFieldSink : public CFieldSink {
public:
    void Int(std::string_view name, std::int64_t value) override {
        Add(name, std::to_string(value));
    }
    void Text(std::string_view name, const std::u16string& value) override {
        Add(name, ToUtf8(value));
    }
    void Ints(std::string_view name, const std::vector<std::int64_t>& values) override {
        Add(name, std::to_string(values.size()) + " ints");
    }
    void Texts(std::string_view name, const std::vector<std::u16string>& values) override {
        Add(name, std::to_string(values.size()) + " texts");
    }
    void BeginGroup(std::string_view name) override { m_groups.emplace_back(name); }
    void EndGroup() override { m_groups.pop_back(); }

    std::vector<std::string> names, fields;

private:
    void Add(std::string_view name, const std::string& value) {
        std::string full;
        for (const std::string& group : m_groups) full += group + ".";
        full += name;
        names.push_back(full);
        fields.push_back(full + "=" + value);
    }
    std::vector<std::string> m_groups;
};

FlatFieldSink Fields(const CGraphObj& element) {
    FlatFieldSink sink;
    element.DescribeFields(sink);
    return sink;
}

void AddEveryKind(CTaveloDoc& doc) {
    auto add = [&](std::unique_ptr<CGraphObj> element) {
        element->m_nScreenNo = 1;
        doc.AddElement(std::move(element));
    };
    CRegisterUnit address;
    address.m_nStation = 7;
    address.m_nUnitType = 2;
    address.m_nAddress = 300;
    // In drawing order, the order a read project has.
    add(std::make_unique<CStaticText>(CRect{1, 2, 3, 4}));
    auto dynamic = std::make_unique<CDynamicBitmap>(CRect{300, 100, 0, 0});
    dynamic->SetAddress(address);
    dynamic->SetBitmapType(2);
    add(std::move(dynamic));
    add(std::make_unique<CDynamicText>(CRect{5, 6, 7, 8}));
    auto key = std::make_unique<CFunctionKey>(CRect{60, 0, 0, 0});
    key->SetAddress(address);
    key->SetKey(17);
    key->SetLook(false, false, true);
    add(std::move(key));
    auto lamp = std::make_unique<CIndicator>(CRect{20, 20, 56, 56});
    lamp->SetAddress(address);
    lamp->SetLogic(CIndicator::kNegative);
    add(std::move(lamp));
    add(std::make_unique<CRegister>(CRect{9, 10, 11, 12}));
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

TEST(ElementKindsInProject, EveryKindRoundTripsByteForByteInBothLayouts) {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    RegisterElementClasses(registry);
    CTaveloDoc doc;
    CAppState state;
    MakeNewProject(doc);
    AddEveryKind(doc);
    for (const char* name : {"p.ZORX", "p.ZOR"}) {
        const std::vector<std::uint8_t> bytes = CProjectFile::Write(doc, state, name);
        CTaveloDoc read;
        CAppState readState;
        CProjectFile::Read(bytes, name, registry, read, readState);
        EXPECT_EQ(CProjectFile::Write(read, readState, name), bytes) << name;
        std::set<std::string> kinds;
        for (const auto& element : read.GetElements()) kinds.insert(element->GetClassName());
        EXPECT_EQ(kinds.size(), 8u);
        const bool stations = std::string(name) == "p.ZORX";
        for (const auto& element : read.GetElements()) {
            const auto original = std::find_if(
                doc.GetElements().begin(), doc.GetElements().end(),
                [&](const auto& e) { return e->GetPosition() == element->GetPosition(); });
            ASSERT_NE(original, doc.GetElements().end());
            FlatFieldSink before = Fields(**original), after = Fields(*element);
            EXPECT_EQ(before.fields.size(), after.fields.size());
            for (std::size_t i = 0; i < before.fields.size(); ++i) {
                const bool compared = stations || before.names[i] != "address.station";
                EXPECT_TRUE(!compared || before.fields[i] == after.fields[i])
                    << name << " " << before.fields[i] << " " << after.fields[i];
            }
        }
    }
}

TEST(ElementKindsInProject, FieldsAreNamedOnceEachInLowerCamelCaseAfterTheBaseFields) {
    CTaveloDoc doc;
    AddEveryKind(doc);
    for (const auto& element : doc.GetElements()) {
        const FlatFieldSink sink = Fields(*element);
        ASSERT_GT(sink.names.size(), 7u);
        EXPECT_EQ(sink.names[4], "screenNo") << element->GetClassName();
        EXPECT_EQ(std::set<std::string>(sink.names.begin(), sink.names.end()).size(),
                  sink.names.size())
            << element->GetClassName();
        for (const std::string& name : sink.names)
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(name[0])) &&
                        name.find('_') == std::string::npos)
                << name;
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
