#pragma once

#include "BoardState.h"
#include "cards/clsCard.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Surface.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class QPushButton;

// The board control: holds a state, paints it, runs the closing's timers and turns the
// player's input into moves; the rules it applies are board::'s (Rules.h, Words.h). Its
// children and counters are public so that the host window, tests and tools reach them by the
// names the rules use.
class ocxZorvane : public QWidget {
    Q_OBJECT
public:
    explicit ocxZorvane(QWidget* parent = nullptr);
    ~ocxZorvane() override;

    BoardState state;
    std::unique_ptr<clsCard> objCard;

    QPushButton* cmdNew = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdAbout = nullptr;
    platform::Label* lblWebPage = nullptr;
    platform::Label* Label1 = nullptr;
    platform::PictureBox* picZorvane = nullptr;
    platform::Label* lblRemark = nullptr;
    platform::PictureBox* picCard = nullptr;
    platform::ImageSurface picWork;
    platform::ImageSurface picBack;
    platform::ImageSurface picFront;
    QTimer tmrShowLeftCard;
    QTimer tmrShowPairCard;
    LeftCardCounters leftCard;
    PairCounters pairReading;

    // Dealing and painting; the closing's steps paint through these too.
    void DealCards();
    void DrawBoard();
    void EraseRect(float x, float y, float w, float h);
    void DrawWaste();
    void DrawWasteCard(float w);
    void DrawWasteRow(int first, int last);
    void DrawFace(float card, float x, float y);
    // Shows a card in picCard halfway between two board places, plus a fixed offset.
    void ShowFloatingCard(float card, float fromX, float fromY, float toX, float toY);

    // Closing of a cleared deal: one step per tick.
    void tmrShowLeftCard_Timer();
    void tmrShowPairCard_Timer();
    // The blocked deal and the reading without pairs both end this way.
    void AnnounceUnknownDesignAndDealAgain();
    // After every move: play goes on, a blocked deal is dealt again, or a cleared one closes.
    void CheckDealEnd();

    void cmdNew_Click();

signals:
    // The host window shows its About and Help windows modally on these.
    void helpRequested();
    void aboutRequested();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void createChildren();
    void Initialize();
    void flickerEnabled(QPushButton* button);

    // The player's moves on the board picture, in its client pixels.
    void HitTest(float x, float y);
    void picZorvane_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void picZorvane_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void picZorvane_DblClick();
    // Keys 1 to 5 move that column's top card, Space and 0 turn the top stock card.
    void picZorvane_KeyDown(int KeyCode, std::int16_t Shift);
    // A double-click's or a key's move, painted, then the deal's end check.
    void PlayCard(std::int16_t kind, std::int16_t column);
    // After a card was laid on the waste: the deal's end, the description and the sentence.
    void FinishMove(const BoardState& before);
    // Its animations run or its reading lies on the board; no card can move.
    bool DealIsClosing() const;

    // The position in words, for screen readers: picZorvane's accessible description.
    QString BoardDescription() const;
    void DescribeBoard();
    // The omens of the reading on the board, in the order they were read.
    QStringList OmensRead() const;
    // What a screen reader speaks after a change: the move made since the position before,
    // a fresh deal, the omens of a finished reading.
    void AnnounceMove(const BoardState& before);
    void AnnounceNewDeal();
    void AnnounceReading();

    void cmdChange_Click();
    void cmdHelp_Click();
    void cmdAbout_Click();

    bool holdingFocus_ = false;
};
