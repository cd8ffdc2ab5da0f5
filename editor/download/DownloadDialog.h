#pragma once
// The dialog "下载画面数据": prepares the download, runs the transfer on a worker thread while
// it shows the progress, shows the result and closes itself.

#include <QDialog>
#include <QThread>

#include "DownloadOptions.h"

class QProgressBar;
class QPushButton;
class QTimer;

namespace tavelo {

class CDownloadWorker;
struct CDownloadData;
struct CEditorContext;

class CDownloadDialog : public QDialog {
    Q_OBJECT
public:
    // Once the result box is gone the dialog closes itself after this long.
    static constexpr int kCloseDelayMs = 1100;

    CDownloadDialog(CEditorContext& context, CDownloadOptions options, QWidget* parent = nullptr);
    ~CDownloadDialog() override;

    // Compiles and looks up the driver, showing their messages; then either closes the dialog
    // or starts the transfer. The dialog ends by itself either way (finished()).
    void Start();

public slots:
    void done(int result) override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool IsTransferRunning() const { return m_pWorker != nullptr; }
    void StartTransfer(CDownloadData data, std::string device);
    void OnCancelClicked();
    void OnTransferFinished(const QString& message);
    void StopThread();

    CEditorContext& m_context;
    CDownloadOptions m_options;
    QProgressBar* m_pProgress;
    QPushButton* m_pCancel;
    QTimer* m_pCloseTimer;
    QThread m_thread;
    // Lives on m_thread and is deleted there once it ends; null while no transfer runs.
    CDownloadWorker* m_pWorker = nullptr;
};

}  // namespace tavelo
