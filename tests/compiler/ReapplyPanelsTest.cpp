#include <gtest/gtest.h>

#include "CompilerFixtures.h"
#include "compiler/ReapplyPanels.h"
#include "elements/Register.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

TEST(ReapplyPanels, FillsWhatTheFileLacksFromTheCurrentPlcAndKeepsTheModifiedMark) {
    CAppState state;
    state.m_currentPlc = test::MakePlc(u"PLC", {test::MakeUnit(u"D", CRegUnitConfig::kByte, 1)});
    CTaveloDoc doc;
    test::AddScreen(doc, 1);
    CRegister& reg = test::Place(doc, std::make_unique<CRegister>(), 1);
    // As read from a file: the unit's byte width is not stored.
    reg.GetAddress() = test::MakeAddress(1, 1, 10, 2, 0);
    const std::u16string thirtyColumns(30, u'x');
    CStaticText& dotMatrix = test::PlaceText(doc, thirtyColumns, 1);
    CStaticText& vector = test::PlaceText(doc, thirtyColumns, 1);
    vector.SetVector(true);
    doc.SetModified(false);

    ReapplyPanels(doc, state);
    EXPECT_EQ(reg.GetAddress().m_nUnitBytes, 2);
    // Each text went through the panel of its kind: 24 columns for dot-matrix text, 32 for
    // vector text of size 12.
    EXPECT_EQ(dotMatrix.GetText().size(), 24u);
    EXPECT_EQ(vector.GetText(), thirtyColumns);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace tavelo
