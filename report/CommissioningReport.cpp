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
#include "translation/ShownText.h"

namespace tavelo {

namespace rt = report_text;

namespace {

constexpr int kBauds[] = {1200, 2400, 4800, 9600, 19200, 38400};
const QMarginsF kMarginsMm(18, 16, 18, 12);

// A user's text or a figure, as it is.
QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// One of the system's texts, in the interface language.
QString S(std::u16string_view text) {
    return ShownText(text);
}

QStringList Cells(const std::vector<std::u16string>& cells) {
    QStringList list;
    for (const std::u16string& cell : cells) list << Q(cell);
    return list;
}

QStringList Shown(const std::vector<std::u16string>& texts) {
    QStringList list;
    for (const std::u16string& text : texts) list << S(text);
    return list;
}

template <std::size_t N>
QStringList Header(const char16_t* const (&titles)[N]) {
    QStringList list;
    for (const char16_t* title : titles) list << S(title);
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
        m_pages.Heading(S(rt::kTitle));
        m_pages.Line(S(rt::kProject) + projectName);
        m_pages.Line(S(rt::kModel) + Q(m_state.GetModelName()));
        m_pages.Line(S(rt::kPlcType) + Q(m_state.m_currentPlc.GetName()));
        const CLinkSettings& link = m_doc.GetLink();
        m_pages.Line(
            S(FormatMessage(rt::kLink, link.m_nStation,
                            kBauds[CLinkSettings::BaudIndexOfCode(link.m_nBaudCode)],
                            link.m_nDataBitsChoice ? 7 : 8, link.m_nStopBitsChoice ? 1 : 2)) +
            S(Pick(rt::kParities, link.m_nParityChoice)));
        const CSystemSettings& settings = m_doc.GetSystemSettings();
        m_pages.Line(S(FormatMessage(rt::kInitialScreen, settings.m_nInitialScreen)));
        m_pages.Line(S(rt::kPassword) +
                     S(settings.m_strPassword.empty() ? rt::kPasswordNone : rt::kPasswordSet));
        QString saver = S(FormatMessage(rt::kScreenSaver, settings.m_nSaverMinutes)) +
                        S(Pick(rt::kSaverActions, settings.m_nSaverAction));
        if (settings.m_nSaverAction == CSystemSettings::kSaverShowScreen)
            saver += QString::number(settings.m_nSaverScreen);
        m_pages.Line(saver);
        QString control =
            S(FormatMessage(rt::kControl, settings.m_nStation, settings.m_nControlRegister));
        bool any = false;
        for (std::size_t i = 0; i < CSystemSettings::kFunctionCount; ++i)
            if (settings.m_bFunctions[i]) {
                control += S(rt::kFunctions[i]);
                any = true;
            }
        m_pages.Line(any ? control : control + S(rt::kNoFunction));
        m_pages.Line(S(FormatMessage(rt::kScreenCount, m_doc.GetScreens().size(),
                                     m_doc.GetElements().size(), CountAlarms())));
        CCheckListForm form;
        form.Load(m_check);
        m_pages.Line(S(form.GetBudgetText()));
        m_pages.Line(S(rt::kCheck) + S(form.GetSummary()));
    }

    void Screens() {
        for (const auto& screen : m_doc.GetScreens()) {
            m_pages.Heading(S(FormatMessage(rt::kScreenHeading, screen->GetNumber())) +
                                Q(screen->GetDescription()),
                            true);
            Picture(screen->GetNumber());
            std::vector<QStringList> rows;
            for (const auto& element : m_doc.GetElements())
                if (element->m_nScreenNo == screen->GetNumber())
                    rows.push_back(ElementRow(*element));
            if (rows.empty())
                m_pages.Line(S(rt::kNoElements));
            else
                m_pages.Table(Header(rt::kElementHeader), rows, {0.2, 0.14, 0.54, 0.12});
        }
    }

    void Alarms() {
        m_pages.Heading(S(rt::kAlarms), true);
        CAlarmList alarms = m_doc.GetAlarms();
        CAlarmListForm form(alarms, m_state);
        form.Open();
        std::vector<QStringList> rows;
        for (const CAlarmListForm::CRow& row : form.GetRows())
            if (!row.m_strText.empty()) rows.push_back({Q(row.m_strLabel), Q(row.m_strText)});
        if (rows.empty())
            m_pages.Line(S(rt::kNoAlarms));
        else
            m_pages.Table(Header(rt::kAlarmHeader), rows, {0.2, 0.8});
    }

    void Addresses() {
        m_pages.Heading(S(rt::kAddresses), true);
        std::vector<QStringList> rows;
        // One line per user, so none is cut; the address cells stand on its first line.
        for (const CAddressRow& row : BuildAddressTable(m_check.m_uses, m_state)) {
            QStringList cells = Cells(AddressTableCells(row));
            cells[kAddressAccessColumn] = S(AccessName(row.m_eAccess));
            for (const std::u16string& user : row.m_users) {
                cells.back() = Q(user);
                rows.push_back(cells);
                cells = QStringList(cells.size(), QString());
            }
        }
        if (rows.empty())
            m_pages.Line(S(rt::kNoAddresses));
        else
            m_pages.Table(Shown(AddressTableHeader()), rows,
                          {0.06, 0.07, 0.08, 0.06, 0.08, 0.07, 0.08, 0.5});
    }

    void Findings() {
        m_pages.Heading(S(rt::kFindings), true);
        CCheckListForm form;
        form.Load(m_check);
        m_pages.Line(S(form.GetSummary()));
        std::vector<QStringList> rows;
        for (const CCheckListForm::CRow& row : form.GetRows())
            rows.push_back({S(row.m_strSeverity), Q(row.m_strCode), ShownText(row.m_message)});
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
            m_pages.Line(S(rt::kNoPicture));
    }

    QStringList ElementRow(const CGraphObj& element) const {
        const CPoint dots = ElementDots(element);
        QStringList row{S(ElementKindName(element)),
                        QStringLiteral("(%1, %2)").arg(dots.x).arg(dots.y), QString(), QString()};
        for (const CAddressUse& use : m_check.m_uses)
            if (use.m_pElement == &element) {
                const CRegUnitConfig* unit = FindUnitByType(m_state, use.m_nUnitType);
                row[2] = S(FormatMessage(rt::kStation, use.m_nStation)) +
                         (unit ? Q(unit->m_strName) : QString::number(use.m_nUnitType)) +
                         S(FormatMessage(rt::kAddress, use.m_nAddress, use.m_nBit));
                row[3] = S(AccessName(use.m_eAccess));
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
        writer.setTitle(S(rt::kTitle) + QStringLiteral(" ") + projectName);
        writer.setCreator(QStringLiteral("Tavelo"));
        CReportPages layout(writer, S(rt::kTitle) + QStringLiteral("  ") + projectName);
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
