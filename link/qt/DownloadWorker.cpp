#include "DownloadWorker.h"

#include "link/LinkMessages.h"

namespace tavelo {

CDownloadWorker::CDownloadWorker(CDownloadData data, PortFactory makePort)
    : m_data(std::move(data)), m_makePort(std::move(makePort)) {}

CDownloadWorker::~CDownloadWorker() {
    if (m_port) m_port->SetDataHandler({});
}

void CDownloadWorker::Start() {
    std::string error;
    m_port = m_makePort(error);
    if (!m_port) {
        emit Finished(false, QString::fromStdU16String(link_messages::kNoSuchPort),
                      QString::fromStdString(error));
        return;
    }
    m_pTimer = new QTimer(this);
    m_pTimer->setSingleShot(true);
    m_pTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pTimer, &QTimer::timeout, this, &CDownloadWorker::OnWaitElapsed);
    m_port->SetDataHandler([this] {
        QMetaObject::invokeMethod(this, &CDownloadWorker::OnData, Qt::QueuedConnection);
    });
    m_session =
        std::make_unique<CDownloadSession>(std::move(m_data), static_cast<CSessionLink&>(*this));
    m_session->Start();
}

void CDownloadWorker::Cancel() {
    if (m_session) m_session->Cancel();
}

void CDownloadWorker::SetRts(bool on) {
    if (m_port) m_port->SetRts(on);
}

bool CDownloadWorker::Send(std::span<const std::uint8_t> frame) {
    return m_port && m_port->Write(frame);
}

void CDownloadWorker::StartWait(int milliseconds) {
    m_pTimer->start(milliseconds);
}

void CDownloadWorker::ReportProgress(int position) {
    emit Progress(position);
}

void CDownloadWorker::ReportResult(const CDownloadResult& result) {
    m_pTimer->stop();
    // The port closes on the thread that opened it.
    m_port->SetDataHandler({});
    m_port.reset();
    emit Finished(result.m_bSucceeded, QString::fromStdU16String(result.m_strMessage), {});
}

void CDownloadWorker::OnData() {
    if (!m_port) return;
    const auto bytes = m_port->ReadAvailable();
    if (m_session && !bytes.empty()) m_session->OnBytes(bytes);
}

void CDownloadWorker::OnWaitElapsed() {
    if (m_session) m_session->OnWaitElapsed();
}

}  // namespace tavelo
