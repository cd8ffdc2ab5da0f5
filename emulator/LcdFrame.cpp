#include "LcdFrame.h"

#include <algorithm>

namespace tavelo {

void CLcdFrame::Clear() {
    m_dots.fill(false);
    m_drawnBox.reset();
}

void CLcdFrame::Extend(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return;
    const CRect box{x, y, WrapInt32(std::int64_t{x} + width), WrapInt32(std::int64_t{y} + height)};
    if (!m_drawnBox) {
        m_drawnBox = box;
        return;
    }
    m_drawnBox =
        CRect{std::min(m_drawnBox->left, box.left), std::min(m_drawnBox->top, box.top),
              std::max(m_drawnBox->right, box.right), std::max(m_drawnBox->bottom, box.bottom)};
}

void CLcdFrame::Set(std::int32_t x, std::int32_t y, bool lit) {
    Extend(x, y, 1, 1);
    if (Inside(x, y)) m_dots[Index(x, y)] = lit;
}

void CLcdFrame::Fill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     bool lit) {
    Extend(x, y, width, height);
    const auto right = std::clamp<std::int64_t>(std::int64_t{x} + width, 0, kWidth);
    const auto bottom = std::clamp<std::int64_t>(std::int64_t{y} + height, 0, kHeight);
    for (std::int64_t row = std::max(y, 0); row < bottom; ++row)
        for (std::int64_t column = std::max(x, 0); column < right; ++column)
            m_dots[Index(static_cast<std::int32_t>(column), static_cast<std::int32_t>(row))] = lit;
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
