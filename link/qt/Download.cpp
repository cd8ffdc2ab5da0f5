#include "Download.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <ostream>

#include "DownloadWorker.h"
#include "QtSerialPort.h"
#include "link/FrameLog.h"
#include "link/PlcDriver.h"
#include "plc/ProgramDirectory.h"

namespace tavelo {

namespace {

struct CWorkerEvent {
    bool m_bFinished = false;
    int m_nPosition = 0;
    bool m_bSucceeded = false;
    std::u16string m_strMessage;
    std::string m_strReason;
};

// Carries the worker's signals to the caller's thread.
class CEventQueue {
public:
    void Push(CWorkerEvent event) {
        {
            std::lock_guard lock(m_mutex);
            m_events.push_back(std::move(event));
        }
        m_ready.notify_one();
    }
    std::optional<CWorkerEvent> Pop(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        if (!m_ready.wait_for(lock, timeout, [this] { return !m_events.empty(); }))
            return std::nullopt;
        CWorkerEvent event = std::move(m_events.front());
        m_events.pop_front();
        return event;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<CWorkerEvent> m_events;
};

constexpr std::chrono::milliseconds kCancelPoll{50};

std::unique_ptr<CSerialPort> OpenRealPort(const CDownloadRequest& request, std::string& error) {
    const CPortLookup lookup = LookUpPortDevice(request.m_strPort, request.m_strComPrefix);
    if (lookup.m_strDevice.empty()) {
        error = lookup.m_strError;
        return nullptr;
    }
    auto port = std::make_unique<CQtSerialPort>(request.m_pLog);
    if (!port->Open(lookup.m_strDevice, error)) return nullptr;
    return port;
}

// The request lives until the worker has finished, so the factory may refer to it.
CDownloadWorker::PortFactory PortOf(const CDownloadRequest& request) {
    return [&request](std::string& error) -> std::unique_ptr<CSerialPort> {
        auto port = request.m_makePort ? request.m_makePort(error) : OpenRealPort(request, error);
        if (port && request.m_pFrameLog)
            return std::make_unique<CLoggedSerialPort>(std::move(port), *request.m_pFrameLog);
        return port;
    };
}

CDownloadReport RunWorker(CDownloadData data, const CDownloadRequest& request) {
    // Qt's event loops need an application object; the command line has none of its own.
    int argc = 1;
    char name[] = "tavelo";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);

    QThread thread;
    auto worker = std::make_unique<CDownloadWorker>(std::move(data), PortOf(request));
    worker->moveToThread(&thread);
    CEventQueue queue;
    QObject::connect(worker.get(), &CDownloadWorker::Progress, [&queue](int position) {
        queue.Push({false, position, false, {}, {}});
    });
    QObject::connect(
        worker.get(), &CDownloadWorker::Finished,
        [&queue](bool succeeded, const QString& message, const QString& reason) {
            queue.Push({true, 100, succeeded, message.toStdU16String(), reason.toStdString()});
        });
    thread.start();
    QMetaObject::invokeMethod(worker.get(), &CDownloadWorker::Start, Qt::QueuedConnection);

    CDownloadReport report;
    bool cancelSent = false;
    for (;;) {
        if (request.m_pCancel && *request.m_pCancel && !cancelSent) {
            QMetaObject::invokeMethod(worker.get(), &CDownloadWorker::Cancel, Qt::QueuedConnection);
            cancelSent = true;
            if (request.m_cancelling) request.m_cancelling();
        }
        const auto event = queue.Pop(kCancelPoll);
        if (!event) continue;
        if (!event->m_bFinished) {
            if (request.m_progress) request.m_progress(event->m_nPosition);
            continue;
        }
        report = {event->m_bSucceeded, event->m_strMessage};
        if (request.m_pLog && !event->m_strReason.empty())
            *request.m_pLog << event->m_strReason << "\n";
        break;
    }
    thread.quit();
    thread.wait();
    return report;
}

}  // namespace

CDownloadReport RunDownload(const CDownloadRequest& request) {
    if (request.m_image.empty() || request.m_image.size() != request.m_nBlockCount * kBlockSize) {
        if (request.m_pLog)
            *request.m_pLog << "the image of " << request.m_image.size() << " bytes is not the "
                            << request.m_nBlockCount << " blocks of 128 bytes it should be\n";
        return {false, u"ERROR"};
    }
    const auto programDirectory = GetProgramDirectory();
    const std::vector<std::filesystem::path> folders = {
        programDirectory, request.m_driversFolder.value_or(GetUserDriverDirectory())};
    CDriverLookup lookup = FindPlcDriver(programDirectory, folders, request.m_nPlcListIndex);
    if (!lookup.m_driver) {
        if (request.m_pLog) *request.m_pLog << lookup.m_strReason << "\n";
        return {false, lookup.m_strMessage};
    }
    if (request.m_pLog)
        *request.m_pLog << "PLC driver " << lookup.m_driver->m_file.string() << " (identifier "
                        << int(lookup.m_driver->m_nDriverId) << ")\n";
    CDownloadData data{request.m_image, std::move(lookup.m_driver->m_bytes),
                       lookup.m_driver->m_nDriverId, request.m_nModelIndex};
    return RunWorker(std::move(data), request);
}

}  // namespace tavelo
