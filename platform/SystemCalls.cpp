#include "SystemCalls.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace platform {
namespace {

void showMessageBox(QWidget* owner, const QString& text, const QString& title, int style) {
    const auto icon =
        (style & MB_ICONWARNING) == MB_ICONWARNING ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

void openInBrowser(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

MessageBoxImpl& messageBoxImpl() {
    static MessageBoxImpl impl = showMessageBox;
    return impl;
}

ShellExecuteImpl& shellExecuteImpl() {
    static ShellExecuteImpl impl = openInBrowser;
    return impl;
}

} // namespace

void MessageBoxA(QWidget* owner, const QString& text, const QString& title, int style) {
    messageBoxImpl()(owner, text, title, style);
}

void ShellExecuteA(const QString& address) {
    shellExecuteImpl()(address);
}

void setMessageBoxImpl(MessageBoxImpl impl) {
    messageBoxImpl() = impl ? std::move(impl) : MessageBoxImpl(showMessageBox);
}

void setShellExecuteImpl(ShellExecuteImpl impl) {
    shellExecuteImpl() = impl ? std::move(impl) : ShellExecuteImpl(openInBrowser);
}

} // namespace platform
