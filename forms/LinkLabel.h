#pragma once

#include <QColor>
#include <QObject>
#include <QString>

class QEvent;

namespace platform {
class Label;
}

// Turns a label into a web link: the pointing hand over it, a hover look, and a click that
// opens the address. The pointer entering and leaving the label is the hover.
class LinkLabel : public QObject {
    Q_OBJECT
public:
    struct Look {
        QColor color;
        bool underline;
    };
    struct Looks {
        Look rest; // also the look after the pointer leaves
        Look hover;
        // A click only sets the underline: the colour stays as the hover left it.
        bool clickUnderline;
    };

    static const QColor kBlue;
    // Cyan at rest, blue and underlined while hovered, blue without underline once clicked.
    static const Looks kWebPageLooks;
    // Blue and underlined whatever the pointer does; only the pointer shows the hover.
    static const Looks kHelpLooks;

    // The link lives as long as the label it is attached to.
    static LinkLabel* attach(platform::Label* label, const Looks& looks, const QString& address);

    // Back to the look at rest, as a freshly loaded window shows it.
    void reset();

    // What a click on the label does; also how a window offers its link to the keyboard.
    void click();

signals:
    // After the page was asked to open, whether or not a browser came up.
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { AtRest, Hovered, Clicked };

    LinkLabel(platform::Label* label, const Looks& looks, const QString& address);
    void hover();
    void leave();
    void show(Look look);
    void setUnderline(bool underline);
    bool isClickOnLabel(const QEvent* event) const;

    platform::Label* label_;
    Looks looks_;
    QString address_;
    State state_ = State::AtRest;
};
