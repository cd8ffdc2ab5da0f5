#include "CommissioningReport.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <span>

#include "ReportPages.h"
#include "ReportTexts.h"
#include "check/AddressTable.h"
#include "check/CheckListForm.h"
#include "check/ElementNames.h"
#include "emulator/LcdFrame.h"
#include "emulator/PanelImage.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/VirtualPlc.h"
#include "model/AlarmListForm.h"
#include "model/AppState.h"
#include "model/FileBytes.h"
#include "model/TaveloDoc.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace rt = report_text;

namespace {

constexpr int kBauds[] = {1200, 2400, 4800, 9600, 19200, 38400};
const QMarginsF kMarginsMm(18, 16, 18, 12);

QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Cells(const std::vector<std::u16string>& cells) {
    QStringList list;
    for (const std::u16string& cell : cells) list << Q(cell);
    return list;
}

template <std::size_t N>
QStringList Header(const char16_t* const (&titles)[N]) {
    QStringList list;
    for (const char16_t* title : titles) list << Q(title);
    return list;
}

template <std::size_t N>
const char16_t* Pick(const char16_t* const (&choices)[N], std::int64_t index) {
    return choices[index >= 0 && static_cast<std::size_t>(index) < N ? index : 0];
}

class CReportBuilder {
public:
    CReportBuilder(const CTaveloDoc& doc, const CAppState& state, const CCheckResult& check,
                   CReportPages& pages)
        : m_doc(doc), m_state(state), m_check(check), m_pages(pages) {
        if (check.m_compiled.Succeeded())
            m_image = CPanelImage::Load(check.m_compiled.m_image->m_bytes);
    }

    void TitlePage(const QString& projectName) {
        m_pages.Heading(Q(rt::kTitle));
        m_pages.Line(Q(rt::kProject) + projectName);
        m_pages.Line(Q(rt::kModel) + Q(m_state.GetModelName()));
        m_pages.Line(Q(rt::kPlcType) + Q(m_state.m_currentPlc.GetName()));
        const CLinkSettings& link = m_doc.GetLink();
        m_pages.Line(
            Q(FormatMessage(rt::kLink, link.m_nStation,
                            kBauds[CLinkSettings::BaudIndexOfCode(link.m_nBaudCode)],
                            link.m_nDataBitsChoice ? 7 : 8, link.m_nStopBitsChoice ? 1 : 2) +
              Pick(rt::kParities, link.m_nParityChoice)));
        const CSystemSettings& settings = m_doc.GetSystemSettings();
        m_pages.Line(Q(FormatMessage(rt::kInitialScreen, settings.m_nInitialScreen)));
        m_pages.Line(Q(rt::kPassword) +
                     Q(settings.m_strPassword.empty() ? rt::kPasswordNone : rt::kPasswordSet));
        std::u16string saver = FormatMessage(rt::kScreenSaver, settings.m_nSaverMinutes) +
                               Pick(rt::kSaverActions, settings.m_nSaverAction);
        if (settings.m_nSaverAction == CSystemSettings::kSaverShowScreen)
            saver += FormatMessage(u"%d", settings.m_nSaverScreen);
        m_pages.Line(Q(saver));
        std::u16string control =
            FormatMessage(rt::kControl, settings.m_nStation, settings.m_nControlRegister);
        bool any = false;
        for (std::size_t i = 0; i < CSystemSettings::kFunctionCount; ++i)
            if (settings.m_bFunctions[i]) {
                control += rt::kFunctions[i];
                any = true;
            }
        m_pages.Line(Q(any ? control : control + rt::kNoFunction));
        m_pages.Line(Q(FormatMessage(rt::kScreenCount, m_doc.GetScreens().size(),
                                     m_doc.GetElements().size(), CountAlarms())));
        CCheckListForm form;
        form.Load(m_check);
        m_pages.Line(Q(form.GetBudgetText()));
        m_pages.Line(Q(rt::kCheck + form.GetSummary()));
    }

    void Screens() {
        for (const auto& screen : m_doc.GetScreens()) {
            m_pages.Heading(Q(FormatMessage(rt::kScreenHeading, screen->GetNumber()) +
                              screen->GetDescription()),
                            true);
            Picture(screen->GetNumber());
            std::vector<QStringList> rows;
            for (const auto& element : m_doc.GetElements())
                if (element->m_nScreenNo == screen->GetNumber())
                    rows.push_back(ElementRow(*element));
            if (rows.empty())
                m_pages.Line(Q(rt::kNoElements));
            else
                m_pages.Table(Header(rt::kElementHeader), rows, {0.2, 0.14, 0.54, 0.12});
        }
    }

