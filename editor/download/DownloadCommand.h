#pragma once
// The editor's download command: runs the modal dialog "下载画面数据" over the open project.

#include "DownloadOptions.h"

class QWidget;

namespace tavelo {

struct CEditorContext;

// Checks nothing itself: every check runs once the dialog shows, and it closes by itself.
void RunDownloadCommand(CEditorContext& context, const CDownloadOptions& options, QWidget* parent);

}  // namespace tavelo
