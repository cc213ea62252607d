#pragma once

// The card back every face-down card shows: 0..7, read at every back drawn.
namespace eCard {
extern float sgBackIndex;
}
