#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/AppState.h"
#include "model/ArchiveError.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"
#include "support/ByteHelpers.h"
#include "support/PlcSamples.h"
#include "support/StoredTestElement.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::Ascii;
using test::B;
using test::Bytes;
using test::Concat;
using test::StoredTestElement;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

const Bytes kEmptyString = B({0xFF, 0xFE, 0xFF, 0x00});
const Bytes kInt0 = B({0, 0, 0, 0});
const Bytes kInt1 = B({1, 0, 0, 0});

CClassRegistry Registry() {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    test::RegisterStoredTestElements(registry, {"CDynamicText", "CRegister", "CStaticText"});
    return registry;
}

// A project with three screens, elements of two kinds, settings, alarms and a PLC type.
void FillExampleProject(CTaveloDoc& doc, CAppState& state) {
    MakeNewProject(doc);
    doc.AddScreen(MakeNewScreen(2, u"温度"));
    doc.AddScreen(MakeNewScreen(7, u""));
    auto text = std::make_unique<StoredTestElement>("CStaticText", CRect{10, 20, 100, 40});
    text->m_nScreenNo = 1;
    doc.AddElement(std::move(text));
    auto reg = std::make_unique<StoredTestElement>("CRegister", CRect{0, 0, 50, 18});
    reg->m_nScreenNo = 2;
    reg->m_address.m_nStation = 5;
    reg->m_address.m_nAddress = 100;
    reg->m_address.m_nUnitType = 1;
    doc.AddElement(std::move(reg));
    doc.GetAlarms().m_strUnitName = u"M";
    doc.GetAlarms().m_texts = {u"电机过热", u"Pump 2 fault"};
    doc.GetSystemSettings().m_strPassword = u"1234";
    doc.GetSystemSettings().m_nInitialScreen = 2;
    doc.GetLink().m_nPlcListIndex = 16;
    doc.GetLink().m_nBaudCode = 6;
    state.m_nModelIndex = CAppState::kModelZorB;
    state.m_nPlcListIndex = 16;
    state.m_currentPlc.SetName(CPLC::kModbusRtuName);
    state.m_currentPlc.GetUnits().push_back(test::MakeUnit(u"4X", CRegUnitConfig::kByte, 1));
}

class ProjectFileTest : public ::testing::Test {
protected:
    Bytes WriteAs(const std::string& name) { return CProjectFile::Write(m_doc, m_state, name); }
    void ReadAs(const Bytes& bytes, const std::string& name) {
        CProjectFile::Read(bytes, name, m_registry, m_doc, m_state);
    }

    CClassRegistry m_registry = Registry();
    CTaveloDoc m_doc;
    CAppState m_state;
};

TEST_F(ProjectFileTest, ANewProjectSavedAtOnceHasTheseBytes) {
    MakeNewProject(m_doc);
    const Bytes expected = Concat({
        // Screens: screen 1, up 1, down 2, "画面 1".
        B({0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x07, 0x00}), Ascii("CScreen"), kInt1, kInt1,
        B({2, 0, 0, 0}),
        B({0xFF, 0xFE, 0xFF, 0x04, 0x3B, 0x75, 0x62, 0x97, 0x20, 0x00, 0x31, 0x00}),
        B({0, 0}),     // no class names
        Bytes(16, 0),  // eight empty element lists
        // Alarm block: no unit, station 1, everything else 0, no texts.
        kEmptyString, kInt1, kInt0, kInt0, kInt0, kInt0, kInt0, B({0, 0}),
        // System settings at their defaults.
        kInt1, kEmptyString, B({0}), kInt0, B({3}), kInt1, kInt1, B({1}), kInt1, kEmptyString,
        kEmptyString, kEmptyString, kInt0, kInt0, kInt0, kInt0, kInt0,
        // PLC and link: station 0, COM1, 9600, even, 7 bits, 1 stop bit, index 0, empty type.
        kInt0, B({1, 5, 2, 1, 1}), kInt0, kEmptyString, kInt0, kInt0, kInt0, kInt0, B({0, 0}),
        kInt0, B({3, 0, 0, 0}), kInt1, kInt0, kInt0, B({0, 0}),  // no PLC type list
        kInt0, kInt0, kInt0, kInt0, kInt0, kInt0,                // ZORA and five reserved values
    });
    EXPECT_EQ(WriteAs("new.ZORX"), expected);
}

