#include "ControlRegisterNames.h"

#include <algorithm>
#include <iterator>

#include "FieldText.h"
#include "SettingsMessages.h"

namespace tavelo {

namespace {

bool EndsWith(const std::u16string& text, char16_t first, char16_t last) {
    return !text.empty() && text.back() >= first && text.back() <= last;
}

std::u16string WithoutTrailingSpace(const std::u16string& name) {
    return EndsWith(name, u' ', u' ') ? name.substr(0, name.size() - 1) : name;
}

// A name ending in a digit keeps the number apart with a space; a trailing space is dropped.
std::u16string GeneralName(const std::u16string& name, std::int64_t number) {
    if (EndsWith(name, u'0', u'9')) return name + u" " + FieldNumberText(number);
    return WithoutTrailingSpace(name) + FieldNumberText(number);
}

bool IsWordArea(const std::u16string& name) {
    return std::any_of(std::begin(settings_text::kWordAreaNames),
                       std::end(settings_text::kWordAreaNames),
                       [&](const char16_t* area) { return name == area; });
}

}  // namespace

std::array<std::u16string, 3> NameControlRegisters(const std::u16string& unitName,
                                                   std::int32_t unitBytes,
                                                   std::int32_t controlRegister) {
    // 64-bit, so that a register at the top of the int32 range still gets its neighbours.
    const std::int64_t first = controlRegister;
    std::array<std::u16string, 3> names = {GeneralName(unitName, first),
                                           GeneralName(unitName, first + 1),
                                           GeneralName(unitName, first + 2)};
    const std::u16string bare = WithoutTrailingSpace(unitName);
    std::int64_t step = 0;
    if (unitBytes == 1 || (unitBytes == 2 && IsWordArea(bare)))
        step = 1;
    else if (unitBytes == 2 && bare == settings_text::kByteNumberedWordArea)
        step = 2;
    else if (unitBytes == 4)
        step = 4;
    if (step != 0) {
        names[1] = bare + FieldNumberText(first + step);
        names[2] = bare + FieldNumberText(first + 2 * step);
    }
    return names;
}

}  // namespace tavelo
