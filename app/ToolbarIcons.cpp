#include "ToolbarIcons.h"

#include <QAction>
#include <QIcon>

#include "AppTexts.h"
#include "ViewTexts.h"

// The pictures are linked in from a static library, which registers them only when asked; the
// macro cannot stand inside a namespace.
static void RegisterToolbarIcons() {
    Q_INIT_RESOURCE(ToolbarIcons);
}

namespace tavelo {
namespace {

struct CToolbarIcon {
    const char16_t* m_pszTip;
    const char* m_pszFile;
    // The freedesktop name, or null when themes have no such picture.
    const char* m_pszTheme;
};

constexpr CToolbarIcon kIcons[] = {
    {app_text::kTipNew, "new", "document-new"},
    {app_text::kTipOpen, "open", "document-open"},
    {app_text::kTipSave, "save", "document-save"},
    {app_text::kTipCut, "cut", "edit-cut"},
    {app_text::kTipCopy, "copy", "edit-copy"},
    {app_text::kTipPaste, "paste", "edit-paste"},
    {app_text::kTipDeleteSelection, "delete", "edit-delete"},
    {app_text::kTipNewScreen, "screen-new", nullptr},
    {app_text::kTipCopyScreen, "screen-copy", nullptr},
    {app_text::kTipDeleteScreen, "screen-delete", nullptr},
    {app_text::kTipAlarmList, "alarm", nullptr},
    {app_text::kTipSystemSettings, "settings", nullptr},
    {app_text::kTipDownload, "download", nullptr},
    {app_text::kTipAlignLeft, "align-left", nullptr},
    {app_text::kTipAlignRight, "align-right", nullptr},
    {app_text::kTipAlignTop, "align-top", nullptr},
    {app_text::kTipAlignBottom, "align-bottom", nullptr},
    {view_text::kDotTrue, "dot-true", nullptr},
    {u"文本", "text", nullptr},
    {u"矢量静态文本", "vector-text", nullptr},
    {u"动态文本", "dynamic-text", nullptr},
    {u"矢量动态文本", "vector-dynamic-text", nullptr},
    {u"寄存器", "register", nullptr},
    {u"指示灯", "indicator", nullptr},
    {u"功能键", "function-key", nullptr},
    {u"柱状图", "bar-graph", nullptr},
    {u"趋势图", "trend-graph", nullptr},
    {u"单色静态位图", "static-bitmap", nullptr},
    {u"选择", "select", nullptr},
    {u"动态位图", "dynamic-bitmap", nullptr},
};

const CToolbarIcon* FindIcon(const QString& tip) {
    for (const CToolbarIcon& icon : kIcons)
        if (tip == QString::fromUtf16(icon.m_pszTip)) return &icon;
    return nullptr;
}

QIcon LoadIcon(const CToolbarIcon& icon) {
    const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon.m_pszFile)));
    return icon.m_pszTheme ? QIcon::fromTheme(QLatin1String(icon.m_pszTheme), own) : own;
}

}  // namespace

void ApplyToolbarIcons(const QList<QAction*>& actions) {
    RegisterToolbarIcons();
    for (QAction* action : actions) {
        const QString tip = action->toolTip();
        const CToolbarIcon* icon = FindIcon(tip);
        if (!icon) continue;
        action->setIcon(LoadIcon(*icon));
        const QKeySequence shortcut = action->shortcut();
        if (!shortcut.isEmpty())
            action->setToolTip(
                QStringLiteral("%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
    }
}

}  // namespace tavelo