TEST_F(ProjectFileTest, ScreensAndElementsShareTheTagNumbering) {
    MakeNewProject(m_doc);
    m_doc.AddScreen(MakeNewScreen(2, u""));
    m_doc.AddScreen(MakeNewScreen(3, u"x"));
    auto text = std::make_unique<StoredTestElement>("CDynamicText");
    text->m_nScreenNo = 1;
    m_doc.AddElement(std::move(text));
    const Bytes bytes = WriteAs("p.ZORX");
    // The second screen carries the known-class tag and its empty description.
    const Bytes second =
        Concat({B({0x01, 0x80, 2, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0}), kEmptyString});
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), second.begin(), second.end()), bytes.end());
    // Class 1 and objects 2 to 4 are the screens, so the dynamic text's class is number 5 and
    // a second one would carry 0x8005.
    const Bytes dynamicText = Concat({B({0xFF, 0xFF, 0, 0, 0x0C, 0}), Ascii("CDynamicText")});
    const auto at = std::search(bytes.begin(), bytes.end(), dynamicText.begin(), dynamicText.end());
    ASSERT_NE(at, bytes.end());
    // After the class names ("CDynamicText" once) the first element list holds one object.
    EXPECT_EQ(Bytes(at - 2, at), B({1, 0}));

    auto secondText = std::make_unique<StoredTestElement>("CDynamicText");
    secondText->m_nScreenNo = 3;
    m_doc.AddElement(std::move(secondText));
    const Bytes twoTexts = WriteAs("p.ZORX");
    const Bytes knownTag = B({0x05, 0x80});
    EXPECT_NE(std::search(twoTexts.begin(), twoTexts.end(), knownTag.begin(), knownTag.end()),
              twoTexts.end());
}

TEST_F(ProjectFileTest, ReadingRebuildsTheElementListInDrawingOrder) {
    FillExampleProject(m_doc, m_state);
    // The register was added after the static text; drawing order puts static texts first.
    auto later = std::make_unique<StoredTestElement>("CRegister");
    later->m_nScreenNo = 1;
    m_doc.AddElement(std::move(later));
    auto text = std::make_unique<StoredTestElement>("CStaticText");
    text->m_nScreenNo = 7;
    m_doc.AddElement(std::move(text));
    ReadAs(WriteAs("p.ZORX"), "p.ZORX");
    std::vector<std::string> order;
    for (const auto& element : m_doc.GetElements()) order.push_back(element->GetClassName());
    EXPECT_EQ(order,
              (std::vector<std::string>{"CStaticText", "CStaticText", "CRegister", "CRegister"}));
    EXPECT_EQ(m_doc.GetElements()[0]->GetOwnerDoc(), &m_doc);
    // The class names are kept as the file had them.
    EXPECT_EQ(m_doc.GetClassNames(), (std::vector<std::u16string>{u"CStaticText", u"CRegister",
                                                                  u"CRegister", u"CStaticText"}));
}

