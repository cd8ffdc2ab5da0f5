#include "PcKeyMap.h"

#include <QStringList>
#include <array>

#include "SimulationTexts.h"
#include "translation/ShownText.h"

namespace tavelo {

namespace {

struct CPcKey {
    int m_nQtKey;
    EPanelKey m_eKey;
    const char* m_pszName;
};

constexpr int kHighestPcFunctionKey = 12;

constexpr std::array kPcKeys = {
    CPcKey{Qt::Key_Escape, EPanelKey::Esc, "Esc"},
    CPcKey{Qt::Key_Left, EPanelKey::Left, "←"},
    CPcKey{Qt::Key_Right, EPanelKey::Right, "→"},
    CPcKey{Qt::Key_Down, EPanelKey::Down, "↓"},
    CPcKey{Qt::Key_Up, EPanelKey::Up, "↑"},
    CPcKey{Qt::Key_S, EPanelKey::Set, "S"},
    CPcKey{Qt::Key_Return, EPanelKey::Ent, "Enter"},
    CPcKey{Qt::Key_Enter, EPanelKey::Ent, nullptr},
    CPcKey{Qt::Key_A, EPanelKey::Alm, "A"},
    CPcKey{Qt::Key_Backspace, EPanelKey::Clr, "Backspace"},
    CPcKey{Qt::Key_Delete, EPanelKey::Clr, "Delete"},
    CPcKey{Qt::Key_Minus, EPanelKey::PlusMinus, "-"},
    CPcKey{Qt::Key_Plus, EPanelKey::PlusMinus, "+"},
};

constexpr std::array<const char*, kPanelKeyCount> kCaptions = {
    "ESC", "←", "→", "↓", "↑", "SET", "ENT", "ALM", "0", "1",
    "2",   "3", "4", "5", "6", "7",   "8",   "9",   "+/-", "CLR"};

int NumberOf(EPanelKey key) { return static_cast<int>(key); }

}  // namespace

std::optional<EPanelKey> PanelKeyOfPcKey(int qtKey) {
    for (const CPcKey& pc : kPcKeys)
        if (pc.m_nQtKey == qtKey) return pc.m_eKey;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return PanelKeyFromNumber(NumberOf(EPanelKey::Digit0) + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kHighestPcFunctionKey)
        return PanelKeyFromNumber(1 + (qtKey - Qt::Key_F1));
    return std::nullopt;
}

QString PanelKeyCaption(EPanelKey key) {
    return QString::fromUtf8(kCaptions[static_cast<std::size_t>(NumberOf(key) - 1)]) +
           QStringLiteral("\nF%1").arg(NumberOf(key));
}

QString PanelKeyTip(EPanelKey key) {
    QStringList pcKeys;
    for (const CPcKey& pc : kPcKeys)
        if (pc.m_eKey == key && pc.m_pszName) pcKeys << QString::fromUtf8(pc.m_pszName);
    if (const std::optional<int> digit = DigitOfKey(key)) pcKeys << QString::number(*digit);
    if (NumberOf(key) <= kHighestPcFunctionKey) pcKeys << QStringLiteral("F%1").arg(NumberOf(key));
    return ShownText(simulation_text::kKeyTip)
        .arg(QString::fromUtf8(kCaptions[static_cast<std::size_t>(NumberOf(key) - 1)]))
        .arg(NumberOf(key))
        .arg(pcKeys.join(QStringLiteral(", ")));
}

}  // namespace tavelo
