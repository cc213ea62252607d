#include "ProgramTexts.h"
#include "ocxZorvane.h"
#include "platform/BitBlt.h"
#include "platform/Speech.h"
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
    // Once the box has gone the focus comes back to the board, whose description, the new
    // position, a screen reader then reads: saying the position again would repeat it. Only
    // where the focus returns elsewhere must the sentence carry the position.
    if (window()->focusWidget() == picZorvane)
        platform::Announce(picZorvane, tr("New deal."));
    else
        AnnounceNewDeal();
}
