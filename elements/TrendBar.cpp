#include "TrendBar.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "ElementSizing.h"
#include "StoredFields.h"
#include "model/Archive.h"
#include "model/DrawSurface.h"
#include "model/FieldSink.h"

namespace tavelo {

namespace {

constexpr std::int32_t kSolidPenStyle = 0;
constexpr CPenDesc kGraphPen{kSolidPenStyle, 2, 2, kBlack};
// The bar's frame leaves room for the scale: left of it, or below it.
constexpr std::int32_t kLeftScaleRoom = 5;
constexpr std::int32_t kBottomScaleRoom = 4;

CPoint Point(std::int64_t x, std::int64_t y) {
    return {WrapInt32(x), WrapInt32(y)};
}

CRect Rect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {WrapInt32(left), WrapInt32(top), WrapInt32(right), WrapInt32(bottom)};
}

// fraction x extent, truncated toward zero; the fraction lies in 0..1, so it fits.
std::int64_t Part(double fraction, std::int32_t extent) {
    return static_cast<std::int64_t>(fraction * extent);
}

// A damaged file may hold any double; the preview draws only fractions of its box.
double DrawableFill(double fill) {
    return std::isfinite(fill) ? std::clamp(fill, 0.0, 1.0) : CTrendBar::kDefaultPreviewFill;
}

std::u16string DoubleText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::u16string(buffer, result.ptr);
}

}  // namespace

CTrendBar::CTrendBar(std::int32_t kind, const CRect& position)
    : CRectObj(position, kind), m_nWidth(kind == kTrendGraph ? kTrendWidthDots : kBarWidthDots) {
    m_address.m_nUnitType = 1;
    m_address.m_nUnitBytes = 1;
}

std::unique_ptr<CGraphObj> CTrendBar::Clone() const {
    std::unique_ptr<CTrendBar> copy(new CTrendBar(*this));
    copy->m_dPreviewFill = kDefaultPreviewFill;
    copy->m_nReserved = kDefaultReserved;
    copy->m_bFloatApplied = false;
    copy->m_bCopyMark = true;
    return copy;
}

void CTrendBar::Serialize(CArchive& ar) {
    SerializeBase(ar);
    CRectObj::Serialize(ar);
    ar.Int32(m_nHeight);
    ar.Int32(m_nWidth);
    std::int32_t marker = kFloatMarker;
    ar.Int32(marker);
    if (marker == kFloatMarker) {
        ar.Int32(m_nDecimals);
        ar.Int32(m_bFloat);
        ar.Int32(m_nPoints);
    } else {
        m_nPoints = marker;
    }
    ar.Int32(m_nInterval);
    ar.Int32(m_nLinearAddress);
    ar.Int32(m_nFullScale);
    ar.Int32(m_nZeroScale);
    TransferByte(ar, m_nDirection);
    TransferDouble(ar, m_dPreviewFill);
    ar.Int32(m_nReserved);
    ar.Int32(m_bDecimal);
    ar.Int32(m_bSigned);
    m_address.Serialize(ar);
}

void CTrendBar::SetSize(std::int32_t height, std::int32_t width) {
    m_nHeight = std::max(height, kMinSideDots);
    m_nWidth = std::max(width, kMinSideDots);
    m_bSizeValid = false;
}

void CTrendBar::SetDirection(std::int32_t direction) {
    m_nDirection = direction;
    m_bSizeValid = false;
}

void CTrendBar::SetScales(std::int32_t full, std::int32_t zero) {
    m_nFullScale = full;
    m_nZeroScale = zero;
}

// Double size has no effect on graphs.
void CTrendBar::UpdateSize() {
    m_rcPosition = GrownFromTopLeft(m_rcPosition, CanvasExtent(m_nWidth), CanvasExtent(m_nHeight));
    m_bSizeValid = true;
}

void CTrendBar::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    if (!m_bSizeValid) UpdateSize();
    ClampToCanvas();
    if (IsTrendGraph())
        DrawTrend(surface);
    else
        DrawBar(surface);
}

