#include "CheckCommand.h"

#include <memory>
#include <ostream>

#include "FindingOutput.h"
#include "ProjectImage.h"
#include "TextTable.h"
#include "check/AddressTable.h"
#include "model/CsvText.h"
#include "model/TextCodec.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

namespace {

enum class EFormat { kLines, kJson, kCsv };

struct COptions {
    std::string m_strProject;
    bool m_bJson = false;
    bool m_bCsv = false;
    EFormat Format() const {
        return m_bJson ? EFormat::kJson : m_bCsv ? EFormat::kCsv : EFormat::kLines;
    }
};

int Check(const COptions& options, std::ostream& out, std::ostream& err) {
    CProjectContext project("tavelo-cli check");
    const std::optional<CCheckResult> result = OpenAndCheck(project, options.m_strProject, err);
    if (!result) return tools::kExitUsage;
    if (options.Format() == EFormat::kJson)
        tools::PrintJson(out, FindingsJson(*result));
    else
        WriteFindingLines(result->m_findings, out);
    return result->Count(ESeverity::Error) ? tools::kExitFailed : 0;
}

tools::Json AddressesJson(const std::vector<CAddressRow>& rows) {
    tools::Json json = tools::Json::array();
    for (const CAddressRow& row : rows)
        json.push_back({{"station", row.m_nStation},
                        {"unitType", row.m_nUnitType},
                        {"unit", tools::JsonText(row.m_strUnit)},
                        {"address", row.m_nAddress},
                        {"bit", row.m_nBit},
                        {"byteCount", row.m_nByteCount},
                        {"access", tools::JsonText(AccessName(row.m_eAccess))},
                        {"screens", row.m_screens},
                        {"users", tools::JsonTexts(row.m_users)}});
    return json;
}

void WriteAddressTable(const std::vector<CAddressRow>& rows, std::ostream& out) {
    using A = CTextTable::Align;
    CTextTable table(AddressTableHeader(), {A::kRight, A::kLeft, A::kRight, A::kRight, A::kRight,
                                            A::kLeft, A::kLeft, A::kLeft});
    for (const CAddressRow& row : rows) table.AddRow(AddressTableCells(row));
    table.Write(out, "");
}

int Addresses(const COptions& options, std::ostream& out, std::ostream& err) {
    CProjectContext project("tavelo-cli addresses");
    if (!OpenForCheck(project, options.m_strProject, err)) return tools::kExitUsage;
    const std::vector<CAddressRow> rows =
        BuildAddressTable(CollectAddressUses(project.m_doc, project.m_state), project.m_state);
    switch (options.Format()) {
        case EFormat::kJson:
            tools::PrintJson(out, AddressesJson(rows));
            break;
        case EFormat::kCsv: {
            std::vector<std::vector<std::u16string>> lines{AddressTableHeader()};
            for (const CAddressRow& row : rows) lines.push_back(AddressTableCells(row));
            out << FormatCsv(lines);
            break;
        }
        case EFormat::kLines:
            WriteAddressTable(rows, out);
            break;
    }
    return 0;
}

}  // namespace

void AddCheckCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<COptions>();
    CLI::App* command = app.add_subcommand(
        "check", "check a project for what would go wrong on the panel (exit 1 on errors)");
    command->add_option("PROJECT", options->m_strProject, "a project file (.ZORX or .ZOR)")
        ->required();
    command->add_flag("--json", options->m_bJson, "print the findings as JSON");
    command->callback([options, &run] { run.m_nExitCode = Check(*options, run.m_out, run.m_err); });
}

void AddAddressesCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<COptions>();
    CLI::App* command = app.add_subcommand(
        "addresses", "list every PLC address the project reads or writes, and who uses it");
    command->add_option("PROJECT", options->m_strProject, "a project file (.ZORX or .ZOR)")
        ->required();
    CLI::Option* json = command->add_flag("--json", options->m_bJson, "print the table as JSON");
    command->add_flag("--csv", options->m_bCsv, "print the table as CSV (UTF-8 with BOM)")
        ->excludes(json);
    command->callback(
        [options, &run] { run.m_nExitCode = Addresses(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
