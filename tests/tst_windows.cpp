#include "board/ocxZorvane.h"
#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "forms/frmZorvane.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QString kNotice = QStringLiteral("Copyright (C) 2026 The Zorvane developers");
// The build's home page (ZORVANE_HOME_PAGE), which a packager may set.
const QString kHomePage = QStringLiteral(ZORVANE_HOME_PAGE);

// The outer width the layout is checked with: the designed client width and a 6-pixel frame.
constexpr float kOuterWidth = 5400;
constexpr int kOuterPixels = 360;

// Clicks the button, which opens a modal window, and runs `whileOpen` on that window from the
// window's own event loop before closing it, so no test waits on a person.
template <typename Window>
void clickAndInspect(QPushButton* button, const std::function<void(Window*)>& whileOpen) {
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* window = qobject_cast<Window*>(modal)) {
            whileOpen(window);
            inspected = true;
        }
        if (modal)
            modal->close();
    });
    button->click();
    QVERIFY(inspected);
}

// Everything the About layout decides.
QList<QRect> layoutOf(const frmAbout* about) {
    return {about->picMark->geometry(),
            about->lblSoftwareVersion->geometry(),
            about->lblSoftwareAuther->geometry(),
            about->lblNote->geometry(),
            about->lblWebPage->geometry(),
            about->cmdOK->geometry(),
            QRect(QPoint(int(about->Line1.X1), int(about->Line1.Y1)),
                  QPoint(int(about->Line1.X2), int(about->Line1.Y2))),
            QRect(QPoint(int(about->Line2.X1), int(about->Line2.Y1)),
                  QPoint(int(about->Line2.X2), int(about->Line2.Y2)))};
}

// Twice the distance of a control's centre from the centre of the outer width.
int offCentre(int left, int width) {
    return 2 * left + width - kOuterPixels;
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void aboutTexts();
    void aboutLayout_data();
    void aboutLayout();
    void aboutOpensModallyWithTheSameLayoutEveryTime();
    void helpOpensModallyAtItsDesignedSizeEveryTime();

private:
    testing::ConfigHome config_;
};

void WindowsTest::aboutTexts() {
    frmAbout about;
    QCOMPARE(about.OuterWidth(), kOuterWidth); // not framed yet: the design frame stands in
    about.Load();
    QCOMPARE(about.windowTitle(), QStringLiteral("About Zorvane 1.2"));
    QCOMPARE(about.lblSoftwareVersion->Caption(), QStringLiteral("Zorvane 1.2"));
    QCOMPARE(about.lblSoftwareAuther->Caption(), kNotice);
    QCOMPARE(about.lblNote->Caption(), QStringLiteral("You can visit web page : "));
    QCOMPARE(about.lblWebPage->Caption(), kHomePage);
    QCOMPARE(about.cmdOK->text(), QStringLiteral("&OK"));
    QCOMPARE(about.size(), QSize(354, 246));
    QCOMPARE(about.picMark->size(), QSize(34, 34));
    QCOMPARE(about.picMark->pixmap().size(), QSize(32, 32));
}

void WindowsTest::aboutLayout_data() {
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("tooWide");
    QTest::newRow("as shipped") << kNotice << kHomePage << false;
    QTest::newRow("too wide")
        << QStringLiteral("Copyright (C) 2026 The Zorvane developers and very many friends")
        << QStringLiteral("https://www.a-very-long-host-name-for-the-zorvane-home-page.example/")
        << true;
}

