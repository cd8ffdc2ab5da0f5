#pragma once
// The drawing commands that choose a tool, as one table the 绘制 menu and the drawing toolbar
// are both built from: texts, the tool each chooses and the size of its placement preview.

#include <array>

#include "ToolNumber.h"
#include "model/Geometry.h"

namespace tavelo {

struct CToolCommand {
    enum class EKind {
        kSelect,
        // Chooses an element tool with a fixed preview size.
        kElement,
        // Asks for a BMP file first; the preview takes the picture's size.
        kStaticBitmap,
        // Shown grey with or without a project.
        kUnavailable,
    };

    int m_nCommandId;
    const char16_t* m_pszMenuText;
    const char16_t* m_pszStatusText;
    const char16_t* m_pszToolTip;
    EKind m_eKind;
    int m_nTool;
    CSize m_sizePreviewDots;

    constexpr bool IsAlwaysUnavailable() const { return m_eKind == EKind::kUnavailable; }
};

namespace tool_command {

inline constexpr int kSelect = 106;
inline constexpr int kLine = 108;
inline constexpr int kRectangle = 109;
inline constexpr int kStaticBitmap = 118;
inline constexpr int kDynamicText = 120;
inline constexpr int kRegister = 121;
inline constexpr int kIndicator = 122;
inline constexpr int kFunctionKey = 123;
inline constexpr int kDynamicBitmap = 124;
inline constexpr int kBarGraph = 125;
inline constexpr int kTrendGraph = 126;
inline constexpr int kStaticText = 127;
inline constexpr int kVectorStaticText = 32802;
inline constexpr int kVectorDynamicText = 32803;

namespace tn = tool_number;
using K = CToolCommand::EKind;

// In the order of the 绘制 menu.
// clang-format off
inline constexpr std::array<CToolCommand, 14> kCommands = {{
    {kSelect, u"选择(&S)", u"选择", u"选择", K::kSelect, tn::kSelect, {0, 0}},
    {kLine, u"直线(&L)", u"直线", u"直线", K::kUnavailable, tn::kNone, {0, 0}},
    {kRectangle, u"矩形(&R)", u"矩形", u"矩形", K::kUnavailable, tn::kNone, {0, 0}},
    {kStaticText, u"文本(&T)", u"文本", u"文本", K::kElement, tn::kStaticText, {80, 16}},
    {kDynamicText, u"动态文本(&D)", u"动态文本", u"动态文本", K::kElement, tn::kDynamicText, {80, 16}},
    {kRegister, u"寄存器(&G)", u"寄存器", u"寄存器", K::kElement, tn::kRegister, {40, 16}},
    {kIndicator, u"指示灯(&I)", u"指示灯", u"指示灯", K::kElement, tn::kIndicator, {16, 16}},
    {kFunctionKey, u"功能键(&F)", u"功能键", u"功能键", K::kElement, tn::kFunctionKey, {16, 16}},
    {kBarGraph, u"柱状图(&A)", u"柱状图", u"柱状图", K::kElement, tn::kBarGraph, {16, 48}},
    {kTrendGraph, u"趋势图(&N)", u"趋势图", u"趋势图", K::kElement, tn::kTrendGraph, {96, 48}},
    {kStaticBitmap, u"静态位图(&B)", u"静态位图", u"单色静态位图",
     K::kStaticBitmap, tn::kStaticBitmap, {0, 0}},
    {kDynamicBitmap, u"动态位图(&Y)", u"动态位图", u"动态位图", K::kUnavailable, tn::kNone, {0, 0}},
    {kVectorStaticText, u"矢量静态文本(&V)", u"矢量静态文本", u"矢量静态文本",
     K::kElement, tn::kVectorStaticText, {60, 12}},
    {kVectorDynamicText, u"矢量动态文本(&C)", u"矢量动态文本", u"矢量动态文本",
     K::kElement, tn::kVectorDynamicText, {60, 12}},
}};
// clang-format on

// The drawing toolbar's buttons, each followed by a separator but the last.
inline constexpr std::array<int, 12> kToolbarOrder = {
    kStaticText, kVectorStaticText, kDynamicText, kVectorDynamicText, kIndicator, kBarGraph,
    kRegister,   kTrendGraph,       kFunctionKey, kStaticBitmap,      kSelect,    kDynamicBitmap,
};

// The command with the identifier, or null.
constexpr const CToolCommand* Find(int commandId) {
    for (const CToolCommand& command : kCommands)
        if (command.m_nCommandId == commandId) return &command;
    return nullptr;
}

}  // namespace tool_command

}  // namespace tavelo
