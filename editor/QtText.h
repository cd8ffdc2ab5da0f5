#pragma once
// Conversions between the core's UTF-16 text and Qt's strings: ToQString for the user's texts
// as they are, ShownText for the system's own in the interface language.

#include <QString>
#include <string>
#include <string_view>

#include "translation/ShownText.h"

namespace tavelo {

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return text.toStdU16String();
}

}  // namespace tavelo
