#include "Gb2312Codec.h"

#include <stdexcept>
#include <string>

#include "model/TextCodec.h"

namespace tavelo {

namespace {

bool IsCodeByte(std::uint8_t byte) {
    return byte >= CGb2312Codec::kFirstByte && byte <= CGb2312Codec::kLastByte;
}

}  // namespace

CGb2312Codec::CGb2312Codec() : m_fromGb2312(iconv_open("UTF-16LE", "GB2312")) {
    if (m_fromGb2312 == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert from GB2312");
}

CGb2312Codec::~CGb2312Codec() {
    iconv_close(m_fromGb2312);
}

std::optional<CGb2312Code> CGb2312Codec::Encode(char16_t character) {
    const std::string bytes = EncodeCodePage936(std::u16string_view(&character, 1));
    if (bytes.size() != 2) return {};
    const CGb2312Code code{static_cast<std::uint8_t>(bytes[0]),
                           static_cast<std::uint8_t>(bytes[1])};
    if (!IsFilled(code)) return {};
    return code;
}

std::optional<char16_t> CGb2312Codec::Decode(CGb2312Code code) {
    if (!IsFilled(code)) return {};
    const std::uint8_t bytes[2] = {code.m_nLead, code.m_nTrail};
    const std::u16string text = DecodeCodePage936(bytes);
    if (text.size() != 1) return {};
    return text.front();
}

bool CGb2312Codec::IsFilled(CGb2312Code code) {
    if (!IsCodeByte(code.m_nLead) || !IsCodeByte(code.m_nTrail)) return false;
    // Forget whatever an earlier refused input left in the descriptor.
    iconv(m_fromGb2312, nullptr, nullptr, nullptr, nullptr);
    char source[2] = {static_cast<char>(code.m_nLead), static_cast<char>(code.m_nTrail)};
    char target[4];
    char* in = source;
    char* out = target;
    std::size_t inLeft = sizeof source;
    std::size_t outLeft = sizeof target;
    return iconv(m_fromGb2312, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
           inLeft == 0;
}

}  // namespace tavelo
