#pragma once
// Every PLC address a download image reads or writes, with its widest byte count and the
// records that use it: what a virtual PLC table lists and what a live link polls and writes.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "PanelImage.h"
#include "PolledValues.h"
#include "ValueText.h"

namespace tavelo {

struct CPlcAddressUse {
    CPollAddress m_address;
    std::int64_t m_nByteCount = 1;
    // How the first register that reads it shows it; unsigned decimal otherwise.
    CValueText m_text{EValueForm::Decimal, 1};
    // "screen 3 register", "screen 3 key F2", "alarm 1", in image order.
    std::vector<std::string> m_users;
};

class CPlcAddressList {
public:
    CPlcAddressList() = default;
    explicit CPlcAddressList(const CPanelImage& image);

    // An address the list is to know besides the image's; screen 0 reads it on every screen.
    void Add(const CPollAddress& address, std::int64_t byteCount, std::string user,
             std::int64_t screen);
    // Add for a record: its byte count and, for a register, the form it shows the value in.
    void AddRecord(const CPollAddress& address, const CImageRecord& record, std::string user,
                   std::int64_t screen);

    // In station, unit, address order.
    std::vector<CPlcAddressUse> GetUses() const;
    // The widest byte count the image gives the address; 1 for an address it does not name.
    std::int64_t ByteCountOf(const CPollAddress& address) const;
    // What the panel reads while the screen is shown: the screen's own elements and keys, the
    // alarm bits and every trend graph (trends are sampled whichever screen is shown).
    std::vector<CPollAddress> PolledOn(std::int64_t screen) const;

private:
    void AddScreen(const CImageScreen& screen);
    void AddAlarms(const CImageContents& contents);

    std::map<CPollAddress, CPlcAddressUse> m_uses;
    // By screen number; 0 holds what every screen reads.
    std::map<std::int64_t, std::vector<CPollAddress>> m_polled;
};

}  // namespace tavelo
