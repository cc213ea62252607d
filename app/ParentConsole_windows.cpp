// A program of the Windows GUI subsystem starts without a console, so what --help and
// --version print would be lost when the player starts it from one. Before main() runs, the
// program joins the console it was started from, unless its output is already redirected (a
// pipe or a file, as a script or a test gives it), which it then keeps.
#include <windows.h>

#include <cstdio>

namespace {

bool hasStandardHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

bool joinParentConsole() {
    // Asked before attaching, which may fill in the missing handles but not the C streams.
    const bool outputMissing = !hasStandardHandle(STD_OUTPUT_HANDLE);
    const bool errorMissing = !hasStandardHandle(STD_ERROR_HANDLE);
    // Started from Explorer or a shortcut there is no console to join, and nothing to print.
    if ((!outputMissing && !errorMissing) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    if (outputMissing)
        (void)std::freopen("CONOUT$", "w", stdout);
    if (errorMissing)
        (void)std::freopen("CONOUT$", "w", stderr);
    return true;
}

[[maybe_unused]] const bool joinedParentConsole = joinParentConsole();

} // namespace
