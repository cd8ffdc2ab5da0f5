#include <gtest/gtest.h>

#include "elements/ElementClasses.h"
#include "elements/RectObj.h"
#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"

namespace tavelo {
namespace {

TEST(RectObjInProject, LinesAndRectanglesAreNotSavedButAreReadFromAList) {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    RegisterElementClasses(registry);
    CTaveloDoc doc;
    CAppState state;
    MakeNewProject(doc);
    const std::vector<std::uint8_t> empty = CProjectFile::Write(doc, state, "p.ZORX");
    doc.AddElement(std::make_unique<CRectObj>(CRect{0, 0, 10, 10})).m_nScreenNo = 1;
    std::vector<std::uint8_t> bytes = CProjectFile::Write(doc, state, "p.ZORX");

    // Only the class-name list mentions it: one name instead of none.
    EXPECT_EQ(bytes.size(), empty.size() + 4 + 2 * 8);

    // A rectangle object placed into the register list by hand is accepted there.
    std::vector<std::uint8_t> file = empty;
    const std::size_t registersCount = 39 + 2 + 2 * 4;
    const std::uint8_t rectangle[] = {0xFF, 0xFF, 0,   0,   8,   0,   'C', 'R',
                                      'e',  'c',  't', 'O', 'b', 'j', 1};
    file[registersCount] = 1;
    file.insert(file.begin() + registersCount + 2, std::begin(rectangle), std::end(rectangle));
    CProjectFile::Read(file, "p.ZORX", registry, doc, state);
    ASSERT_EQ(doc.GetKindList(EElementKind::Registers).size(), 1u);
    EXPECT_EQ(doc.GetKindList(EElementKind::Registers).front()->GetClassName(), "CRectObj");
    EXPECT_EQ(doc.GetElements().size(), 1u);
}

}  // namespace
}  // namespace tavelo