TEST_F(ProjectFileTest, OnlyTheExactExtensionZorxStoresStationNumbers) {
    FillExampleProject(m_doc, m_state);
    const Bytes withStations = WriteAs("p.ZORX");
    const Bytes older = WriteAs("p.ZOR");
    const Bytes lowerCase = WriteAs("p.zorx");
    EXPECT_EQ(withStations.size(), older.size() + 2 * 4);  // two address records
    EXPECT_EQ(lowerCase, older);

    CTaveloDoc doc;
    CAppState state;
    CProjectFile::Read(older, "p.ZOR", m_registry, doc, state);
    const auto& reg =
        dynamic_cast<const StoredTestElement&>(*doc.GetKindList(EElementKind::Registers).front());
    EXPECT_EQ(reg.m_address.m_nStation, 1);
    EXPECT_EQ(reg.m_address.m_nAddress, 100);
    // Converting back to ".ZORX" writes the older file's station 1 into the newer layout.
    CTaveloDoc again;
    CProjectFile::Read(CProjectFile::Write(doc, state, "q.ZORX"), "q.ZORX", m_registry, again,
                       state);
    EXPECT_EQ(
        dynamic_cast<const StoredTestElement&>(*again.GetKindList(EElementKind::Registers).front())
            .m_address.m_nStation,
        1);
    // The same bytes under the other kind of name no longer fit.
    EXPECT_THROW(ReadAs(older, "p.ZORX"), CArchiveError);
    EXPECT_THROW(ReadAs(withStations, "p.zorx"), CArchiveError);
}

TEST_F(ProjectFileTest, EightBitDescriptionsAreReadAsCodePage936) {
    MakeNewProject(m_doc);
    Bytes bytes = WriteAs("p.ZORX");
    const Bytes marked =
        B({0xFF, 0xFE, 0xFF, 0x04, 0x3B, 0x75, 0x62, 0x97, 0x20, 0x00, 0x31, 0x00});
    const auto at = std::search(bytes.begin(), bytes.end(), marked.begin(), marked.end());
    ASSERT_NE(at, bytes.end());
    const Bytes narrow = B({0x04, 0xD6, 0xD0, 0xCE, 0xC4});  // "中文"
    bytes.insert(bytes.erase(at, at + static_cast<std::ptrdiff_t>(marked.size())), narrow.begin(),
                 narrow.end());
    ReadAs(bytes, "p.ZORX");
    EXPECT_EQ(m_doc.GetScreens().front()->GetDescription(), u"中文");
}

TEST_F(ProjectFileTest, ATypeNotInAnyListIsAcceptedInAList) {
    MakeNewProject(m_doc);
    Bytes bytes = WriteAs("p.ZORX");
    // Put a bare CGraphObj (base fields only) into the static text list.
    const Bytes object = Concat({B({0xFF, 0xFF, 0, 0, 9, 0}), Ascii("CGraphObj"), kInt0, kInt0,
                                 B({10, 0, 0, 0, 10, 0, 0, 0}), kInt1, kInt0, kInt0});
    // After the screen list (39 bytes), the class names (2) and five empty lists.
    const std::size_t staticTextsCount = 39 + 2 + 2 * 5;
    ASSERT_EQ(bytes[staticTextsCount], 0);
    bytes[staticTextsCount] = 1;
    bytes.insert(bytes.begin() + staticTextsCount + 2, object.begin(), object.end());
    ReadAs(bytes, "p.ZORX");
    EXPECT_EQ(m_doc.GetKindList(EElementKind::StaticTexts).size(), 1u);
    EXPECT_EQ(m_doc.GetElements().size(), 1u);
}

// Damaged files: every failure is a CArchiveError and leaves the open project as it was.
class DamagedProjectTest : public ProjectFileTest {
protected:
    void SetUp() override {
        FillExampleProject(m_doc, m_state);
        m_valid = WriteAs("p.ZORX");
        MakeNewProject(m_doc);
        m_doc.SetModified(true);
        m_state = CAppState{};
        m_state.m_nPlcListIndex = 3;
        m_before = WriteAs("p.ZORX");
    }
    // The open project is unchanged exactly when it still writes the same bytes.
    void ExpectUnchanged(const std::string& context) {
        EXPECT_EQ(m_state.m_nPlcListIndex, 3) << context;
        EXPECT_TRUE(m_doc.IsModified()) << context;
        EXPECT_EQ(WriteAs("p.ZORX"), m_before) << context;
    }
    Bytes m_valid, m_before;
};

TEST_F(DamagedProjectTest, AFileCutAtEveryByteIsRefusedAndChangesNothing) {
    for (std::size_t cut = 0; cut < m_valid.size(); ++cut) {
        try {
            ReadAs(Bytes(m_valid.begin(), m_valid.begin() + static_cast<std::ptrdiff_t>(cut)),
                   "p.ZORX");
            ADD_FAILURE() << "cut at " << cut << " was accepted";
        } catch (const CArchiveError& error) {
            EXPECT_LE(error.GetOffset(), cut);
        }
    }
    ExpectUnchanged("after the cuts");
}

