#pragma once

// What screen readers are told beyond Qt's defaults: the main window is a frame, the board
// picture a canvas the keys play on, and the board control, larger than the window that shows
// it, ends at the window's edge. Install before the first window is made.
void InstallAccessibleRoles();
