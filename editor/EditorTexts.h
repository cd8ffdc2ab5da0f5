#pragma once
// The system's own texts shown by the view, the screen list and the project commands.

namespace tavelo::editor_text {

// Screen list.
inline constexpr const char16_t* kScreenGroup = u"画面";
inline constexpr const char16_t* kScreenColumn = u"画面";
inline constexpr const char16_t* kDescriptionColumn = u"画面描述";
inline constexpr const char16_t* kNewButton = u"新  建";
inline constexpr const char16_t* kDeleteButton = u"删  除";
inline constexpr const char16_t* kNewScreenEntry = u"新建画面(&N)...";
inline constexpr const char16_t* kDeleteScreenEntry = u"删除画面(&D)...";
inline constexpr const char16_t* kCopyScreenEntry = u"复制画面(&C)...";

// Project commands.
inline constexpr const char16_t* kInstallFirst = u"请安装后再运行";
inline constexpr const char16_t* kAskToSave = u"是否保存当前工程!";
inline constexpr const char16_t* kAskToReplace = u"该项目已存在，是否替换当前工程!";
// The first sentence of a file failure; the technical reason follows on the next line.
inline constexpr const char16_t* kCannotOpenProject =
    u"无法打开工程文件：文件不存在、已损坏或不是工程文件。";
inline constexpr const char16_t* kCannotSaveProject = u"无法保存工程文件。";
// The first sentence when the clipboard's elements cannot be pasted; the reason follows.
inline constexpr const char16_t* kCannotPaste = u"剪贴板中有无法识别的元件，不能粘贴。";
// %1 is the file; Save refuses it, Save As asks before it replaces it.
inline constexpr const char16_t* kReadOnlyProject =
    u"工程文件“%1”是只读的，未保存。请用“另存为”保存。";
inline constexpr const char16_t* kAskToReplaceReadOnly = u"工程文件“%1”是只读的，是否仍然替换?";

// File dialog filters.
inline constexpr const char16_t* kProjectFilesFilter = u"工程文件 (*.ZORX *.ZOR)";
inline constexpr const char16_t* kSaveProjectFilter = u"工程文件 (*.ZORX)";
inline constexpr const char16_t* kBitmapFilesFilter = u"位图文件 (*.bmp)";
inline constexpr const char16_t* kAllFilesFilter = u"所有文件 (*)";
// Caption of the main window without a project path, and of plain messages.
inline constexpr const char16_t* kFrameCaption = u"ZOR";
inline constexpr const char16_t* kMessageCaption = u"Tavelo";
// The document's path name after New.
inline constexpr const char16_t* kUntitled = u"Untitled";

}  // namespace tavelo::editor_text