void WindowsTest::aboutLayout() {
    QFETCH(QString, notice);
    QFETCH(QString, address);
    QFETCH(bool, tooWide);
    frmAbout about;
    about.Load();
    about.lblSoftwareAuther->setCaption(notice);
    about.lblWebPage->setCaption(address);
    about.CentreOn(kOuterWidth);
    const QRect version = about.lblSoftwareVersion->geometry();
    const QRect notes = about.lblSoftwareAuther->geometry();
    const QRect note = about.lblNote->geometry();
    const QRect link = about.lblWebPage->geometry();

    // Centred on the outer width: 3 pixels right of the client area's centre.
    QCOMPARE(about.cmdOK->geometry(), QRect(138, 208, 84, 25));
    QCOMPARE(about.picMark->geometry(), QRect(163, 16, 34, 34));
    QVERIFY(qAbs(offCentre(version.x(), version.width())) <= 1);
    QVERIFY(qAbs(offCentre(notes.x(), notes.width())) <= 1);
    // The note and the address as one centred line with a 16-pixel gap.
    QCOMPARE(link.x(), note.x() + note.width() + 16);
    QVERIFY(qAbs(offCentre(note.x(), link.x() + link.width() - note.x())) <= 1);
    // Nothing wraps: a line wider than the window starts left of it.
    QCOMPARE(notes.x() < 0, tooWide);
    QCOMPARE(note.x() < 0, tooWide);
    // Lines run from 360 twips inside the left edge to 270 inside the right.
    QCOMPARE(about.Line1.X2, 5040.0f);
    QCOMPARE(about.Line2.X2, 5040.0f);
    QCOMPARE(about.Line1.Y1, 2145.0f);
    QCOMPARE(about.Line2.Y1, 2160.0f);
    // Only Left values change.
    QCOMPARE(version.y(), 72);
    QCOMPARE(notes.y(), 104);
    QCOMPARE(note.y(), 168);
    QCOMPARE(link.y(), 168);
}

void WindowsTest::aboutOpensModallyWithTheSameLayoutEveryTime() {
    frmZorvane main;
    main.show();
    QList<QRect> first;
    clickAndInspect<frmAbout>(main.board()->cmdAbout, [&](frmAbout* about) {
        QCOMPARE(about->focusWidget(), about->cmdOK);
        // Centred on the outer width that the window system reports.
        const int outer = int(about->OuterWidth()) / 15;
        QVERIFY(outer > about->width());
        QVERIFY(qAbs(2 * about->cmdOK->x() + about->cmdOK->width() - outer) <= 1);
        first = layoutOf(about);
        // Leave the window in disorder: the next opening must not keep any of it.
        about->cmdOK->move(0, 0);
        about->lblWebPage->setCaption(QStringLiteral("x"));
        about->Line1.X2 = 0;
    });
    frmAbout* const opened = main.aboutWindow();
    clickAndInspect<frmAbout>(main.board()->cmdAbout, [&](frmAbout* about) {
        QCOMPARE(about, opened);
        QCOMPARE(layoutOf(about), first);
        QCOMPARE(about->lblWebPage->Caption(), kHomePage);
    });
    QVERIFY(main.board()->cmdAbout->isEnabled());
}

void WindowsTest::helpOpensModallyAtItsDesignedSizeEveryTime() {
    frmZorvane main;
    main.show();
    clickAndInspect<frmHelp>(main.board()->cmdHelp, [](frmHelp* help) {
        QCOMPARE(help->windowTitle(), QStringLiteral("Zorvane Online Help"));
        QCOMPARE(help->size(), QSize(484, 268));
        QCOMPARE(help->Label1->Caption(), QStringLiteral("Zorvane Help"));
        QCOMPARE(help->lblHelp->Caption(), QStringLiteral("Open Online Help"));
        QVERIFY(help->Label2->Caption().endsWith(QLatin1String("files.\r\n")));
        // Resizing moves nothing and the note keeps its fixed size.
        help->resize(700, 500);
        QCOMPARE(help->Label1->pos(), QPoint(88, 48));
        QCOMPARE(help->lblHelp->pos(), QPoint(136, 112));
        QCOMPARE(help->Label2->geometry(), QRect(48, 176, 393, 25));
    });
    frmHelp* const opened = main.helpWindow();
    clickAndInspect<frmHelp>(main.board()->cmdHelp, [&](frmHelp* help) {
        QCOMPARE(help, opened);
        QCOMPARE(help->size(), QSize(484, 268));
    });
    QVERIFY(main.board()->cmdHelp->isEnabled());
}

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
