#pragma once
// What the emulator's frame tests share: PLC values from a map, images compiled with the
// delivered fonts and key graphics, the panel's digits from the delivered ASCII font, and
// golden frames under tests/data/emulator (TAVELO_UPDATE_GOLDEN=1 writes them anew).

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "compiler/ReapplyPanels.h"
#include "compiler/SampleProject.h"
#include "elements/ElementClasses.h"
#include "emulator/BuiltInDigits.h"
#include "emulator/LcdFrame.h"
#include "emulator/PanelImage.h"
#include "emulator/PolledValues.h"
#include "model/ClassRegistry.h"
#include "model/FileBytes.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"
#include "render/DeliveredFiles.h"
#include "render/FontLibrary.h"
#include "support/TestData.h"

namespace tavelo::test {

using Values = std::map<CPollAddress, std::int64_t>;

class CValueMap : public IPolledValues {
public:
    explicit CValueMap(Values values = {}) : m_values(std::move(values)) {}
    std::int64_t Read(const CPollAddress& address) const override {
        const auto found = m_values.find(address);
        return found == m_values.end() ? 0 : found->second;
    }

private:
    Values m_values;
};

inline std::vector<std::uint8_t> CompileWithDeliveredData(const CTaveloDoc& doc,
                                                          const CAppState& state) {
    CStripeRasteriser rasteriser;
    const CCompileOutcome outcome =
        CompileDownloadImage(doc, state, DeliveredDirectory(), rasteriser);
    EXPECT_TRUE(outcome.Succeeded()) << outcome.m_strReason;
    return outcome.m_image.value_or(CDownloadImage{}).m_bytes;
}

// The stored project tests/data/NAME/project.ZORX, compiled.
// The stored project compiled as Open leaves it, for the panel model given or the file's own.
inline CPanelImage LoadStoredProject(const std::string& name,
                                     std::optional<std::int32_t> model = std::nullopt) {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    RegisterElementClasses(registry);
    CTaveloDoc doc;
    CAppState state;
    CProjectFile::Open(TestDataPath(name) / "project.ZORX", registry, doc, state);
    if (model) state.m_nModelIndex = *model;
    ReapplyPanels(doc, state);
    return CPanelImage::Load(CompileWithDeliveredData(doc, state));
}

inline CBuiltInDigits DeliveredDigits() {
    return CBuiltInDigits::FromAsciiFont(ReadFileBytes(DeliveredDirectory() / kAsciiFontFileName));
}

inline void ExpectGoldenFrame(const CLcdFrame& frame, const std::string& name) {
    const auto path = TestDataPath("emulator/" + name + ".txt");
    const std::string art = frame.ToTextArt();
    if (const char* update = std::getenv("TAVELO_UPDATE_GOLDEN");
        update && update == std::string("1"))
        WriteFileAtomically(path, std::vector<std::uint8_t>(art.begin(), art.end()));
    const std::vector<std::uint8_t> expected = ReadFileBytes(path);
    EXPECT_EQ(art, std::string(expected.begin(), expected.end())) << name;
}

}  // namespace tavelo::test
