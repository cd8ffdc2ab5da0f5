#pragma once
// The select tool: a press picks the element under the pointer (Shift adds it) and drags the
// selection in 4-dot steps, or on empty canvas starts a band that selects what it touches.

#include "Tool.h"

namespace tavelo {

class CGraphObj;

class CSelectTool : public CTool {
public:
    enum class EDragMode { kNone, kBand, kMove };

    CSelectTool();

    void Press(CToolHost& host, const CToolEvent& event) override;
    void Release(CToolHost& host, const CToolEvent& event) override;
    void Move(CToolHost& host, const CToolEvent& event) override;

    EDragMode GetDragMode() const { return m_eDragMode; }

private:
    void StartMove(CToolHost& host, CGraphObj& element, bool add);
    void UpdateMove(CToolHost& host, CPoint client);
    void StartBand(CToolHost& host, bool add);
    void UpdateBand(CToolHost& host, CPoint client);
    void FinishBand(CToolHost& host);

    EDragMode m_eDragMode = EDragMode::kNone;
};

}  // namespace tavelo
