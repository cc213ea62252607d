#include "ProgramTexts.h"
#include "ocxZorvane.h"
#include "platform/BitBlt.h"
#include "platform/SystemCalls.h"

// Says the deal came to nothing, then clears the whole board and deals afresh.
void ocxZorvane::AnnounceUnknownDesignAndDealAgain() {
    platform::MessageBoxA(this, tr(texts::kUnknownDesign),
                          QString::fromLatin1(texts::kProgramTitle),
                          platform::MB_OK | platform::MB_ICONWARNING);
    platform::BitBlt(picZorvane->hDC(), 0, 0, picZorvane->Width(), picZorvane->Height(),
                     picWork.hDC(), 0, 0);
    picZorvane->Refresh();
    DealCards();
    DrawBoard();
    AnnounceNewDeal();
}
