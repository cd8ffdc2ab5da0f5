#pragma once
// A tool that pointer input on the canvas goes to: the part every tool shares (press snaps to
// the 4-dot grid and captures the pointer, release lets it go, move records the point).
// Kinds override the three operations and call the shared part where it belongs in theirs.

#include <cstdint>

#include "model/Geometry.h"

namespace tavelo {

class CToolHost;

struct CToolEvent {
    // In the view's client pixels.
    CPoint m_ptClient;
    bool m_bShift = false;
};

class CTool {
public:
    // Canvas units between grid points a press snaps to (4 dots).
    static constexpr std::int32_t kSnapStep = 9;

    virtual ~CTool() = default;
    CTool(const CTool&) = delete;
    CTool& operator=(const CTool&) = delete;

    int GetNumber() const { return m_nNumber; }

    virtual void Press(CToolHost& host, const CToolEvent& event);
    virtual void Release(CToolHost& host, const CToolEvent& event);
    virtual void Move(CToolHost& host, const CToolEvent& event);

    bool IsButtonDown() const { return m_bButtonDown; }
    CPoint GetDownPoint() const { return m_ptDown; }
    CPoint GetLastPoint() const { return m_ptLast; }
    CPoint GetMovePoint() const { return m_ptMove; }

    // The client point whose canvas coordinates are moved toward zero to multiples of 9.
    static CPoint SnapToGrid(CPoint client);

protected:
    explicit CTool(int number) : m_nNumber(number) {}

    bool m_bButtonDown = false;
    CPoint m_ptDown;
    CPoint m_ptLast;
    CPoint m_ptMove;

private:
    const int m_nNumber;
};

}  // namespace tavelo
