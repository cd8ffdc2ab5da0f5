#include "DownloadCommand.h"

#include "DownloadDialog.h"

namespace tavelo {

void RunDownloadCommand(CEditorContext& context, const CDownloadOptions& options, QWidget* parent) {
    CDownloadDialog dialog(context, options, parent);
    // Compiling starts once the dialog shows, so its messages stand over it.
    QMetaObject::invokeMethod(&dialog, &CDownloadDialog::Start, Qt::QueuedConnection);
    dialog.exec();
}

}  // namespace tavelo
