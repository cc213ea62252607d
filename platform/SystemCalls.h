#pragma once

#include <QString>
#include <functional>

class QWidget;

// The two calls that leave the game's own windows: a modal message box and opening a web
// address. Each goes through a replaceable implementation so that tests record the calls
// instead of blocking on a box or starting a browser.
namespace platform {

constexpr int MB_OK = 0x0;
constexpr int MB_ICONWARNING = 0x30;

// Modal; returns when the box is closed.
void MessageBoxA(QWidget* owner, const QString& text, const QString& title, int style);

// Opens the address with the system's default handler; failures are not reported.
void ShellExecuteA(const QString& address);

using MessageBoxImpl = std::function<void(QWidget*, const QString&, const QString&, int)>;
using ShellExecuteImpl = std::function<void(const QString&)>;

// An empty function restores the real implementation.
void setMessageBoxImpl(MessageBoxImpl impl);
void setShellExecuteImpl(ShellExecuteImpl impl);

} // namespace platform
