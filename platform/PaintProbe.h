#pragma once

class QWidget;

namespace platform {

// For start-up benchmarks: when the environment variable ZORVANE_PAINT_PROBE is set, prints a
// line "expose <ns>" when the window is first exposed and "paint <ns>" after every paint of the
// watched widget, on standard error, with CLOCK_REALTIME nanoseconds. Does nothing otherwise.
void installPaintProbeFromEnvironment(QWidget* window, QWidget* watched);

} // namespace platform
