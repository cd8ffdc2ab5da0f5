#include "ScreenRenderer.h"

#include "BarGraphPainter.h"
#include "LcdFrame.h"
#include "RegisterFormat.h"
#include "TrendGraphPainter.h"
#include "TrendHistory.h"
#include "compiler/GraphLoadDataBase.h"
#include "compiler/GraphicsLibrary.h"
#include "compiler/ImageRecordLayouts.h"
#include "render/GlyphLayout.h"

namespace tavelo {

namespace {

constexpr std::int32_t kBitsPerByte = 8;
// Dynamic text rows hold 16-bit values, so only the low 16 bits of a PLC value take part.
constexpr std::int64_t kRowValueMask = 0xFFFF;

CDotLook LookOf(std::int64_t attributes) {
    return {(attributes & CScreenRenderer::kInverseBit) != 0,
            (attributes & CScreenRenderer::kDoubleSizeBit) != 0};
}

std::int32_t Coordinate(const CImageRecord& record, const char* name) {
    return static_cast<std::int32_t>(record.Value(name));
}

bool IsKind(const CImageRecord& record, std::uint8_t kind) {
    return record.m_strKind == RecordKindName(kind);
}

CPollAddress AddressOf(const CImageRecord& record) {
    return {record.Value("station"), record.Value("unitCode"), record.Value("address")};
}

}  // namespace

bool CScreenRenderer::Render(std::int64_t screenNumber, const IPolledValues& values,
                             CLcdFrame& frame, const CTrendHistory* trends) const {
    frame.Clear();
    if (!m_image.IsLoaded()) return false;
    const CImageScreen* screen = m_image.FindScreen(screenNumber);
    if (!screen) return false;
    for (const CImageRecord& record : screen->m_elements) DrawRecord(record, values, frame, trends);
    return true;
}

void CScreenRenderer::DrawRecord(const CImageRecord& record, const IPolledValues& values,
                                 CLcdFrame& frame, const CTrendHistory* trends) const {
    if (IsKind(record, kStaticTextRecord)) DrawStaticText(record, frame);
    if (IsKind(record, kStaticBitmapRecord)) DrawStaticBitmap(record, frame);
    if (IsKind(record, kFunctionKeyRecord)) DrawFunctionKey(record, frame);
    if (IsKind(record, kIndicatorRecord)) DrawIndicator(record, values, frame);
    if (IsKind(record, kDynamicTextRecord)) DrawDynamicText(record, values, frame);
    if (IsKind(record, kBarGraphRecord)) CBarGraphPainter::Draw(record, values, frame);
    if (IsKind(record, kRegisterRecord)) DrawRegister(record, values, frame);
    if (IsKind(record, kDynamicBitmapRecord)) DrawDynamicBitmap(record, values, frame);
    if (IsKind(record, kTrendGraphRecord))
        CTrendGraphPainter::Draw(
            record, trends ? trends->Samples(record.m_nOffset) : std::span<const double>{}, frame);
}

void CScreenRenderer::DrawRegister(const CImageRecord& record, const IPolledValues& values,
                                   CLcdFrame& frame) const {
    const std::string text =
        CRegisterFormat::FromRecord(record).Text(values.Read(AddressOf(record)));
    m_digits.Draw(frame, text, Coordinate(record, "x"), Coordinate(record, "y"),
                  LookOf(record.Value("attributes")));
}

void CScreenRenderer::DrawDynamicBitmap(const CImageRecord& record, const IPolledValues& values,
                                        CLcdFrame& frame) const {
    const auto pictures = m_image.Bytes(static_cast<std::size_t>(record.Value("pictureOffset")),
                                        kDynamicPictureSetBytes);
    if (pictures.empty()) return;
    const bool coil = values.Read({kDynamicBitmapStation, record.Value("unitCode"),
                                   record.Value("address")}) != 0;
    // Negative logic shows the picture of the opposite state.
    const bool on = coil != (record.Value("logic") != 0);
    CColumnPicture(pictures.subspan((on ? kCoilOnPicture : kCoilOffPicture) * kWideGlyphBytes,
                                    kWideGlyphBytes),
                   kDynamicPictureSize)
        .Draw(frame, Coordinate(record, "x"), Coordinate(record, "y"), kDynamicPictureSize,
              kDynamicPictureSize, {});
}

void CScreenRenderer::DrawStaticText(const CImageRecord& record, CLcdFrame& frame) const {
    const std::size_t fixedPart = LayoutSize(RecordLayout(kStaticTextRecord));
    const auto codes = m_image.Bytes(record.m_nOffset + fixedPart,
                                     static_cast<std::size_t>(record.Value("codeBytes")));
    m_text.Draw(frame, codes, Coordinate(record, "x"), Coordinate(record, "y"),
                LookOf(record.Value("look")));
}

void CScreenRenderer::DrawStaticBitmap(const CImageRecord& record, CLcdFrame& frame) const {
    const std::int32_t width = Coordinate(record, "width");
    const std::int32_t height = Coordinate(record, "height");
    const auto data = m_image.Bytes(
        static_cast<std::size_t>(record.Value("dataOffset")),
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) / kBitsPerByte);
    CColumnPicture(data, width)
        .Draw(frame, Coordinate(record, "x"), Coordinate(record, "y"), width, height, {});
}

