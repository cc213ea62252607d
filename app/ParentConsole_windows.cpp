// A program of the Windows GUI subsystem starts without a console, so what --help and
// --version print would be lost when the player starts it from one. Before main() runs, the
// program joins the console it was started from, unless its output is already redirected (a
// pipe or a file, as a script or a test gives it), which it then keeps.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool hasStandardHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

bool isConsole(DWORD which) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

// The program writes UTF-8 (its manifest makes that its code page), while a console shows bytes
// in its own code page, an older one of the player's region: it is told UTF-8 while the program
// writes, and given its own back at exit, for the shell that goes on in it.
UINT consoleCodePage = 0;

void giveBackConsoleCodePage() {
    SetConsoleOutputCP(consoleCodePage);
}

bool speakUtf8ToConsole() {
    if (!isConsole(STD_OUTPUT_HANDLE) && !isConsole(STD_ERROR_HANDLE))
        return false;
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage == 0 || consoleCodePage == CP_UTF8 || !SetConsoleOutputCP(CP_UTF8))
        return false;
    std::atexit(giveBackConsoleCodePage);
    return true;
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
// Whether the console was joined or came with the program.
[[maybe_unused]] const bool spokeUtf8 = speakUtf8ToConsole();

} // namespace
