#include <map>
#include <ostream>

#include "PlcDescription.h"
#include "ProjectCommands.h"
#include "ProjectContext.h"
#include "TextTable.h"
#include "model/TextCodec.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

namespace {

// Rates of the panel's baud codes 2 to 8 (code 7 is unused).
const std::map<int, int> kBaudOfCode = {{2, 1200}, {3, 2400},  {4, 4800},
                                        {5, 9600}, {6, 19200}, {8, 38400}};

std::string Quoted(const std::u16string& text) {
    return "\"" + ToUtf8(text) + "\"";
}

std::string Choice(int value, std::initializer_list<const char*> names) {
    if (value >= 0 && static_cast<std::size_t>(value) < names.size()) return names.begin()[value];
    return "choice " + std::to_string(value) + " (unknown)";
}

std::string DescribeLink(const CLinkSettings& link) {
    const auto baud = kBaudOfCode.find(link.m_nBaudCode);
    return "download port COM" + std::to_string(link.m_nDownloadPort) + "; panel to PLC " +
           (baud == kBaudOfCode.end() ? "baud code " + std::to_string(link.m_nBaudCode)
                                      : std::to_string(baud->second) + " baud") +
           ", " + Choice(link.m_nDataBitsChoice, {"8 data bits", "7 data bits"}) + ", " +
           Choice(link.m_nStopBitsChoice, {"2 stop bits", "1 stop bit"}) + ", " +
           Choice(link.m_nParityChoice, {"no parity", "odd parity", "even parity"}) + "; station " +
           std::to_string(link.m_nStation);
}

std::u16string Number(std::int32_t value) {
    return FromUtf8(std::to_string(value));
}

// "CStaticText 2, CRegister 1" for the elements of one screen, in drawing order of first use.
std::u16string ElementCounts(const CTaveloDoc& doc, std::int32_t screen) {
    std::vector<std::pair<std::string, int>> counts;
    for (const auto& element : doc.GetElements()) {
        if (element->m_nScreenNo != screen) continue;
        const std::string name = element->GetClassName();
        auto it = std::find_if(counts.begin(), counts.end(),
                               [&name](const auto& count) { return count.first == name; });
        if (it == counts.end())
            counts.emplace_back(name, 1);
        else
            ++it->second;
    }
    std::string text;
    for (const auto& [name, count] : counts)
        text += (text.empty() ? "" : ", ") + name + " " + std::to_string(count);
    return FromUtf8(text.empty() ? "none" : text);
}

void WriteScreens(const CTaveloDoc& doc, std::ostream& out) {
    out << "Screens: " << doc.GetScreens().size() << "\n";
    using Align = CTextTable::Align;
    CTextTable table({u"number", u"up", u"down", u"description", u"elements"},
                     {Align::kRight, Align::kRight, Align::kRight, Align::kLeft, Align::kLeft});
    for (const auto& screen : doc.GetScreens())
        table.AddRow({Number(screen->GetNumber()), Number(screen->GetUpScreen()),
                      Number(screen->GetDownScreen()), u"\"" + screen->GetDescription() + u"\"",
                      ElementCounts(doc, screen->GetNumber())});
    table.Write(out, "  ");
}

void WriteSystemSettings(const CSystemSettings& settings, std::ostream& out) {
    out << "System settings: initial screen " << settings.m_nInitialScreen << ", password "
        << Quoted(settings.m_strPassword) << ", screen saver " << int{settings.m_nSaverMinutes}
        << " min ("
        << (settings.m_nSaverAction == CSystemSettings::kSaverShowScreen
                ? "show screen " + std::to_string(settings.m_nSaverScreen)
                : std::string("backlight off"))
        << ")\n";
    out << "  control register " << settings.m_nControlRegister << " (unit type "
        << int{settings.m_nControlUnitType} << "), station " << settings.m_nStation
        << ", status-control byte 0x" << std::hex << int{settings.m_nStatusControl} << std::dec
        << "\n";
    const char* names[] = {"automatic screen change", "report current screen", "clock module"};
    for (std::size_t i = 0; i < CSystemSettings::kFunctionCount; ++i)
        out << "  " << names[i] << ": "
            << (settings.m_bFunctions[i] ? "on, " + Quoted(settings.m_strFunctionRegisters[i])
                                         : std::string("off"))
            << "\n";
}

void WriteAlarms(const CAlarmList& alarms, std::ostream& out) {
    std::size_t used = 0;
    for (const auto& text : alarms.m_texts) used += text.empty() ? 0 : 1;
    out << "Alarms: " << used << " texts; unit " << Quoted(alarms.m_strUnitName) << " (type "
        << alarms.m_nUnitType << "), station " << alarms.m_nStation << ", address "
        << alarms.m_nAddress << ", bit " << alarms.m_nBit << ", linear bit " << alarms.m_nLinearBit
        << "\n";
    for (std::size_t i = 0; i < alarms.m_texts.size(); ++i)
        if (!alarms.m_texts[i].empty())
            out << "  " << i << ": " << Quoted(alarms.m_texts[i]) << "\n";
}

void WriteInfo(const CProjectContext& project, const std::filesystem::path& file,
               std::ostream& out) {
    const CTaveloDoc& doc = project.m_doc;
    const CPLC& plc = project.m_state.m_currentPlc;
    out << "File: " << file.string() << "\n";
    out << "Panel model: " << ToUtf8(project.m_state.GetModelName()) << " (model index "
        << project.m_state.m_nModelIndex << ")\n";
    out << "PLC type: " << Quoted(plc.GetName()) << " at list index "
        << doc.GetLink().m_nPlcListIndex << ", " << plc.m_units.size()
        << " address units; serial defaults " << DescribeSerial(plc.m_serial) << "\n";
    out << "Link: " << DescribeLink(doc.GetLink()) << "\n";
    WriteScreens(doc, out);
    WriteSystemSettings(doc.GetSystemSettings(), out);
    WriteAlarms(doc.GetAlarms(), out);
}

}  // namespace

void AddInfoCommand(CLI::App& app, CCommandRun& run) {
    AddShowProjectCommand(app, run, "info",
                          "summarise a project: model, PLC type, link, screens, settings, alarms",
                          WriteInfo);
}

}  // namespace tavelo::cli
