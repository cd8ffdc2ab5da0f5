#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/AppState.h"
#include "model/ArchiveError.h"
#include "model/FileError.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/Screen.h"
#include "model/TaveloDoc.h"
#include "support/TempDir.h"
#include "support/TestData.h"
#include "support/TestElement.h"

namespace tavelo {
namespace {

using test::Ascii;
using test::B;
using test::Bytes;
using test::TestElement;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

CClassRegistry Registry() {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    test::RegisterTestElements(registry, {"CDynamicText", "CRegister", "CStaticText"});
    return registry;
}

// Three screens, elements of two kinds and every block away from its defaults (see
// tests/data/model/note.txt).
Bytes ExampleProject() {
    return test::TestDataBytes("model/example-project.ZORX");
}

void ReadExampleProject(CTaveloDoc& doc, CAppState& state) {
    CProjectFile::Read(ExampleProject(), "p.ZORX", Registry(), doc, state);
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

TEST_F(ProjectFileTest, ANewProjectHasTheseBytesWhateverWasOpenBefore) {
    ReadExampleProject(m_doc, m_state);
    MakeNewProject(m_doc);
    // New leaves the PLC and link settings and the model as the user left them.
    EXPECT_EQ(m_doc.GetLink().m_nBaudCode, 6);
    m_doc.GetLink() = CLinkSettings();
    m_state = CAppState();
    EXPECT_EQ(WriteAs("new.ZORX"), test::TestDataBytes("model/new-project.ZORX"));
}

TEST_F(ProjectFileTest, OnlyTheExactExtensionZorxStoresStationNumbers) {
    ReadExampleProject(m_doc, m_state);
    const Bytes withStations = WriteAs("p.ZORX");
    const Bytes older = WriteAs("p.ZOR");
    EXPECT_EQ(withStations.size(), older.size() + 2 * 4);  // two address records
    EXPECT_EQ(WriteAs("p.zorx"), older);
    // The same bytes under the other kind of name no longer fit.
    EXPECT_THROW(ReadAs(older, "p.ZORX"), CArchiveError);
    EXPECT_THROW(ReadAs(withStations, "p.zorx"), CArchiveError);
    ReadAs(older, "p.ZOR");
    const auto& reg = dynamic_cast<const TestElement&>(*m_doc.GetElements().back());
    EXPECT_EQ(reg.m_address.m_nStation, 1);
    EXPECT_EQ(reg.m_address.m_nAddress, 100);
}

// Damaged files: every failure is a CArchiveError and leaves the open project as it was.
class DamagedProjectTest : public ProjectFileTest {
protected:
    void SetUp() override {
        m_valid = ExampleProject();
        MakeNewProject(m_doc);
        m_doc.SetModified(true);
        m_state = CAppState{};
        m_state.m_nPlcListIndex = 3;
        m_before = WriteAs("p.ZORX");
    }
    // The open project is unchanged exactly when it still writes the same bytes.
    void ExpectUnchanged() {
        EXPECT_EQ(m_state.m_nPlcListIndex, 3);
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_EQ(WriteAs("p.ZORX"), m_before);
    }
    Bytes m_valid, m_before;
};

// A cut file is refused at or before the cut; a flipped byte never crashes.
TEST_F(DamagedProjectTest, CutFlippedOrTrailingBytesAreRefusedAndChangeNothing) {
    for (std::size_t at = 0; at < m_valid.size(); ++at) {
        Bytes flipped = m_valid;
        flipped[at] ^= 0xFF;
        CTaveloDoc doc;
        CAppState state;
        try {
            CProjectFile::Read(flipped, "p.ZORX", m_registry, doc, state);
        } catch (const CArchiveError&) {
        }
        try {
            ReadAs(Bytes(m_valid.begin(), m_valid.begin() + static_cast<std::ptrdiff_t>(at)),
                   "p.ZORX");
            ADD_FAILURE() << "cut at " << at << " was accepted";
        } catch (const CArchiveError& error) {
            EXPECT_LE(error.GetOffset(), at);
        }
    }
    m_valid.push_back(0);
    EXPECT_THROW(ReadAs(m_valid, "p.ZORX"), CArchiveError);
    ExpectUnchanged();
}

TEST_F(DamagedProjectTest, AnUnknownElementClassIsNamed) {
    const Bytes name = Ascii("CRegister");
    *(std::search(m_valid.begin(), m_valid.end(), name.begin(), name.end()) + 1) = 'X';
    EXPECT_THAT([&] { ReadAs(m_valid, "p.ZORX"); },
                ThrowsMessage<CArchiveError>(HasSubstr("unknown class \"CXegister\"")));
    ExpectUnchanged();
}

TEST_F(DamagedProjectTest, ScreensOfOneNumberOrOutOfRangeAreRefused) {
    const std::vector<std::pair<std::vector<std::int32_t>, const char*>> cases = {
        {{4, 4}, "a second screen numbered 4"},
        {{1, 32768}, "a screen numbered 32768, outside 1 to 32767"},
        {{0}, "a screen numbered 0"},
    };
    for (const auto& [numbers, message] : cases) {
        CTaveloDoc odd;
        for (const std::int32_t number : numbers) odd.AddScreen(MakeNewScreen(number, u"s"));
        EXPECT_THAT([&] { ReadAs(CProjectFile::Write(odd, m_state, "p.ZORX"), "p.ZORX"); },
                    ThrowsMessage<CArchiveError>(HasSubstr(message)));
    }
    ExpectUnchanged();
}

// Saving and opening through files.
TEST(ProjectFileSaveOpen, AWholeProjectSavedAndOpenedWritesTheSameBytes) {
    test::CTempDir dir;
    CTaveloDoc doc;
    CAppState state;
    ReadExampleProject(doc, state);
    CProjectFile::Save(doc, state, dir / "p.ZORX");
    EXPECT_FALSE(doc.IsModified());

    CTaveloDoc opened;
    CAppState openedState;
    opened.SetModified();
    CProjectFile::Open(dir / "p.ZORX", Registry(), opened, openedState);
    EXPECT_FALSE(opened.IsModified());
    EXPECT_EQ(ReadFileBytes(dir / "p.ZORX"), ExampleProject());
    EXPECT_EQ(CProjectFile::Write(opened, openedState, "p.ZORX"), ExampleProject());
    EXPECT_EQ(openedState.m_nModelIndex, CAppState::kModelZorB);
    EXPECT_EQ(openedState.m_nPlcListIndex, 16);
    EXPECT_EQ(openedState.m_currentPlc, state.m_currentPlc);
    EXPECT_EQ(opened.GetElements().front()->GetOwnerDoc(), &opened);
}

TEST(ProjectFileSaveOpen, AFailedSaveKeepsTheMarkAndOpenErrorsNameTheFileAndTheOffset) {
    test::CTempDir dir;
    WriteFileAtomically(dir / "bad.ZORX", Bytes{1, 0, 0xFF});
    CTaveloDoc doc;
    CAppState state;
    ReadExampleProject(doc, state);
    EXPECT_THROW(CProjectFile::Save(doc, state, dir / "bad.ZORX" / "p.ZORX"), CFileError);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_THAT([&] { CProjectFile::Open(dir / "bad.ZORX", Registry(), doc, state); },
                ThrowsMessage<CFileError>(AllOf(HasSubstr("bad.ZORX: list of 1 items cannot fit"),
                                                HasSubstr("byte offset 0"))));
}

}  // namespace
}  // namespace tavelo
