#pragma once
// What the New command does to the document once the PLC type file was found: settings back to
// their defaults, no elements, and screen 1 "画面 1". The display-type and PLC-and-link dialogs
// that New runs in between keep their own state in CAppState and the link settings.

namespace tavelo {

class CTaveloDoc;

void MakeNewProject(CTaveloDoc& doc);

}  // namespace tavelo
