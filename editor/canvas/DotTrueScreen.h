#pragma once
// The current screen as the panel's LCD shows it: the project compiled into its download image
// and the screen drawn from that image by the emulator's renderer, with every PLC value 0. The
// image is compiled again only after the project changed.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "emulator/BuiltInDigits.h"
#include "emulator/LcdFrame.h"

namespace tavelo {

struct CEditorContext;

class CDotTrueScreen {
public:
    explicit CDotTrueScreen(const CEditorContext& context);
    ~CDotTrueScreen();

    // The project changed: the next frame is compiled anew.
    void Invalidate();
    // The screen's dots, or none when the project does not compile; GetError() then says why.
    const CLcdFrame* Render(std::int32_t screenNumber);
    // The compiler's message, empty after a compilation that succeeded.
    const std::u16string& GetError() const { return m_strError; }

private:
    struct CCompiled;
    void Compile();

    const CEditorContext& m_context;
    CBuiltInDigits m_digits;
    std::unique_ptr<CCompiled> m_pCompiled;
    bool m_bStale = true;
    std::u16string m_strError;
    std::optional<std::int32_t> m_renderedScreen;
    CLcdFrame m_frame;
};

}  // namespace tavelo