    void Alarms() {
        m_pages.Heading(Q(rt::kAlarms), true);
        CAlarmList alarms = m_doc.GetAlarms();
        CAlarmListForm form(alarms, m_state);
        form.Open();
        std::vector<QStringList> rows;
        for (const CAlarmListForm::CRow& row : form.GetRows())
            if (!row.m_strText.empty()) rows.push_back({Q(row.m_strLabel), Q(row.m_strText)});
        if (rows.empty())
            m_pages.Line(Q(rt::kNoAlarms));
        else
            m_pages.Table(Header(rt::kAlarmHeader), rows, {0.2, 0.8});
    }

    void Addresses() {
        m_pages.Heading(Q(rt::kAddresses), true);
        std::vector<QStringList> rows;
        // One line per user, so none is cut; the address cells stand on its first line.
        for (const CAddressRow& row : BuildAddressTable(m_check.m_uses, m_state)) {
            QStringList cells = Cells(AddressTableCells(row));
            for (const std::u16string& user : row.m_users) {
                cells.back() = Q(user);
                rows.push_back(cells);
                cells = QStringList(cells.size(), QString());
            }
        }
        if (rows.empty())
            m_pages.Line(Q(rt::kNoAddresses));
        else
            m_pages.Table(Cells(AddressTableHeader()), rows,
                          {0.06, 0.07, 0.08, 0.06, 0.08, 0.07, 0.08, 0.5});
    }

    void Findings() {
        m_pages.Heading(Q(rt::kFindings), true);
        CCheckListForm form;
        form.Load(m_check);
        m_pages.Line(Q(form.GetSummary()));
        std::vector<QStringList> rows;
        for (const CCheckListForm::CRow& row : form.GetRows())
            rows.push_back({Q(row.m_strSeverity), Q(row.m_strCode), Q(row.m_strMessage)});
        if (!rows.empty()) m_pages.Table(Header(rt::kFindingHeader), rows, {0.06, 0.21, 0.73});
    }

private:
    std::size_t CountAlarms() const {
        std::size_t count = 0;
        for (const std::u16string& text : m_doc.GetAlarms().GetTexts()) count += !text.empty();
        return count;
    }

    void Picture(std::int32_t screen) {
        CLcdFrame frame;
        const CVirtualPlc zeros;
        if (m_image.IsLoaded() && m_image.FindScreen(screen) &&
            CScreenRenderer(m_image).Render(screen, zeros, frame))
            m_pages.Lcd(frame);
        else
            m_pages.Line(Q(rt::kNoPicture));
    }

    QStringList ElementRow(const CGraphObj& element) const {
        const CPoint dots = ElementDots(element);
        QStringList row{Q(ElementKindName(element)),
                        QStringLiteral("(%1, %2)").arg(dots.x).arg(dots.y), QString(), QString()};
        for (const CAddressUse& use : m_check.m_uses)
            if (use.m_pElement == &element) {
                const CRegUnitConfig* unit = FindUnitByType(m_state, use.m_nUnitType);
                row[2] = Q(FormatMessage(rt::kStation, use.m_nStation) +
                           (unit ? unit->m_strName : FormatMessage(u"%d", use.m_nUnitType)) +
                           FormatMessage(rt::kAddress, use.m_nAddress, use.m_nBit));
                row[3] = Q(AccessName(use.m_eAccess));
            }
        return row;
    }

    const CTaveloDoc& m_doc;
    const CAppState& m_state;
    const CCheckResult& m_check;
    CReportPages& m_pages;
    CPanelImage m_image = CPanelImage::Load({});
};

}  // namespace

int WriteCommissioningReport(const CTaveloDoc& doc, const CAppState& state,
                             const CCheckResult& check, const QString& projectName,
                             const std::filesystem::path& file) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);
        writer.setResolution(CReportPages::kDotsPerInch);
        writer.setTitle(Q(rt::kTitle) + QStringLiteral(" ") + projectName);
        writer.setCreator(QStringLiteral("Tavelo"));
        CReportPages layout(writer, Q(rt::kTitle) + QStringLiteral("  ") + projectName);
        CReportBuilder builder(doc, state, check, layout);
        builder.TitlePage(projectName);
        builder.Screens();
        builder.Alarms();
        builder.Addresses();
        builder.Findings();
        layout.Finish();
        pages = layout.GetPageCount();
    }
    const QByteArray& bytes = pdf.data();
    WriteFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())));
    return pages;
}

}  // namespace tavelo