// The frame, the filled part shrunk inside it, and five scale ticks on the left (vertical
// bars) or at the bottom (horizontal bars). Unknown directions draw as upward bars.
void CTrendBar::DrawBar(CDrawSurface& surface) const {
    const std::int64_t L = m_rcPosition.left, T = m_rcPosition.top, R = m_rcPosition.right,
                       B = m_rcPosition.bottom;
    const std::int32_t w = m_rcPosition.Width(), h = m_rcPosition.Height();
    const double f = DrawableFill(m_dPreviewFill);
    const bool horizontal = m_nDirection == kLeft || m_nDirection == kRight;
    const CRect frame =
        horizontal ? Rect(L, T, R, B - kBottomScaleRoom) : Rect(L + kLeftScaleRoom, T, R, B);
    surface.DrawRectangle(frame, kGraphPen, std::nullopt);
    const std::int64_t barBottom = B - kBottomScaleRoom;
    switch (m_nDirection) {
        case kDown:
            surface.FillRectangle(Rect(L + kLeftScaleRoom + 1, T + 1, R - 1, T + Part(f, h) - 1),
                                  kBlack);
            break;
        case kLeft:
            surface.FillRectangle(Rect(L + Part(1 - f, w) + 2, T + 1, R - 2, barBottom - 1),
                                  kBlack);
            break;
        case kRight:
            surface.FillRectangle(Rect(L + 1, T + 1, L + Part(f, w) - 1, barBottom - 1), kBlack);
            break;
        default:
            surface.FillRectangle(
                Rect(L + kLeftScaleRoom + 1, T + Part(1 - f, h) + 2, R - 1, B - 2), kBlack);
            break;
    }
    if (horizontal) {
        for (std::int64_t x : {R - w / 4, R - w / 2, R - 3 * std::int64_t{w} / 4, R - 1, L + 1})
            surface.DrawLine(Point(x, barBottom), Point(x, B), kGraphPen);
    } else {
        for (std::int64_t y : {T + h / 4, T + h / 2, T + 3 * std::int64_t{h} / 4, B - 1, T + 1})
            surface.DrawLine(Point(L + kLeftScaleRoom, y), Point(L, y), kGraphPen);
    }
}

// Axes with arrow strokes and ticks, and a fixed five-point sample curve.
void CTrendBar::DrawTrend(CDrawSurface& surface) const {
    const std::int64_t L = m_rcPosition.left, T = m_rcPosition.top, R = m_rcPosition.right,
                       B = m_rcPosition.bottom;
    const std::int32_t d = WrapInt32(std::int64_t{CanvasExtent(m_nWidth)} - 6);
    const std::int32_t e = WrapInt32(std::int64_t{CanvasExtent(m_nHeight)} - 6);
    const std::int64_t x0 = L + 6;
    surface.FillRectangle(Rect(L, T, R - 1, B - 3), kWhite);
    surface.DrawLine(Point(x0, B - 9), Point(x0, T), kGraphPen);
    surface.DrawLine(Point(x0, T), Point(L, T + 9), kGraphPen);
    surface.DrawLine(Point(x0, T + e / 4), Point(L + 3, T + e / 4), kGraphPen);
    surface.DrawLine(Point(x0, T + 3 * std::int64_t{e} / 4),
                     Point(L + 3, T + 3 * std::int64_t{e} / 4), kGraphPen);
    surface.DrawLine(Point(x0, T + e / 2), Point(L, T + e / 2), kGraphPen);
    surface.DrawLine(Point(L, B - 9), Point(R - 3, B - 9), kGraphPen);
    surface.DrawLine(Point(R - 9, B - 3), Point(R - 3, B - 9), kGraphPen);
    const CPoint curve[] = {
        Point(x0, T + Part(0.7, e)),         Point(x0 + d / 4, T + Part(0.4, e)),
        Point(x0 + d / 2, T + Part(0.9, e)), Point(x0 + 3 * std::int64_t{d} / 4, T + Part(0.2, e)),
        Point(x0 + d, T + Part(0.8, e)),
    };
    for (std::size_t i = 1; i < std::size(curve); ++i)
        surface.DrawLine(curve[i - 1], curve[i], kGraphPen);
}

void CTrendBar::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Int("shape", m_nShape);
    sink.Int("height", m_nHeight);
    sink.Int("width", m_nWidth);
    sink.Int("decimals", m_nDecimals);
    sink.Int("float", m_bFloat);
    sink.Int("points", m_nPoints);
    sink.Int("interval", m_nInterval);
    sink.Int("linearAddress", m_nLinearAddress);
    sink.Int("fullScale", m_nFullScale);
    sink.Int("zeroScale", m_nZeroScale);
    sink.Int("direction", m_nDirection);
    // The sink has no floating-point field; the shortest text that reads back the same.
    sink.Text("previewFill", DoubleText(m_dPreviewFill));
    sink.Int("reserved", m_nReserved);
    sink.Int("decimal", m_bDecimal);
    sink.Int("signed", m_bSigned);
    m_address.DescribeFields(sink, "address");
}

}  // namespace tavelo
