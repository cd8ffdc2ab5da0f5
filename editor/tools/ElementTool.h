#pragma once
// A tool that places one element of its kind: the next press on the canvas puts a new element
// with its kind's defaults on the current screen where the placement preview shows it, selects
// it and hands the pointer back to the select tool.

#include <functional>
#include <memory>

#include "Tool.h"

namespace tavelo {

class CGraphObj;

class CElementTool : public CTool {
public:
    // Makes a new element of the kind with its defaults.
    using Maker = std::function<std::unique_ptr<CGraphObj>()>;

    CElementTool(int number, Maker maker) : CTool(number), m_maker(std::move(maker)) {}

    void Press(CToolHost& host, const CToolEvent& event) override;

protected:
    // The new element with its top-left corner at the canvas point, or null to place nothing.
    virtual std::unique_ptr<CGraphObj> MakeElementAt(CToolHost& host, CPoint canvas);

private:
    Maker m_maker;
};

}  // namespace tavelo
