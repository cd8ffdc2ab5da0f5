#pragma once
// Base of everything placed on a screen: its canvas rectangle, document, drawing attributes,
// double-size and inverse flags and screen number, and the operations through which the
// document and the editor draw, hit-test, move and store elements of any kind.

#include <cstdint>
#include <memory>
#include <string>

#include "DrawSurface.h"
#include "Geometry.h"
#include "Serializable.h"

namespace tavelo {

class CElementView;
class CFieldSink;
class CTaveloDoc;

class CGraphObj : public CSerializable {
public:
    static constexpr const char* kClassName = "CGraphObj";
    // The canvas stands for the 192 x 64 dot display at 2.25 units per dot.
    static constexpr std::int32_t kCanvasWidth = 432;
    static constexpr std::int32_t kCanvasHeight = 144;
    // An edge this close to the canvas edge, or beyond it, snaps to it.
    static constexpr std::int32_t kSnapDistance = 3;
    // The selection-marks state in which the focus rectangle is drawn.
    static constexpr int kMarksSelected = 1;
    static constexpr int kRectangleMarkCount = 9;
    static constexpr std::int32_t kNoScreen = -1;

    CGraphObj() = default;
    explicit CGraphObj(const CRect& position) : m_rcPosition(position) {}
    CGraphObj& operator=(const CGraphObj&) = delete;

    // Lines, rectangles, dynamic bitmaps and the base itself are not copied with a screen and
    // answer null; the copy starts without screen and document.
    virtual std::unique_ptr<CGraphObj> Clone() const { return nullptr; }

    std::string GetRuntimeClassName() const override { return GetClassName(); }
    // The base fields only.
    void Serialize(CArchive& ar) override { SerializeBase(ar); }

    // The document sorts elements into its per-kind lists by this name.
    virtual std::string GetClassName() const { return kClassName; }
    virtual void SetPosition(const CRect& rect) { m_rcPosition = rect; }
    virtual void SetOutlineColour(Colour colour);
    virtual void SetFillColour(Colour colour);
    virtual void Draw(const CElementView& /*view*/, CDrawSurface& /*surface*/) {}
    virtual CRect GetPosition() const { return m_rcPosition; }
    // Where the element lies on the canvas; a static bitmap answers its picture's extent as
    // its position, but lies here too.
    const CRect& GetCanvasRect() const { return m_rcPosition; }
    virtual bool HitBand(const CElementView& view, const CRect& band) const;
    // Non-zero for a hit; the base is never hit.
    virtual int HitPoint(const CElementView& /*view*/, CPoint /*point*/) const { return 0; }
    virtual int GetMarkCount() const { return kRectangleMarkCount; }
    // 1 top-left, 2 top middle, 3 top-right, 4 right middle, 5 bottom-right, 6 bottom middle,
    // 7 bottom-left, 8 left middle, 9 (and any other number) centre.
    virtual CPoint GetMarkPoint(int n) const;
    virtual CRect GetMarkRect(int n, const CElementView& view) const;
    // Keeps the element on the canvas first, so the next redraw shows it moved.
    virtual void DrawSelectionMarks(CDrawSurface& surface, int state);
    virtual void SetTopLeft(std::int32_t /*x*/, std::int32_t /*y*/) {}
    virtual void MoveBy(std::int32_t dx, std::int32_t dy);
    virtual std::int32_t GetDoubleSize() const { return m_bDoubleSize; }
    virtual void SetDoubleSize(std::int32_t value);
    virtual std::int32_t GetInverse() const { return m_bInverse; }
    virtual void SetInverse(std::int32_t value);

    static double Distance(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void ClampToCanvas();

    // Rectangle, screen number, double size, inverse: each element body places them.
    void SerializeBase(CArchive& ar);
    // Every stored field by name; kinds add theirs after the base fields.
    virtual void DescribeFields(CFieldSink& sink) const { DescribeBaseFields(sink); }
    void DescribeBaseFields(CFieldSink& sink) const;

    CTaveloDoc* GetOwnerDoc() const { return m_pOwnerDoc; }
    void SetOwnerDoc(CTaveloDoc* doc) { m_pOwnerDoc = doc; }
    bool IsDrawOutline() const { return m_bDrawOutline; }
    bool IsDrawFill() const { return m_bDrawFill; }
    const CPenDesc& GetOutlinePen() const { return m_outlinePen; }
    const CBrushDesc& GetFillBrush() const { return m_fillBrush; }
    bool IsSizeValid() const { return m_bSizeValid; }

    // The document and the editor read and set it directly.
    std::int32_t m_nScreenNo = kNoScreen;

protected:
    // Copies everything but the screen number and the document; the size is worked out anew.
    CGraphObj(const CGraphObj& other);

    CRect m_rcPosition;
    CTaveloDoc* m_pOwnerDoc = nullptr;
    bool m_bDrawOutline = true;
    bool m_bDrawFill = true;
    CPenDesc m_outlinePen;
    CBrushDesc m_fillBrush;
    // Stored as int32 and kept as read, so a save writes back what was read.
    std::int32_t m_bDoubleSize = 0;
    std::int32_t m_bInverse = 0;
    bool m_bSizeValid = false;
};

}  // namespace tavelo
