#include "TestSupport.h"

#include "platform/Random.h"
#include "platform/SystemCalls.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <memory>

namespace testing {

bool captionFits(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    QString shown = button->text();
    shown.remove(QLatin1Char('&'));
    return button->fontMetrics().horizontalAdvance(shown) <= contents.width();
}

ScriptedRandom::ScriptedRandom(std::vector<float> values) {
    auto script = std::make_shared<std::vector<float>>(std::move(values));
    auto next = std::make_shared<std::size_t>(0);
    platform::setRandomSource([script, next] {
        const float value = (*script)[*next % script->size()];
        ++*next;
        return value;
    });
}

ScriptedRandom::~ScriptedRandom() {
    platform::setRandomSource({});
}

MessageBoxRecorder::MessageBoxRecorder() {
    platform::setMessageBoxImpl(
        [this](QWidget* owner, const QString& text, const QString& title, int style) {
            calls.push_back({owner, text, title, style});
        });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    platform::setMessageBoxImpl({});
}

ShellRecorder::ShellRecorder() {
    platform::setShellExecuteImpl([this](const QString& address) { addresses << address; });
}

ShellRecorder::~ShellRecorder() {
    platform::setShellExecuteImpl({});
}

} // namespace testing
