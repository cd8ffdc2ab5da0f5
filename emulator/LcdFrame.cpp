#include "LcdFrame.h"

namespace tavelo {

void CLcdFrame::Set(std::int32_t x, std::int32_t y, bool lit) {
    if (Inside(x, y)) m_dots[Index(x, y)] = lit;
}

bool CLcdFrame::Get(std::int32_t x, std::int32_t y) const {
    return Inside(x, y) && m_dots[Index(x, y)];
}

std::string CLcdFrame::ToTextArt() const {
    std::string art;
    art.reserve(static_cast<std::size_t>((kWidth + 1) * kHeight));
    for (std::int32_t y = 0; y < kHeight; ++y) {
        for (std::int32_t x = 0; x < kWidth; ++x) art += Get(x, y) ? kLitDot : kDarkDot;
        art += '\n';
    }
    return art;
}

std::optional<CLcdFrame> CLcdFrame::FromTextArt(std::string_view art) {
    if (!art.empty() && art.back() == '\n') art.remove_suffix(1);
    CLcdFrame frame;
    for (std::int32_t y = 0; y < kHeight; ++y) {
        const std::size_t end = art.find('\n');
        const bool last = y + 1 == kHeight;
        if (last != (end == std::string_view::npos)) return std::nullopt;
        const std::string_view line = art.substr(0, end);
        if (line.size() != static_cast<std::size_t>(kWidth)) return std::nullopt;
        for (std::int32_t x = 0; x < kWidth; ++x) {
            const char dot = line[static_cast<std::size_t>(x)];
            if (dot != kLitDot && dot != kDarkDot) return std::nullopt;
            frame.Set(x, y, dot == kLitDot);
        }
        if (!last) art.remove_prefix(end + 1);
    }
    return frame;
}

}  // namespace tavelo
