#include "DownloadDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "DownloadTexts.h"
#include "editor/EditorTexts.h"
#include "PreparedDownload.h"
#include "editor/EditorContext.h"
#include "editor/Messenger.h"
#include "editor/QtText.h"
#include "link/LinkMessages.h"
#include "link/qt/DownloadWorker.h"
#include "link/qt/QtSerialPort.h"

namespace tavelo {

namespace {

constexpr int kProgressMaximum = 100;

CDownloadWorker::PortFactory OpenPort(std::string device) {
    return [device = std::move(device)](std::string& error) -> std::unique_ptr<CSerialPort> {
        auto port = std::make_unique<CQtSerialPort>();
        if (!port->Open(device, error)) return nullptr;
        return port;
    };
}

bool IsEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

CDownloadDialog::CDownloadDialog(CEditorContext& context, CDownloadOptions options, QWidget* parent)
    : QDialog(parent),
      m_context(context),
      m_options(std::move(options)),
      m_pProgress(new QProgressBar(this)),
      m_pCancel(new QPushButton(ShownText(download_texts::kCancelButton), this)),
      m_pCloseTimer(new QTimer(this)) {
    setWindowTitle(ShownText(download_texts::kDialogCaption));
    m_pProgress->setRange(0, kProgressMaximum);
    m_pProgress->setValue(0);
    // Enter must not reach the button: only a click cancels a running transfer.
    m_pCancel->setAutoDefault(false);
    connect(m_pCancel, &QPushButton::clicked, this, &CDownloadDialog::OnCancelClicked);
    m_pCloseTimer->setSingleShot(true);
    m_pCloseTimer->setInterval(kCloseDelayMs);
    connect(m_pCloseTimer, &QTimer::timeout, this, [this] { done(QDialog::Accepted); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ShownText(download_texts::kPrompt), this));
    layout->addWidget(m_pProgress);
    layout->addWidget(m_pCancel, 0, Qt::AlignHCenter);
}

CDownloadDialog::~CDownloadDialog() {
    StopThread();
}

void CDownloadDialog::Start() {
    CPreparedDownload prepared = PrepareDownload(m_context, m_options);
    for (const std::u16string& message : prepared.m_messages)
        m_context.m_messenger.Show(this, ShownText(editor_text::kMessageCaption),
                                   ShownText(message), CMessenger::EIcon::kWarning);
    if (!prepared.m_data) {
        done(QDialog::Rejected);
        return;
    }
    StartTransfer(std::move(*prepared.m_data), std::move(prepared.m_strDevice));
}

void CDownloadDialog::StartTransfer(CDownloadData data, std::string device) {
    m_pWorker = new CDownloadWorker(std::move(data), OpenPort(std::move(device)));
    m_pWorker->moveToThread(&m_thread);
    // The worker's port and timer belong to the worker thread, so they end there too.
    connect(&m_thread, &QThread::finished, m_pWorker, &QObject::deleteLater);
    connect(m_pWorker, &CDownloadWorker::Progress, m_pProgress, &QProgressBar::setValue);
    connect(m_pWorker, &CDownloadWorker::Finished, this,
            [this](bool, const QString& message) { OnTransferFinished(message); });
    m_thread.start();
    QMetaObject::invokeMethod(m_pWorker, &CDownloadWorker::Start, Qt::QueuedConnection);
}

void CDownloadDialog::OnCancelClicked() {
    if (m_pWorker)
        QMetaObject::invokeMethod(m_pWorker, &CDownloadWorker::Cancel, Qt::QueuedConnection);
}

void CDownloadDialog::OnTransferFinished(const QString& message) {
    StopThread();
    m_pCancel->setEnabled(false);
    m_context.m_messenger.Show(this, ShownText(link_messages::kCaption), message,
                               CMessenger::EIcon::kWarning);
    m_pCloseTimer->start();
}

void CDownloadDialog::StopThread() {
    m_pWorker = nullptr;
    m_thread.quit();
    m_thread.wait();
}

void CDownloadDialog::done(int result) {
    // Closed early with Esc or Enter: the timer must not end the dialog a second time.
    m_pCloseTimer->stop();
    QDialog::done(result);
}

void CDownloadDialog::reject() {
    // Esc and the window's close button must not end a running transfer.
    if (!IsTransferRunning()) QDialog::reject();
}

void CDownloadDialog::keyPressEvent(QKeyEvent* event) {
    // Esc reaches reject(); Enter ends the dialog only once the transfer is over.
    if (IsEnterKey(*event)) {
        if (!IsTransferRunning()) accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tavelo
