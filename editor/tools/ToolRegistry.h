#pragma once
// One instance of every tool, and the routing of the view's pointer events to the tool the
// editing state names as current, with the placement preview following the pointer.

#include <memory>
#include <vector>

#include "Tool.h"

namespace tavelo {

class CMessenger;
class CToolHost;

class CToolRegistry {
public:
    explicit CToolRegistry(CMessenger& messenger);

    // The tool with the number, or null.
    CTool* Find(int number) const;

    // Inside the canvas hit area only; the placement preview goes off.
    void OnLeftPress(CToolHost& host, CPoint client, bool shift);
    // Wherever the pointer is, so a drag that left the canvas still ends.
    void OnLeftRelease(CToolHost& host, CPoint client, bool shift);
    // Inside the canvas hit area only; then the preview, when on, follows the pointer.
    void OnMove(CToolHost& host, CPoint client, bool shift);
    // Cancels the chosen tool: preview off, selection emptied, select tool.
    void OnRightRelease(CToolHost& host);

private:
    CTool* CurrentTool(CToolHost& host) const;

    std::vector<std::unique_ptr<CTool>> m_tools;
};

}  // namespace tavelo
