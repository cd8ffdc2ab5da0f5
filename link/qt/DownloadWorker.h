#pragma once
// Runs one download session on the thread it lives on: the session's waits become a
// single-shot timer, its frames go to the port, received bytes come back by queued calls.
// Progress and the result leave by signals, which reach other threads queued.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "link/DownloadSession.h"
#include "link/SerialPort.h"

namespace tavelo {

class CDownloadWorker : public QObject, private CSessionLink {
    Q_OBJECT
public:
    // Makes the port on the worker's thread; null with the reason in error when it cannot.
    using PortFactory = std::function<std::unique_ptr<CSerialPort>(std::string& error)>;

    CDownloadWorker(CDownloadData data, PortFactory makePort);
    ~CDownloadWorker() override;

public slots:
    void Start();
    // Safe to invoke from any thread by a queued call.
    void Cancel();

signals:
    void Progress(int position);
    void Finished(bool succeeded, const QString& message, const QString& reason);

private:
    void SetRts(bool on) override;
    bool Send(std::span<const std::uint8_t> frame) override;
    void StartWait(int milliseconds) override;
    void ReportProgress(int position) override;
    void ReportResult(const CDownloadResult& result) override;
    void OnData();
    void OnWaitElapsed();

    CDownloadData m_data;
    PortFactory m_makePort;
    std::unique_ptr<CSerialPort> m_port;
    std::unique_ptr<CDownloadSession> m_session;
    QTimer* m_pTimer = nullptr;
};

}  // namespace tavelo
