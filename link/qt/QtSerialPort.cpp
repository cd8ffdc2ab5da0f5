#include "QtSerialPort.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <ostream>

namespace tavelo {

CQtSerialPort::CQtSerialPort(std::ostream* log)
    : m_port(std::make_unique<QSerialPort>()), m_pLog(log) {}

CQtSerialPort::~CQtSerialPort() = default;

bool CQtSerialPort::Open(const std::string& device, std::string& error) {
    m_port->setPortName(QString::fromStdString(device));
    if (!m_port->open(QIODevice::ReadWrite)) {
        error = device + ": " + m_port->errorString().toStdString();
        return false;
    }
    m_port->setReadBufferSize(kQueueSize);
    const bool configured =
        m_port->setBaudRate(kBaudRate) && m_port->setDataBits(QSerialPort::Data8) &&
        m_port->setParity(QSerialPort::NoParity) && m_port->setStopBits(QSerialPort::OneStop) &&
        m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        error = device + ": " + m_port->errorString().toStdString();
        m_port->close();
        return false;
    }
    m_port->clear();
    return true;
}

bool CQtSerialPort::Write(std::span<const std::uint8_t> bytes) {
    m_port->clearError();
    if (m_port->write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        return false;
    // Each wait that ends without the bytes gone counts as one failed try.
    for (int failures = 0; m_port->bytesToWrite() > 0; ++failures) {
        if (failures > kMaxWriteFailures) return false;
        m_port->waitForBytesWritten(kWriteTimeoutMs);
    }
    return true;
}

bool CQtSerialPort::SetRts(bool on) {
    if (m_port->setRequestToSend(on)) return true;
    // Pseudo-terminals and adapters without modem lines: the transfer works without the pulse.
    if (!m_bRtsNoticeGiven && m_pLog)
        *m_pLog << "notice: the port has no RTS line (" << m_port->errorString().toStdString()
                << "); going on without the wake-up pulse\n";
    m_bRtsNoticeGiven = true;
    m_port->clearError();
    return false;
}

std::vector<std::uint8_t> CQtSerialPort::ReadAvailable() {
    const QByteArray bytes = m_port->readAll();
    return {bytes.begin(), bytes.end()};
}

void CQtSerialPort::SetDataHandler(std::function<void()> handler) {
    QObject::disconnect(m_port.get(), &QSerialPort::readyRead, nullptr, nullptr);
    if (handler) QObject::connect(m_port.get(), &QSerialPort::readyRead, std::move(handler));
}

std::vector<std::string> ListSerialPorts() {
    std::vector<std::string> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back(info.systemLocation().toStdString());
    return ports;
}

}  // namespace tavelo
