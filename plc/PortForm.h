#pragma once
// The rules of the dialog "选择通信口" without widgets: the PC serial port for downloading.

#include <string>
#include <vector>

#include "model/LinkSettings.h"

namespace tavelo {

class CPortForm {
public:
    static constexpr int kNoSelection = -1;

    // Opens on the stored port: COM1..COM4 for ports 1..4, no selection otherwise.
    explicit CPortForm(CLinkSettings& settings);

    static std::vector<std::u16string> GetPortTexts();
    int GetSelection() const;

    // The user picks an entry; the choice is remembered for OK.
    void SelectPort(int position);
    // "确定": stores the remembered position + 1, so OK without a change keeps the stored
    // port. Returns true: the project is modified. Cancel needs no call: it changes nothing.
    bool Ok();

private:
    CLinkSettings& m_settings;
    int m_nPosition;
};

}  // namespace tavelo
