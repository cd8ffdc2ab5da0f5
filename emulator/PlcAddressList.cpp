#include "PlcAddressList.h"

#include <algorithm>

#include "FunctionKeyAction.h"
#include "ScreenRenderer.h"
#include "compiler/GraphLoadDataBase.h"
#include "compiler/ImageRecordLayouts.h"

namespace tavelo {

namespace {

constexpr std::int64_t kEveryScreen = 0;

// Byte counts the records can carry; a bit or a field without a count is one byte.
std::int64_t ByteCountIn(const CImageRecord& record) {
    return std::clamp<std::int64_t>(record.Value("byteCount", 1), 1, 4);
}

}  // namespace

CPlcAddressList::CPlcAddressList(const CPanelImage& image) {
    if (!image.IsLoaded()) return;
    for (const CImageScreen& screen : image.GetContents().m_screens) AddScreen(screen);
    AddAlarms(image.GetContents());
}

void CPlcAddressList::AddScreen(const CImageScreen& screen) {
    const std::int64_t number = screen.m_entry.Value("number");
    const std::string prefix = "screen " + std::to_string(number) + " ";
    for (const CImageRecord& record : screen.m_elements) {
        // A function key's record repeats its table entry, which is taken below.
        if (!record.Find("unitCode") || record.m_strKind == RecordKindName(kFunctionKeyRecord))
            continue;
        const CPollAddress address{
            record.Value("station", CScreenRenderer::kDynamicBitmapStation),
            record.Value("unitCode"), record.Value("address")};
        const bool isTrend = record.m_strKind == RecordKindName(kTrendGraphRecord);
        AddRecord(address, record, prefix + record.m_strKind, isTrend ? kEveryScreen : number);
    }
    for (const CImageRecord& entry : screen.m_keyEntries) {
        if (!CFunctionKeyAction(entry).WritesPlc()) continue;
        Add({entry.Value("station"), entry.Value("unitCode"), entry.Value("address")},
            ByteCountIn(entry), prefix + "key F" + std::to_string(entry.Value("key") & 0x7F),
            number);
    }
}

void CPlcAddressList::AddAlarms(const CImageContents& contents) {
    const CImageRecord& system = contents.m_systemBlock;
    const std::size_t count =
        std::min(contents.m_alarms.size(), static_cast<std::size_t>(system.Value("alarms")));
    for (std::size_t i = 0; i < count; ++i)
        Add({system.Value("alarmStation"), system.Value("alarmUnit"),
             system.Value("alarmStartBit") + static_cast<std::int64_t>(i)},
            1, "alarm " + std::to_string(i + 1), kEveryScreen);
}

void CPlcAddressList::Add(const CPollAddress& address, std::int64_t byteCount, std::string user,
                          std::int64_t screen) {
    CPlcAddressUse& use = m_uses[address];
    use.m_address = address;
    use.m_nByteCount = std::max(use.m_users.empty() ? 1 : use.m_nByteCount, byteCount);
    use.m_text.m_nByteCount = use.m_nByteCount;
    use.m_users.push_back(std::move(user));
    std::vector<CPollAddress>& polled = m_polled[screen];
    if (std::find(polled.begin(), polled.end(), address) == polled.end())
        polled.push_back(address);
}

void CPlcAddressList::AddRecord(const CPollAddress& address, const CImageRecord& record,
                                std::string user, std::int64_t screen) {
    const bool isFirstRegister =
        record.m_strKind == RecordKindName(kRegisterRecord) &&
        std::none_of(m_uses[address].m_users.begin(), m_uses[address].m_users.end(),
                     [](const std::string& name) { return name.ends_with(" register"); });
    Add(address, ByteCountIn(record), std::move(user), screen);
    CPlcAddressUse& use = m_uses[address];
    if (isFirstRegister || use.m_users.size() == 1) {
        use.m_text = CValueText::Of(record);
        use.m_text.m_nByteCount = use.m_nByteCount;
    }
}

std::vector<CPlcAddressUse> CPlcAddressList::GetUses() const {
    std::vector<CPlcAddressUse> uses;
    uses.reserve(m_uses.size());
    for (const auto& [address, use] : m_uses) uses.push_back(use);
    return uses;
}

std::int64_t CPlcAddressList::ByteCountOf(const CPollAddress& address) const {
    const auto found = m_uses.find(address);
    return found == m_uses.end() ? 1 : found->second.m_nByteCount;
}

std::vector<CPollAddress> CPlcAddressList::PolledOn(std::int64_t screen) const {
    std::vector<CPollAddress> polled;
    for (const std::int64_t key : {screen, kEveryScreen}) {
        const auto found = m_polled.find(key);
        if (found == m_polled.end()) continue;
        for (const CPollAddress& address : found->second)
            if (std::find(polled.begin(), polled.end(), address) == polled.end())
                polled.push_back(address);
    }
    return polled;
}

}  // namespace tavelo
