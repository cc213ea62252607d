#include "Words.h"
#include "ocxZorvane.h"

// The position in words for players who cannot see the board, kept as the board picture's
// accessible description.

QStringList ocxZorvane::OmensRead() const {
    return lblRemark->Caption().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString ocxZorvane::BoardDescription() const {
    const board::Closing closing = !lblRemark->isHidden() ? board::Closing::OmensShown
                                   : DealIsClosing()      ? board::Closing::Running
                                                          : board::Closing::None;
    return board::BoardDescription(state, closing, OmensRead());
}

// Setting the description tells a listening screen reader, so it is set only when it changed.
void ocxZorvane::DescribeBoard() {
    const QString words = BoardDescription();
    if (words != picZorvane->accessibleDescription())
        picZorvane->setAccessibleDescription(words);
}