void CScreenRenderer::DrawFunctionKey(const CImageRecord& record, CLcdFrame& frame) const {
    const std::int64_t attributes = record.Value("look");
    if (attributes & kHiddenKeyBit) return;
    const CDotLook look = LookOf(attributes);
    std::int32_t x = Coordinate(record, "x");
    const std::int32_t y = Coordinate(record, "y");
    if (attributes & kHandBit) {
        DrawGraphic(record.Value("handCode"), x, y, look, frame);
        x += kGraphicSize * look.Scale();
    }
    DrawGraphic(record.Value("keyCode"), x, y, look, frame);
}

void CScreenRenderer::DrawIndicator(const CImageRecord& record, const IPolledValues& values,
                                    CLcdFrame& frame) const {
    // The compiler swaps the two pictures for negative logic, so the first one always goes
    // with a coil that is off.
    const bool on = values.Read(AddressOf(record)) != 0;
    DrawGraphic(record.Value(on ? "secondPicture" : "firstPicture"), Coordinate(record, "x"),
                Coordinate(record, "y"), {false, (record.Value("look") & kDoubleSizeBit) != 0},
                frame);
}

void CScreenRenderer::DrawDynamicText(const CImageRecord& record, const IPolledValues& values,
                                      CLcdFrame& frame) const {
    const std::int64_t value = values.Read(AddressOf(record)) & kRowValueMask;
    for (std::int64_t row = 0; row < record.Value("rows"); ++row) {
        const std::string prefix = "rows[" + std::to_string(row) + "].";
        if ((record.Value(prefix + "value") & kRowValueMask) != value) continue;
        const auto codes =
            m_image.Bytes(static_cast<std::size_t>(record.Value(prefix + "textOffset")),
                          static_cast<std::size_t>(record.Value(prefix + "textBytes")));
        // The field spans the widest row, so an inverse field keeps its width for every row.
        const CDotLook look = LookOf(record.Value("look"));
        const std::int32_t x = Coordinate(record, "x");
        const std::int32_t y = Coordinate(record, "y");
        frame.Fill(x, y,
                   Coordinate(record, "maxColumns") * CTextPainter::kNarrowWidth * look.Scale(),
                   CTextPainter::kGlyphHeight * look.Scale(), look.m_bInverse);
        m_text.Draw(frame, codes, x, y, look);
        return;
    }
}

void CScreenRenderer::DrawGraphic(std::int64_t code, std::int32_t x, std::int32_t y,
                                  const CDotLook& look, CLcdFrame& frame) const {
    if (code < CGraphicsLibrary::kCodeBase) return;
    const auto glyph =
        m_image.WideGlyph(static_cast<std::size_t>(code - CGraphicsLibrary::kCodeBase));
    if (glyph.empty()) return;
    CColumnPicture(glyph, kGraphicSize).Draw(frame, x, y, kGraphicSize, kGraphicSize, look);
}

}  // namespace tavelo
