#include "ImageRecordLayouts.h"

#include <array>

#include "GraphLoadDataBase.h"

namespace tavelo {

namespace {

constexpr CFieldLayout U8(const char* name) {
    return {name, 1, false};
}
constexpr CFieldLayout U16(const char* name) {
    return {name, 2, false};
}
constexpr CFieldLayout S16(const char* name) {
    return {name, 2, true};
}
constexpr CFieldLayout S32(const char* name) {
    return {name, 4, true};
}

constexpr std::array kHeader = {U16("screenTable"), U16("alarmIndex"), U16("wideGlyphs"),
                                U16("narrowGlyphs")};
constexpr std::array kSystemBlock = {
    U16("screens"),         U8("alarms"),       U8("marker"),           U8("alarmStation"),
    U16("alarmStartBit"),   U8("alarmUnit"),    U8("alarmStatusBytes"), U16("initialScreen"),
    U8("password1"),        U8("password2"),    U8("password3"),        U8("password4"),
    U8("passwordSet"),      U8("linkFormat"),   U8("controlFunctions"), U8("plcStation"),
    U16("controlRegister"), U8("controlUnit"),  U8("reserved1"),        U8("reserved2"),
    U8("reserved3"),        U8("saverMinutes"), U8("saverMode"),        U16("saverScreen")};
constexpr std::array kScreenEntry = {
    U16("number"),    U8("elements"),    U16("upScreen"),      U16("downScreen"),
    U16("index"),     U8("keys"),        U16("keyTable"),      U8("polled"),
    U16("pollTable"), U8("flags"),       U8("settable"),       U16("firstRegister"),
    U8("trends"),     U16("firstTrend"), U8("dynamicBitmaps"), U16("firstDynamicBitmap")};
constexpr std::array kIndexEntry = {U8("kind"), U16("offset"), U8("size")};
constexpr std::array kKeyEntry = {U8("key"),       U8("action"),    U8("subAction"),
                                  U8("station"),   U16("address"),  U8("unitCode"),
                                  U8("byteCount"), S32("parameter")};
constexpr std::array kJumpKeyEntry = {U8("key"),       U8("action"),      U8("subAction"),
                                      U16("reserved"), U16("jumpScreen"), U8("byteCount"),
                                      S32("parameter")};
constexpr std::array kPollEntry = {U8("marker"),        U8("station"),     U16("address"),
                                   U8("unitCode"),      U8("byteCount"),   U8("kind"),
                                   U16("recordOffset"), U8("recordLength")};
constexpr std::array kAlarmEntry = {U16("textOffset"), U8("textBytes")};
constexpr std::array kDynamicTextRow = {S16("value"), U16("textOffset"), U8("textBytes")};

constexpr std::array kStaticText = {U8("x"), U8("y"), U8("look"), U8("codeBytes")};
constexpr std::array kFunctionKey = {
    U8("x"),        U8("y"),        U8("look"),       U16("handCode"), U16("keyCode"),
    U8("key"),      U8("action"),   U8("subAction"),  U8("reserved"),  U8("station"),
    U16("address"), U8("unitCode"), U16("jumpScreen")};
constexpr std::array kStaticBitmap = {U8("x"),     U8("y"),      U8("reserved"),
                                      U8("width"), U8("height"), U16("dataOffset")};
constexpr std::array kRegister = {U8("x"),        U8("y"),         U8("attributes"), U8("digits"),
                                  U8("decimals"), S32("inputMax"), S32("inputMin"),  U8("station"),
                                  U16("address"), U8("unitCode"),  U8("byteCount"),  S32("engMax"),
                                  S32("engMin")};
constexpr std::array kIndicator = {
    U8("x"),         U8("y"),       U8("look"),     U16("firstPicture"), U16("secondPicture"),
    S32("reserved"), U8("station"), U16("address"), U8("unitCode")};
constexpr std::array kTrendGraph = {
    U8("x"),          U8("y"),          U8("attributes"), U8("width"),     U8("height"),
    S32("zeroScale"), S32("fullScale"), U8("points"),     U16("interval"), U8("station"),
    U16("address"),   U8("unitCode"),   U8("byteCount")};
constexpr std::array kBarGraph = {U8("x"),          U8("y"),         U8("attributes"),
                                  U8("width"),      U8("height"),    S32("zeroScale"),
                                  S32("fullScale"), U8("direction"), U8("station"),
                                  U16("address"),   U8("unitCode"),  U8("byteCount")};
constexpr std::array kDynamicText = {U8("x"),       U8("y"),          U8("look"),
                                     U8("rows"),    U8("maxColumns"), U16("rowTable"),
                                     U8("station"), U16("address"),   U8("unitCode")};
constexpr std::array kDynamicBitmap = {U8("x"),      U8("y"),        U8("logic"),
                                       U8("width"),  U8("height"),   U16("pictureOffset"),
                                       U8("marker"), U16("address"), U8("unitCode")};

}  // namespace

std::span<const CFieldLayout> PartLayout(EImagePart part) {
    switch (part) {
        case EImagePart::Header:
            return kHeader;
        case EImagePart::SystemBlock:
            return kSystemBlock;
        case EImagePart::Screen:
            return kScreenEntry;
        case EImagePart::IndexEntry:
            return kIndexEntry;
        case EImagePart::KeyEntry:
            return kKeyEntry;
        case EImagePart::JumpKeyEntry:
            return kJumpKeyEntry;
        case EImagePart::PollEntry:
            return kPollEntry;
        case EImagePart::AlarmEntry:
            return kAlarmEntry;
        case EImagePart::DynamicTextRow:
            return kDynamicTextRow;
    }
    return {};
}

std::span<const CFieldLayout> RecordLayout(std::uint8_t kind) {
    switch (kind) {
        case kStaticTextRecord:
            return kStaticText;
        case kFunctionKeyRecord:
            return kFunctionKey;
        case kStaticBitmapRecord:
            return kStaticBitmap;
        case kRegisterRecord:
            return kRegister;
        case kIndicatorRecord:
            return kIndicator;
        case kTrendGraphRecord:
            return kTrendGraph;
        case kBarGraphRecord:
            return kBarGraph;
        case kDynamicTextRecord:
            return kDynamicText;
        case kDynamicBitmapRecord:
            return kDynamicBitmap;
        default:
            return {};
    }
}

const char* RecordKindName(std::uint8_t kind) {
    static constexpr std::array<const char*, 10> kNames = {
        "unknown",   "staticText", "functionKey", "staticBitmap", "register",
        "indicator", "trendGraph", "barGraph",    "dynamicText",  "dynamicBitmap"};
    return kind < kNames.size() ? kNames[kind] : kNames[0];
}

std::size_t LayoutSize(std::span<const CFieldLayout> layout) {
    std::size_t size = 0;
    for (const CFieldLayout& field : layout) size += field.m_nWidth;
    return size;
}

void DecodeFields(std::span<const std::uint8_t> bytes, std::size_t offset,
                  std::span<const CFieldLayout> layout, std::vector<CImageField>& fields) {
    for (const CFieldLayout& field : layout) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < field.m_nWidth; ++i) value = (value << 8) | bytes[offset + i];
        std::int64_t number = value;
        if (field.m_bSigned && field.m_nWidth == 2) number = static_cast<std::int16_t>(value);
        if (field.m_bSigned && field.m_nWidth == 4) number = static_cast<std::int32_t>(value);
        fields.push_back({field.m_pszName, number, std::nullopt});
        offset += field.m_nWidth;
    }
}

}  // namespace tavelo
