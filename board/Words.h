#pragma once

#include "BoardState.h"

#include <QStringList>

// The position and the moves in words, for players who cannot see the board, free of widgets.
// The texts are in the player's language.
namespace board {

// How far the closing of a cleared deal has come: it changes what the waste is said to be.
enum class Closing { None, Running, OmensShown };

QString CardName(float card);
// "1 card", "2 cards", ... in the player's language.
QString CardCount(int count);
// The omen a pair of this rank index tells.
QString OmenText(int rank);

// The waste top, each column's top card, the stock, and the omens read so far.
QString BoardDescription(const BoardState& s, Closing closing, const QStringList& omens);
// What a screen reader speaks after a move: the card moved since the position before, what it
// uncovered or left and, when it emptied the last column, that the reading begins.
QString MoveSentence(const BoardState& before, const BoardState& after);
// What it speaks when the cards are dealt anew: that, then the new position.
QString NewDealSentence(const QString& position);
// What it speaks when the reading ends: its omens, in the order they were read.
QString ReadingSentence(const QStringList& omens);

} // namespace board
