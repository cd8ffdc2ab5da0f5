#include "NewProject.h"

#include "Screen.h"
#include "TaveloDoc.h"

namespace tavelo {

void MakeNewProject(CTaveloDoc& doc) {
    doc.GetAlarms().Reset();
    doc.GetSystemSettings().Reset();
    doc.DeleteAllScreens();
    doc.ClearAll();
    doc.AddScreen(MakeNewScreen(kMinScreenNumber, NumberedScreenDescription(kMinScreenNumber)));
    doc.SetModified(false);
}

}  // namespace tavelo
