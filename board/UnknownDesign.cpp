#include "ocxZorvane.h"
#include "platform/BitBlt.h"
#include "platform/ProgramTexts.h"
#include "platform/Speech.h"
#include "platform/SystemCalls.h"

namespace {

constexpr char kUnknownDesign[] =
    //: Message box when a deal is blocked or a reading finds no pair: fate will not be read
    //: this time. A solemn saying, such as that the ways of Providence are beyond knowing.
    QT_TRANSLATE_NOOP("ocxZorvane", "God's design is unknown !");

} // namespace

// Says the deal came to nothing, then clears the whole board and deals afresh.
void ocxZorvane::AnnounceUnknownDesignAndDealAgain() {
    platform::MessageBoxA(this, tr(kUnknownDesign), QString::fromLatin1(texts::kProgramTitle),
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