TEST_F(DamagedProjectTest, FlippedBytesNeverCrashAndAFailedReadChangesNothing) {
    for (std::size_t at = 0; at < m_valid.size(); ++at) {
        Bytes damaged = m_valid;
        damaged[at] ^= 0xFF;
        CTaveloDoc doc;
        CAppState state;
        try {
            CProjectFile::Read(damaged, "p.ZORX", m_registry, doc, state);
        } catch (const CArchiveError&) {
            continue;
        }
    }
    m_valid.push_back(0);
    EXPECT_THROW(ReadAs(m_valid, "p.ZORX"), CArchiveError);
    ExpectUnchanged("after trailing bytes");
}

TEST_F(DamagedProjectTest, AnUnknownElementClassIsNamed) {
    const Bytes unknown = Ascii("CRegister");
    const auto at = std::search(m_valid.begin(), m_valid.end(), unknown.begin(), unknown.end());
    ASSERT_NE(at, m_valid.end());
    *(at + 1) = 'X';
    EXPECT_THAT([&] { ReadAs(m_valid, "p.ZORX"); },
                ThrowsMessage<CArchiveError>(HasSubstr("unknown class \"CXegister\"")));
    ExpectUnchanged("after an unknown class");
}

// Saving and opening through files.
TEST(ProjectFileSaveOpen, AWholeProjectSavedAndOpenedWritesTheSameBytes) {
    test::CTempDir dir;
    CTaveloDoc doc;
    CAppState state;
    FillExampleProject(doc, state);
    CProjectFile::Save(doc, state, dir / "p.ZORX");
    EXPECT_FALSE(doc.IsModified());

    CTaveloDoc opened;
    CAppState openedState;
    opened.SetModified();
    CProjectFile::Open(dir / "p.ZORX", Registry(), opened, openedState);
    EXPECT_FALSE(opened.IsModified());
    EXPECT_EQ(CProjectFile::Write(opened, openedState, "p.ZORX"), ReadFileBytes(dir / "p.ZORX"));
    EXPECT_EQ(openedState.m_nModelIndex, CAppState::kModelZorB);
    EXPECT_EQ(openedState.m_nPlcListIndex, 16);
    EXPECT_EQ(openedState.m_currentPlc, state.m_currentPlc);
    EXPECT_EQ(opened.GetAlarms(), doc.GetAlarms());
    EXPECT_EQ(opened.GetSystemSettings(), doc.GetSystemSettings());
    ASSERT_EQ(opened.GetScreens().size(), 3u);
    EXPECT_EQ(opened.GetScreens()[1]->GetDescription(), u"温度");
}

TEST(ProjectFileSaveOpen, AFailedSaveKeepsTheMark) {
    test::CTempDir dir;
    WriteFileAtomically(dir / "plain", Bytes{1});
    CTaveloDoc doc;
    CAppState state;
    FillExampleProject(doc, state);
    ASSERT_TRUE(doc.IsModified());
    EXPECT_THROW(CProjectFile::Save(doc, state, dir / "plain" / "p.ZORX"), CFileError);
    EXPECT_TRUE(doc.IsModified());
}

TEST(ProjectFileSaveOpen, OpenErrorsNameTheFileAndTheOffset) {
    test::CTempDir dir;
    WriteFileAtomically(dir / "bad.ZORX", Bytes{1, 0, 0xFF});
    CTaveloDoc doc;
    CAppState state;
    EXPECT_THAT([&] { CProjectFile::Open(dir / "bad.ZORX", Registry(), doc, state); },
                ThrowsMessage<CFileError>(AllOf(HasSubstr("bad.ZORX: list of 1 items cannot fit"),
                                                HasSubstr("byte offset 0"))));
}

}  // namespace
}  // namespace tavelo
