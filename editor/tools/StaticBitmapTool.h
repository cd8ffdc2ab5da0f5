#pragma once
// The static bitmap tool: places a picture imported anew from the file the static bitmap
// command kept, at its size, with its top-left corner at the snapped point.

#include "ElementTool.h"

namespace tavelo {

class CMessenger;

class CStaticBitmapTool : public CElementTool {
public:
    // Tells the user when the kept file can no longer be imported.
    explicit CStaticBitmapTool(CMessenger& messenger);

protected:
    std::unique_ptr<CGraphObj> MakeElementAt(CToolHost& host, CPoint canvas) override;

private:
    CMessenger& m_messenger;
};

}  // namespace tavelo
