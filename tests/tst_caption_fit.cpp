// The captions set in boxes of a fixed size show in full whatever fonts the system has: the
// suite runs this once with the system's fonts and once with a fontconfig setup that offers
// no Liberation Sans.
#include "board/ocxZorvane.h"
#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "platform/Fonts.h"
#include "support/TestSupport.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Every label lies inside its parent, and every button's caption inside the button.
void verifyCaptionsFit(QWidget& window) {
    window.show();
    for (const QLabel* label : window.findChildren<QLabel*>())
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                 qPrintable(label->text()));
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        QVERIFY2(testing::captionFits(button), qPrintable(button->text()));
}

} // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT
private slots:
    void captionsAreSetInTheDesignedFont_data();
    void captionsAreSetInTheDesignedFont();
    void boardCaptionsFit();
    void aboutCaptionsFit();
    void helpCaptionsFit();
};

void CaptionFitTest::captionsAreSetInTheDesignedFont_data() {
    QTest::addColumn<bool>("bold");
    QTest::newRow("regular") << false;
    QTest::newRow("bold") << true;
}

// Every box is designed for Liberation Sans's widths, which Arial shares.
void CaptionFitTest::captionsAreSetInTheDesignedFont() {
    QFETCH(bool, bold);
    const QFontInfo font(platform::MsSansSerif(9.75, bold));
    QVERIFY2(QStringList({"Liberation Sans", "Arial"}).contains(font.family()),
             qPrintable(font.family()));
    QCOMPARE(font.bold(), bold);
}

void CaptionFitTest::boardCaptionsFit() {
    ocxZorvane board;
    board.lblRemark->setCaption(
        QStringLiteral("It's perfect in every way and leaves nothing to be desired\r\n"));
    verifyCaptionsFit(board);
}

void CaptionFitTest::aboutCaptionsFit() {
    frmAbout about;
    verifyCaptionsFit(about);
}

void CaptionFitTest::helpCaptionsFit() {
    frmHelp help;
    verifyCaptionsFit(help);
}

QTEST_MAIN(CaptionFitTest)
#include "tst_caption_fit.moc"
