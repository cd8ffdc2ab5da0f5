#include <gtest/gtest.h>

#include <algorithm>

#include "elements/DynamicText.h"
#include "elements/ElementClasses.h"
#include "elements/Register.h"
#include "elements/StaticText.h"
#include "model/AppState.h"
#include "model/ArchiveError.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/Screen.h"
#include "model/TaveloDoc.h"
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

template <class T>
T& Add(CTaveloDoc& doc, std::int32_t screen, const CRect& rect = {18, 9, 60, 45}) {
    auto& element = static_cast<T&>(doc.AddElement(std::make_unique<T>(rect)));
    element.m_nScreenNo = screen;
    return element;
}

// Every kind of texts and registers, in both text looks, with addresses on station 5, added
// in drawing order so that a read project lists them as saved.
void FillProject(CTaveloDoc& doc) {
    MakeNewProject(doc);
    doc.AddScreen(MakeNewScreen(2, u"报警"));
    Add<CStaticText>(doc, 1).SetText(u"温度 Temp");
    CStaticText& vector = Add<CStaticText>(doc, 2);
    vector.SetVector(true);
    vector.SetFaceName(u"楷体_GB2312");
    vector.SetFontSize(16);
    vector.SetInverse(1);
    CDynamicText& state = Add<CDynamicText>(doc, 1);
    state.GetValueList() = {u"0", u"1", u""};
    state.GetTextList() = {u"停止", u"运行", u""};
    state.GetAddress().m_nStation = 5;
    Add<CDynamicText>(doc, 2).SetVector(true);
    CRegister& reg = Add<CRegister>(doc, 2);
    reg.SetFloat(true);
    reg.SetDigits(6, 2);
    reg.SetInputLimits(9999, -9999);
    reg.GetAddress().m_nStation = 5;
    reg.GetAddress().m_nAddress = 300;
    Add<CRegister>(doc, 1).SetDoubleSize(1);
}

TEST(ElementsInProject, EveryKindRoundTripsByteForByteInBothLayouts) {
    const CClassRegistry registry = Registry();
    for (const char* name : {"p.ZORX", "p.ZOR"}) {
        CTaveloDoc doc;
        CAppState state;
        FillProject(doc);
        const Bytes written = CProjectFile::Write(doc, state, name);
        CTaveloDoc read;
        CAppState readState;
        CProjectFile::Read(written, name, registry, read, readState);
        EXPECT_EQ(read.GetElements().size(), 6u) << name;
        EXPECT_EQ(CProjectFile::Write(read, readState, name), written) << name;
        const auto& reg =
            dynamic_cast<const CRegister&>(*read.GetKindList(EElementKind::Registers).front());
        EXPECT_EQ(reg.GetPreview(), u"-1234.56");
        EXPECT_EQ(reg.GetAddress().m_nStation, std::string(name) == "p.ZORX" ? 5 : 1);
    }
}

class DamagedElementsTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillProject(m_doc);
        m_bytes = CProjectFile::Write(m_doc, m_state, "p.ZORX");
    }
    // The read error, or a failure when the bytes were accepted.
    CArchiveError ReadError(const Bytes& bytes) {
        CTaveloDoc doc;
        CAppState state;
        try {
            CProjectFile::Read(bytes, "p.ZORX", m_registry, doc, state);
        } catch (const CArchiveError& error) {
            return error;
        }
        ADD_FAILURE() << "accepted";
        return CArchiveError("", 0);
    }

    const CClassRegistry m_registry = Registry();
    CTaveloDoc m_doc;
    CAppState m_state;
    Bytes m_bytes;
};

TEST_F(DamagedElementsTest, BodiesCutAnywhereAreRefusedWithinTheBytesGiven) {
    for (std::size_t cut = 0; cut < m_bytes.size(); ++cut) {
        const CArchiveError error = ReadError(Bytes(m_bytes.begin(), m_bytes.begin() + cut));
        EXPECT_LE(error.GetOffset(), cut);
    }
}

TEST_F(DamagedElementsTest, AbsurdLengthsAreRefusedWhereTheyStand) {
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
        const auto at =
            std::search(m_bytes.begin(), m_bytes.end(), c.stored.begin(), c.stored.end());
        ASSERT_NE(at, m_bytes.end());
        Bytes damaged(m_bytes.begin(), at);
        const std::size_t start = damaged.size();
        damaged.insert(damaged.end(), c.damaged.begin(), c.damaged.end());
        damaged.insert(damaged.end(), at + static_cast<std::ptrdiff_t>(c.stored.size()),
                       m_bytes.end());
        EXPECT_EQ(ReadError(damaged).GetOffset(), start + c.at);
    }
}

}  // namespace
}  // namespace tavelo
