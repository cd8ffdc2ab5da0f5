#include "ShownText.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/TextFormat.h"

namespace tavelo {
namespace {

constexpr std::u16string_view kNumberPlace = u"%d";

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsLatinLetterOrDigit(char16_t c) {
    return IsDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The composed text's pattern: every decimal number replaced by "%d", the numbers in order.
// A minus sign belongs to the number unless it follows a Latin letter or a digit ("S7-200").
struct CComposedText {
    std::u16string m_strPattern;
    std::vector<std::int64_t> m_numbers;
};

CComposedText SplitNumbers(std::u16string_view text) {
    constexpr std::size_t kLongestFigure = 18;  // longer runs are no figures of a message
    CComposedText composed;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const bool minus = text[pos] == u'-' && pos + 1 < text.size() && IsDigit(text[pos + 1]) &&
                           (pos == 0 || !IsLatinLetterOrDigit(text[pos - 1]));
        const std::size_t digits = minus ? pos + 1 : pos;
        std::size_t end = digits;
        while (end < text.size() && IsDigit(text[end])) ++end;
        if (end == pos || end - pos > kLongestFigure) {
            composed.m_strPattern.append(text.substr(pos, std::max<std::size_t>(end - pos, 1)));
            pos = std::max(end, pos + 1);
            continue;
        }
        std::int64_t value = 0;
        for (std::size_t d = digits; d < end; ++d) value = value * 10 + (text[d] - u'0');
        composed.m_strPattern.append(kNumberPlace);
        composed.m_numbers.push_back(minus ? -value : value);
        pos = end;
    }
    return composed;
}

// Puts the numbers into the "%d" places of the pattern, in order.
std::u16string FillNumbers(std::u16string text, const std::vector<std::int64_t>& numbers) {
    std::size_t from = 0;
    for (const std::int64_t number : numbers) {
        const std::size_t place = text.find(kNumberPlace, from);
        if (place == std::u16string::npos) break;
        const std::u16string figure = FormatMessage(kNumberPlace, number);
        text.replace(place, kNumberPlace.size(), figure);
        from = place + figure.size();
    }
    return text;
}

QString Translate(const QString& source) {
    return QCoreApplication::translate(kTranslationContext, source.toUtf8().constData());
}

}  // namespace

QString ShownText(std::u16string_view text) {
    const QString source = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    if (source.isEmpty()) return source;
    const QString translated = Translate(source);
    if (translated != source) return translated;
    const CComposedText composed = SplitNumbers(text);
    if (composed.m_numbers.empty()) return source;
    const QString pattern = QString::fromStdU16String(composed.m_strPattern);
    const QString translatedPattern = Translate(pattern);
    if (translatedPattern == pattern) return source;
    return QString::fromStdU16String(
        FillNumbers(translatedPattern.toStdU16String(), composed.m_numbers));
}

std::string ShownUtf8(std::u16string_view text) {
    return ShownText(text).toStdString();
}

QString ShownText(const CComposedMessage& message) {
    QString shown;
    for (const CComposedMessage::CPiece& piece : message.GetPieces())
        shown += piece.m_bUsersText ? QString::fromStdU16String(piece.m_strText)
                                    : ShownText(piece.m_strText);
    return shown;
}

std::string ShownUtf8(const CComposedMessage& message) {
    return ShownText(message).toStdString();
}

}  // namespace tavelo
