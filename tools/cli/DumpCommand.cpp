#include <ostream>

#include "JsonWriter.h"
#include "PlcDescription.h"
#include "ProjectCommands.h"
#include "ProjectContext.h"
#include "model/Archive.h"
#include "model/TextCodec.h"

namespace tavelo::cli {

namespace {

// The JSON names of the element lists, in file order.
constexpr std::array<const char*, kElementKindCount> kListKeys = {
    "dynamicTexts", "dynamicBitmaps", "functionKeys", "indicators",
    "registers",    "staticTexts",    "trendBars",    "staticBitmaps"};

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::uint8_t byte : bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xF]);
    }
    return text;
}

// The element's stored body exactly as the file holds it, so that any kind dumps losslessly.
std::vector<std::uint8_t> StoredBody(CGraphObj& element, const std::string& fileName) {
    CArchive ar(fileName);
    element.Serialize(ar);
    return ar.GetBytes();
}

void WriteScreens(CJsonWriter& json, const CTaveloDoc& doc) {
    json.Key("screens");
    json.BeginArray();
    for (const auto& screen : doc.GetScreens()) {
        json.BeginObject();
        IntMember(json, "number", screen->GetNumber());
        IntMember(json, "upScreen", screen->GetUpScreen());
        IntMember(json, "downScreen", screen->GetDownScreen());
        TextMember(json, "description", screen->GetDescription());
        json.EndObject();
    }
    json.EndArray();
}

void WriteTexts(CJsonWriter& json, std::string_view key, const std::vector<std::u16string>& texts) {
    json.Key(key);
    json.BeginArray();
    for (const auto& text : texts) json.String(text);
    json.EndArray();
}

void WriteElementLists(CJsonWriter& json, const CTaveloDoc& doc, const std::string& fileName) {
    json.Key("elementLists");
    json.BeginObject();
    for (std::size_t i = 0; i < kElementKindCount; ++i) {
        json.Key(kListKeys[i]);
        json.BeginArray();
        for (CGraphObj* element : doc.GetKindList(kFileKindOrder[i])) {
            json.BeginObject();
            json.Key("class");
            json.String(std::string_view(element->GetClassName()));
            IntMember(json, "screen", element->m_nScreenNo);
            json.Key("body");
            json.String(std::string_view(Hex(StoredBody(*element, fileName))));
            json.EndObject();
        }
        json.EndArray();
    }
    json.EndObject();
}

void WriteAlarms(CJsonWriter& json, const CAlarmList& alarms) {
    json.Key("alarms");
    json.BeginObject();
    TextMember(json, "unitName", alarms.m_strUnitName);
    IntMember(json, "station", alarms.m_nStation);
    IntMember(json, "addressing", alarms.m_nAddressing);
    IntMember(json, "address", alarms.m_nAddress);
    IntMember(json, "bit", alarms.m_nBit);
    IntMember(json, "linearBit", alarms.m_nLinearBit);
    IntMember(json, "unitType", alarms.m_nUnitType);
    WriteTexts(json, "texts", alarms.m_texts);
    json.EndObject();
}

void WriteSystemSettings(CJsonWriter& json, const CSystemSettings& settings) {
    static constexpr std::array<const char*, CSystemSettings::kFunctionCount> kRegisterKeys = {
        "autoChangeRegister", "reportScreenRegister", "clockRegister"};
    static constexpr std::array<const char*, CSystemSettings::kFunctionCount> kFunctionKeys = {
        "autoChange", "reportScreen", "clock"};
    json.Key("systemSettings");
    json.BeginObject();
    IntMember(json, "initialScreen", settings.m_nInitialScreen);
    TextMember(json, "password", settings.m_strPassword);
    IntMember(json, "statusControl", settings.m_nStatusControl);
    IntMember(json, "controlRegister", settings.m_nControlRegister);
    IntMember(json, "saverMinutes", settings.m_nSaverMinutes);
    IntMember(json, "saverAction", settings.m_nSaverAction);
    IntMember(json, "saverScreen", settings.m_nSaverScreen);
    IntMember(json, "controlUnitType", settings.m_nControlUnitType);
    IntMember(json, "station", settings.m_nStation);
    for (std::size_t i = 0; i < CSystemSettings::kFunctionCount; ++i)
        TextMember(json, kRegisterKeys[i], settings.m_strFunctionRegisters[i]);
    for (std::size_t i = 0; i < CSystemSettings::kFunctionCount; ++i)
        IntMember(json, kFunctionKeys[i], settings.m_bFunctions[i]);
    IntMember(json, "analog", settings.m_bAnalog);
    IntMember(json, "controlUnitPosition", settings.m_nUnitPosition);
    json.EndObject();
}

void WriteLink(CJsonWriter& json, const CLinkSettings& link) {
    json.Key("link");
    json.BeginObject();
    IntMember(json, "station", link.m_nStation);
    IntMember(json, "downloadPort", link.m_nDownloadPort);
    IntMember(json, "baudCode", link.m_nBaudCode);
    IntMember(json, "parityChoice", link.m_nParityChoice);
    IntMember(json, "dataBitsChoice", link.m_nDataBitsChoice);
    IntMember(json, "stopBitsChoice", link.m_nStopBitsChoice);
    IntMember(json, "plcListIndex", link.m_nPlcListIndex);
    json.EndObject();
}

void WritePlc(CJsonWriter& json, const CPLC& plc) {
    json.BeginObject();
    WriteJsonPlcMembers(json, plc);
    json.EndObject();
}

void WriteProject(CJsonWriter& json, const CProjectContext& project, const std::string& file) {
    const CTaveloDoc& doc = project.m_doc;
    json.BeginObject();
    TextMember(json, "file", FromUtf8(file));
    WriteScreens(json, doc);
    WriteTexts(json, "classNames", doc.GetClassNames());
    WriteElementLists(json, doc, file);
    WriteAlarms(json, doc.GetAlarms());
    WriteSystemSettings(json, doc.GetSystemSettings());
    WriteLink(json, doc.GetLink());
    json.Key("currentPlc");
    WritePlc(json, project.m_state.m_currentPlc);
    json.Key("plcTypes");
    json.BeginArray();
    for (const CPLC& plc : doc.GetLink().m_plcTypes) WritePlc(json, plc);
    json.EndArray();
    IntMember(json, "modelIndex", project.m_state.m_nModelIndex);
    json.EndObject();
    json.Finish();
}

}  // namespace

int RunDumpCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    return ShowProject(args, "tavelo-cli dump", err,
                       [&out](const CProjectContext& project, const std::filesystem::path& file) {
                           CJsonWriter json(out);
                           WriteProject(json, project, file.string());
                       });
}

}  // namespace tavelo::cli
