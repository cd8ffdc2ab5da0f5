#include "SimulationWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <stdexcept>

#include "LcdWidget.h"
#include "PanelKeypad.h"
#include "PcKeyMap.h"
#include "PlcTableDock.h"
#include "SimulationTexts.h"
#include "translation/ShownText.h"
#include "compiler/ImageCompiler.h"
#include "editor/EditorContext.h"
#include "editor/ViewState.h"
#include "emulator/LcdPng.h"
#include "model/AppState.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "render/FontLibrary.h"

namespace tavelo {

namespace {

QString Text(const char16_t* text) { return ShownText(text); }

// Edits come in bursts (a drag, typing in a panel); the image is compiled once they pause.
constexpr int kChangePauseMs = 300;
constexpr int kShortestIntervalMs = 20;
constexpr int kLongestIntervalMs = 60'000;
constexpr int kDefaultIntervalMs = 200;
constexpr const char* kDefaultLink = "tcp:127.0.0.1:502";
constexpr int kLinkFieldWidth = 200;

CBuiltInDigits LoadDigits(const std::filesystem::path& programDir) {
    try {
        return CBuiltInDigits::FromAsciiFont(
            ReadFileBytes(programDir / kAsciiFontFileName, CFontLibrary::kAsciiTableBytes));
    } catch (const CFileError&) {
        return {};  // registers then show blank fields; the editor reports the missing font
    }
}

}  // namespace

CSimulationWindow::CSimulationWindow(CEditorContext& context, const CViewState& view,
                                     QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      m_context(context),
      m_view(view),
      m_simulation(LoadDigits(context.m_programDir)),
      m_pLcd(new CLcdWidget),
      m_pKeypad(new CPanelKeypad),
      m_pTable(new CPlcTableDock(m_simulation, this)),
      m_pStatus(new QLabel),
      m_pTicker(new QTimer(this)),
      m_pChangePause(new QTimer(this)) {
    setWindowTitle(Text(simulation_text::kCaption));
    setObjectName(QStringLiteral("simulationWindow"));
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(m_pLcd, 0, Qt::AlignHCenter);
    layout->addWidget(m_pKeypad, 0, Qt::AlignHCenter);
    layout->addStretch();
    setCentralWidget(body);
    addDockWidget(Qt::RightDockWidgetArea, m_pTable);
    m_pStatus->setWordWrap(true);
    statusBar()->addWidget(m_pStatus, 1);
    BuildToolbar();
    setFocusPolicy(Qt::StrongFocus);

    connect(m_pKeypad, &CPanelKeypad::KeyPressed, this, &CSimulationWindow::Press);
    connect(m_pKeypad, &CPanelKeypad::KeyReleased, this, &CSimulationWindow::Release);
    connect(m_pTable, &CPlcTableDock::Message, this, [this](const QString& text) {
        m_strMessage = text;
        Show();
    });
    connect(m_pTable, &CPlcTableDock::ValuesEdited, this, [this] {
        m_strMessage.clear();
        Show();
    });
    connect(m_pTicker, &QTimer::timeout, this, &CSimulationWindow::Tick);
    m_pChangePause->setSingleShot(true);
    connect(m_pChangePause, &QTimer::timeout, this, [this] { Run(false); });
}

CSimulationWindow::~CSimulationWindow() = default;

void CSimulationWindow::BuildToolbar() {
    QToolBar* bar = addToolBar(Text(simulation_text::kCaption));
    bar->setObjectName(QStringLiteral("simulationToolbar"));
    QAction* reload = bar->addAction(Text(simulation_text::kReload), this, &CSimulationWindow::Reload);
    reload->setToolTip(Text(simulation_text::kTipReload));
    bar->addSeparator();
    bar->addWidget(new QLabel(Text(simulation_text::kScale)));
    m_pScale = new QSpinBox;
    m_pScale->setRange(CLcdPng::kMinScale, CLcdPng::kMaxScale);
    m_pScale->setValue(CLcdWidget::kDefaultScale);
    m_pScale->setToolTip(Text(simulation_text::kTipScale));
    connect(m_pScale, &QSpinBox::valueChanged, m_pLcd, &CLcdWidget::SetScale);
    bar->addWidget(m_pScale);
    bar->addSeparator();
    bar->addWidget(new QLabel(Text(simulation_text::kSource)));
    m_pSource = new QComboBox;
    m_pSource->addItems({Text(simulation_text::kSourceTable), Text(simulation_text::kSourceModbus)});
    bar->addWidget(m_pSource);
    bar->addWidget(new QLabel(Text(simulation_text::kLink)));
    m_pLink = new QLineEdit(QString::fromLatin1(kDefaultLink));
    m_pLink->setToolTip(Text(simulation_text::kTipLink));
    m_pLink->setMaximumWidth(kLinkFieldWidth);
    bar->addWidget(m_pLink);
    bar->addWidget(new QLabel(Text(simulation_text::kInterval)));
    m_pInterval = new QSpinBox;
    m_pInterval->setRange(kShortestIntervalMs, kLongestIntervalMs);
    m_pInterval->setValue(kDefaultIntervalMs);
    m_pInterval->setToolTip(Text(simulation_text::kTipInterval));
    bar->addWidget(m_pInterval);
    connect(m_pSource, &QComboBox::currentIndexChanged, this, &CSimulationWindow::ChooseSource);
    connect(m_pLink, &QLineEdit::editingFinished, this, &CSimulationWindow::ChooseSource);
    connect(m_pInterval, &QSpinBox::editingFinished, this, &CSimulationWindow::ChooseSource);
}

void CSimulationWindow::Reload() { Run(true); }

void CSimulationWindow::ProjectChanged() {
    if (isVisible()) m_pChangePause->start(kChangePauseMs);
}

void CSimulationWindow::Run(bool always) {
    m_strProblem.clear();
    if (!m_view.IsProjectOpen()) {
        m_simulation.Load({}, std::nullopt);
        m_strProblem = Text(simulation_text::kNoProject);
    } else {
        CCompileOutcome outcome =
            CompileDownloadImage(m_context.m_doc, m_context.m_state, m_context.m_programDir);
        if (!outcome.Succeeded()) {
            m_strProblem = Text(simulation_text::kCompileFailed) +
                           QString::fromStdString(outcome.m_strReason);
        } else if (always || outcome.m_image->m_bytes != m_simulation.GetImageBytes()) {
            std::optional<std::int64_t> screen;
            if (const CPanelEmulator* panel = m_simulation.GetPanel()) screen = panel->GetScreen();
            m_simulation.Load(std::move(outcome.m_image->m_bytes), screen);
            if (!m_simulation.IsRunning())
                m_strProblem = QString::fromStdString(m_simulation.GetError());
            m_pTable->Fill(m_context.m_state.m_currentPlc);
        }
    }
    const bool modbus = IsModbusProject();
    if (!modbus) {
        const QSignalBlocker blocker(m_pSource);
        m_pSource->setCurrentIndex(0);
    }
    m_pSource->setEnabled(modbus);
    m_pLink->setEnabled(modbus);
    m_pInterval->setEnabled(modbus);
    ChooseSource();
}

bool CSimulationWindow::IsModbusProject() const {
    return m_view.IsProjectOpen() && m_context.m_state.m_currentPlc.GetName() == CPLC::kModbusRtuName;
}

void CSimulationWindow::ChooseSource() {
    const bool device = m_pSource->currentIndex() == 1 && m_simulation.IsRunning();
    m_simulation.UseDevice(nullptr);
    if (device) {
        CModbusPollSettings settings;
        settings.m_interval = std::chrono::milliseconds(m_pInterval->value());
        try {
            settings.m_endpoint = CModbusEndpoint::ForImage(m_pLink->text().toStdString(),
                                                            m_simulation.GetImage()->GetContents());
            m_simulation.UseDevice(
                std::make_unique<CModbusPoller>(settings, m_simulation.GetAddresses()));
        } catch (const std::invalid_argument& error) {
            m_strProblem = Text(simulation_text::kBadLink) + QString::fromStdString(error.what());
        }
    }
    m_pTable->SetEditable(!m_simulation.UsesDevice());
    Show();
}

void CSimulationWindow::Tick() {
    const auto passed = std::chrono::milliseconds(m_clock.restart());
    m_simulation.Elapse(passed);
    Show();
}

void CSimulationWindow::Show() {
    m_pLcd->SetFrame(m_simulation.Draw());
    m_pTable->RefreshValues();
    QString status = m_strProblem;
    if (status.isEmpty() && m_simulation.IsRunning())
        status = Text(simulation_text::kRunning).arg(m_simulation.GetPanel()->GetShownScreen());
    if (!IsModbusProject() && m_view.IsProjectOpen())
        status += QStringLiteral(" | ") + Text(simulation_text::kModbusOnlyFor)
                                              .arg(QString::fromStdU16String(
                                                  m_context.m_state.m_currentPlc.GetName()));
    if (m_simulation.UsesDevice()) {
        const std::string faults = m_simulation.GetDeviceStatus();
        status += QStringLiteral(" | ") +
                  (faults.empty() ? Text(simulation_text::kLinkOk).arg(m_pLink->text())
                                  : Text(simulation_text::kLinkFault) +
                                        QString::fromStdString(faults).replace('\n', QStringLiteral("; ")));
    }
    if (!m_strMessage.isEmpty()) status = m_strMessage + QStringLiteral(" | ") + status;
    if (m_pStatus->text() != status) m_pStatus->setText(status);
}

void CSimulationWindow::Press(EPanelKey key) {
    m_strMessage.clear();
    m_simulation.Press(key);
    Show();
}

void CSimulationWindow::Release(EPanelKey key) {
    m_simulation.Release(key);
    Show();
}

void CSimulationWindow::keyPressEvent(QKeyEvent* event) {
    const std::optional<EPanelKey> key = PanelKeyOfPcKey(event->key());
    if (!key) return QMainWindow::keyPressEvent(event);
    if (!event->isAutoRepeat()) Press(*key);
}

void CSimulationWindow::keyReleaseEvent(QKeyEvent* event) {
    const std::optional<EPanelKey> key = PanelKeyOfPcKey(event->key());
    if (!key) return QMainWindow::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) Release(*key);
}

void CSimulationWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Reload();
    m_clock.start();
    m_pTicker->start(kTickMs);
}

void CSimulationWindow::hideEvent(QHideEvent* event) {
    // A closed window polls no device and moves no clock.
    m_pTicker->stop();
    m_pChangePause->stop();
    m_simulation.UseDevice(nullptr);
    QMainWindow::hideEvent(event);
}

}  // namespace tavelo
