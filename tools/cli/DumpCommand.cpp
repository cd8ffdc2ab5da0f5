#include <array>
#include <ostream>

#include "PlcDescription.h"
#include "ProjectCommands.h"
#include "ProjectContext.h"
#include "model/Archive.h"
#include "tools/common/JsonFieldSink.h"
#include "tools/common/JsonOutput.h"

namespace tavelo::cli {

namespace {

using tools::Json;
using tools::JsonText;

// The JSON names of the element lists, in file order.
constexpr std::array<const char*, kElementKindCount> kListKeys = {
    "dynamicTexts", "dynamicBitmaps", "functionKeys", "indicators",
    "registers",    "staticTexts",    "trendBars",    "staticBitmaps"};

// The element's stored body exactly as the file holds it, so that any kind dumps losslessly.
std::vector<std::uint8_t> StoredBody(CGraphObj& element, const std::string& fileName) {
    CArchive ar(fileName);
    element.Serialize(ar);
    return ar.GetBytes();
}

Json ScreensJson(const CTaveloDoc& doc) {
    Json screens = Json::array();
    for (const auto& screen : doc.GetScreens())
        screens.push_back({{"number", screen->GetNumber()},
                           {"upScreen", screen->GetUpScreen()},
                           {"downScreen", screen->GetDownScreen()},
                           {"description", JsonText(screen->GetDescription())}});
    return screens;
}

Json ElementJson(CGraphObj& element, const std::string& fileName) {
    tools::CJsonFieldSink fields;
    element.DescribeFields(fields);
    return {{"class", element.GetClassName()},
            {"screen", element.m_nScreenNo},
            {"fields", fields.GetJson()},
            {"body", tools::Hex(StoredBody(element, fileName))}};
}

Json ElementListsJson(const CTaveloDoc& doc, const std::string& fileName) {
    Json lists = Json::object();
    for (std::size_t i = 0; i < kElementKindCount; ++i) {
        Json list = Json::array();
        for (CGraphObj* element : doc.GetKindList(kFileKindOrder[i]))
            list.push_back(ElementJson(*element, fileName));
        lists[kListKeys[i]] = std::move(list);
    }
    return lists;
}

Json AlarmsJson(const CAlarmList& alarms) {
    return {{"unitName", JsonText(alarms.m_strUnitName)},
            {"station", alarms.m_nStation},
            {"addressing", alarms.m_nAddressing},
            {"address", alarms.m_nAddress},
            {"bit", alarms.m_nBit},
            {"linearBit", alarms.m_nLinearBit},
            {"unitType", alarms.m_nUnitType},
            {"texts", tools::JsonTexts(alarms.m_texts)}};
}

Json SystemSettingsJson(const CSystemSettings& settings) {
    static constexpr std::array<const char*, CSystemSettings::kFunctionCount> kRegisterKeys = {
        "autoChangeRegister", "reportScreenRegister", "clockRegister"};
    static constexpr std::array<const char*, CSystemSettings::kFunctionCount> kFunctionKeys = {
        "autoChange", "reportScreen", "clock"};
    Json json = {{"initialScreen", settings.m_nInitialScreen},
                 {"password", JsonText(settings.m_strPassword)},
                 {"statusControl", settings.m_nStatusControl},
                 {"controlRegister", settings.m_nControlRegister},
                 {"saverMinutes", settings.m_nSaverMinutes},
                 {"saverAction", settings.m_nSaverAction},
                 {"saverScreen", settings.m_nSaverScreen},
                 {"controlUnitType", settings.m_nControlUnitType},
                 {"station", settings.m_nStation}};
    for (std::size_t i = 0; i < CSystemSettings::kFunctionCount; ++i)
        json[kRegisterKeys[i]] = JsonText(settings.m_strFunctionRegisters[i]);
    for (std::size_t i = 0; i < CSystemSettings::kFunctionCount; ++i)
        json[kFunctionKeys[i]] = settings.m_bFunctions[i];
    json["analog"] = settings.m_bAnalog;
    json["controlUnitPosition"] = settings.m_nUnitPosition;
    return json;
}

Json LinkJson(const CLinkSettings& link) {
    return {{"station", link.m_nStation},
            {"downloadPort", link.m_nDownloadPort},
            {"baudCode", link.m_nBaudCode},
            {"parityChoice", link.m_nParityChoice},
            {"dataBitsChoice", link.m_nDataBitsChoice},
            {"stopBitsChoice", link.m_nStopBitsChoice},
            {"plcListIndex", link.m_nPlcListIndex}};
}

void WriteProject(const CProjectContext& project, const std::filesystem::path& file,
                  std::ostream& out) {
    const CTaveloDoc& doc = project.m_doc;
    Json plcTypes = Json::array();
    for (const CPLC& plc : doc.GetLink().m_plcTypes) plcTypes.push_back(JsonPlcMembers(plc));
    tools::PrintJson(out, {{"file", file.string()},
                           {"screens", ScreensJson(doc)},
                           {"classNames", tools::JsonTexts(doc.GetClassNames())},
                           {"elementLists", ElementListsJson(doc, file.string())},
                           {"alarms", AlarmsJson(doc.GetAlarms())},
                           {"systemSettings", SystemSettingsJson(doc.GetSystemSettings())},
                           {"link", LinkJson(doc.GetLink())},
                           {"currentPlc", JsonPlcMembers(project.m_state.m_currentPlc)},
                           {"plcTypes", std::move(plcTypes)},
                           {"modelIndex", project.m_state.m_nModelIndex}});
}

}  // namespace

void AddDumpCommand(CLI::App& app, CCommandRun& run) {
    AddShowProjectCommand(app, run, "dump", "print every stored field of a project as JSON",
                          WriteProject);
}

}  // namespace tavelo::cli
