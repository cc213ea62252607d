// Starts the game natively under Wayland, in a headless compositor, and looks at what the
// compositor shows.
#include "cards/CardGeometry.h"
#include "cards/Sheets.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

namespace {

const QString kSocket = QStringLiteral("zorvane-test");

// Weston 12 renamed the headless backend and replaced --use-pixman with --renderer.
QStringList headlessPixmanOptions(const QString& weston) {
    QProcess version;
    version.start(weston, {QStringLiteral("--version")});
    version.waitForFinished();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("weston (\\d+)\\."))
            .match(QString::fromLatin1(version.readAllStandardOutput()));
    if (match.hasMatch() && match.captured(1).toInt() >= 12)
        return {QStringLiteral("--backend=headless"), QStringLiteral("--renderer=pixman")};
    return {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman")};
}

// Whether the image holds the needle, pixel for pixel, anywhere.
bool contains(const QImage& image, const QImage& needle) {
    const QImage haystack = image.convertToFormat(QImage::Format_RGB32);
    const QImage part = needle.convertToFormat(QImage::Format_RGB32);
    const std::size_t rowBytes = static_cast<std::size_t>(part.width()) * 4;
    auto matchesAt = [&](int x, int y) {
        for (int row = 0; row < part.height(); ++row)
            if (std::memcmp(haystack.constScanLine(y + row) + x * 4, part.constScanLine(row),
                            rowBytes) != 0)
                return false;
        return true;
    };
    for (int y = 0; y + part.height() <= haystack.height(); ++y)
        for (int x = 0; x + part.width() <= haystack.width(); ++x)
            if (matchesAt(x, y))
                return true;
    return false;
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheBoardUnderWayland();

private:
    QTemporaryDir runtime_; // the compositor's socket
    QTemporaryDir config_;  // no setting: the first back
    QTemporaryDir shots_;   // the screenshots
    QProcess compositor_;
    QProcess game_;
    QImage screenshot();
};

// The compositor writes a new file into its working folder on every shot.
QImage WaylandTest::screenshot() {
    QProcess shooter;
    shooter.setProcessEnvironment(game_.processEnvironment());
    shooter.setWorkingDirectory(shots_.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    shooter.waitForFinished();
    QImage image;
    QDir shots(shots_.path());
    for (const QString& name : shots.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        image.load(shots.filePath(name));
        shots.remove(name);
    }
    return image;
}

void WaylandTest::showsTheBoardUnderWayland() {
    const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
    if (weston.isEmpty())
        QSKIP("weston is not installed");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), kSocket);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    compositor_.setProcessEnvironment(environment);
    compositor_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // --debug lets the screenshooter in.
    compositor_.start(weston,
                      headlessPixmanOptions(weston) +
                          QStringList{QStringLiteral("--debug"), QStringLiteral("--idle-time=0"),
                                      QStringLiteral("--socket=") + kSocket});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QDir(runtime_.path()).filePath(kSocket)), 20000);

    game_.setProcessEnvironment(environment);
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    game_.start(QStringLiteral(ZORVANE_EXECUTABLE), {});
    QVERIFY(game_.waitForStarted());

    // The stock's top card, face down, shows the first back whole.
    const QImage back = cards::BackSheet().copy(0, 0, cards::kCardWidth, cards::kCardHeight);
    QTRY_VERIFY_WITH_TIMEOUT(contains(screenshot(), back), 30000);
    QTest::qWait(1000);
    QCOMPARE(game_.state(), QProcess::Running);

    game_.terminate();
    QVERIFY(game_.waitForFinished());
    compositor_.terminate();
    QVERIFY(compositor_.waitForFinished());
}

QTEST_GUILESS_MAIN(WaylandTest)
#include "tst_wayland.moc"
