#include "TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace tavelo {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Owns one iconv descriptor for the length of a conversion.
class CIconv {
public:
    CIconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
    }
    ~CIconv() { iconv_close(m_cd); }
    CIconv(const CIconv&) = delete;
    CIconv& operator=(const CIconv&) = delete;

    // Converts as much as it can; returns false on an invalid or incomplete sequence.
    bool Convert(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        char* source = const_cast<char*>(in);
        std::size_t result = iconv(m_cd, &source, &inLeft, &out, &outLeft);
        in = source;
        return result != static_cast<std::size_t>(-1);
    }

private:
    iconv_t m_cd;
};

}  // namespace

std::u16string DecodeCodePage936(std::span<const std::uint8_t> bytes) {
    CIconv conv("UTF-16LE", "GBK");
    std::u16string result;
    // Each byte yields at most one UTF-16 unit.
    std::vector<char> buffer(bytes.size() * 2 + 2);
    const char* in = reinterpret_cast<const char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        bool ok = conv.Convert(in, inLeft, out, outLeft);
        const std::size_t produced = (buffer.size() - outLeft) / 2;
        for (std::size_t i = 0; i < produced; ++i)
            result.push_back(
                static_cast<char16_t>(static_cast<std::uint8_t>(buffer[2 * i]) |
                                      (static_cast<std::uint8_t>(buffer[2 * i + 1]) << 8)));
        if (!ok) {
            result.push_back(kReplacement);
            ++in;
            --inLeft;
        }
    }
    return result;
}

std::string EncodeCodePage936(std::u16string_view text) {
    CIconv conv("GBK", "UTF-16LE");
    std::string result;
    for (char16_t unit : text) {
        char source[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        char target[4];
        const char* in = source;
        std::size_t inLeft = 2;
        char* out = target;
        std::size_t outLeft = sizeof target;
        if (conv.Convert(in, inLeft, out, outLeft))
            result.append(target, sizeof target - outLeft);
        else
            result.push_back('?');
    }
    return result;
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        int extra = lead < 0x80           ? 0
                    : (lead >> 5) == 0x6  ? 1
                    : (lead >> 4) == 0xE  ? 2
                    : (lead >> 3) == 0x1E ? 3
                                          : -1;
        char32_t c = extra == 0   ? lead
                     : extra == 1 ? (lead & 0x1F)
                     : extra == 2 ? (lead & 0x0F)
                                  : (lead & 0x07);
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

}  // namespace tavelo
