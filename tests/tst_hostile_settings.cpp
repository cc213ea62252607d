#include "board/ocxZorvane.h"
#include "settings/eNew.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QByteArray kSavedTwo("[General]\nCard_Back=2\n");
const QByteArray kSavedThree("[General]\nCard_Back=3\n"); // what "&New Back" writes after it

bool isWholeBack(float back) {
    return back >= 0 && back <= 7 && back == static_cast<int>(back);
}

// Makes every write past a few bytes fail while it lives, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of killing us
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

QByteArray randomBytes(int count, quint32 seed) {
    QRandomGenerator generator(seed);
    QByteArray bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

} // namespace

class HostileSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithAValidBackAndNoMessage_data();
    void startsWithAValidBackAndNoMessage();
    void valuesOfEveryLength();
    void settingsFileIsADirectory();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void unreadableFile();
};

// start is the back the game must start with, or -1 where any whole back will do.
void HostileSettingsTest::startsWithAValidBackAndNoMessage_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("start");
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("no value") << QByteArray("[General]\nOther=1\n") << 0;
    QTest::newRow("empty value") << QByteArray("[General]\nCard_Back=\n") << 0;
    QTest::newRow("out of range") << QByteArray("[General]\nCard_Back=9\n") << 0;
    QTest::newRow("a list") << QByteArray("[General]\nCard_Back=1, 2\n") << 0;
    QTest::newRow("binary junk") << QByteArray("\x00\xff\x01[[[=\n\x80\x81", 9) << 0;
    QTest::newRow("binary junk in the section")
        << QByteArray("\0\0\0\xff\xfe[General\x00Card_Back=\x01", 24) << -1;
    QTest::newRow("random bytes") << randomBytes(4096, 7) << -1;
    QTest::newRow("random bytes after a good value") << kSavedTwo + randomBytes(4096, 11) << -1;
    QTest::newRow("1 MB value") << "[General]\nCard_Back=" + QByteArray(1 << 20, '7') + "\n" << -1;
    QTest::newRow("serialised variant")
        << QByteArray("[General]\nCard_Back=@Variant(\\0\\0)\n") << -1;
    QTest::newRow("section only") << QByteArray("[General") << -1;
}

void HostileSettingsTest::startsWithAValidBackAndNoMessage() {
    QFETCH(QByteArray, content);
    QFETCH(int, start);
    testing::ConfigHome config;
    testing::MessageBoxRecorder messages;
    config.writeSettingsFile(content);

    ocxZorvane board;
    QVERIFY(isWholeBack(board.state.sgBackIndex));
    if (start >= 0)
        QCOMPARE(board.state.sgBackIndex, static_cast<float>(start));
    board.cmdChange->click();
    const float chosen = board.state.sgBackIndex;
    QVERIFY(messages.calls.empty());
    if (start >= 0)
        QCOMPARE(eNew::GetRegValue(QStringLiteral("Software\\Zorvane\\PokerSetting"),
                                   QStringLiteral("Card_Back")),
                 QString::number(start + 1));
    // The next start finds the new back, whatever else the file held.
    ocxZorvane nextStart;
    QCOMPARE(nextStart.state.sgBackIndex, chosen);
}

void HostileSettingsTest::valuesOfEveryLength() {
    testing::ConfigHome config;
    for (int length = 0; length <= 300; ++length) {
        for (const QByteArray& value : {QByteArray(length, '5'), randomBytes(length, length)}) {
            config.writeSettingsFile("[General]\nCard_Back=" + value + "\n");
            ocxZorvane board;
            QVERIFY2(isWholeBack(board.state.sgBackIndex), qPrintable(QString::number(length)));
            if (value == "5")
                QCOMPARE(board.state.sgBackIndex, 5.0f);
        }
    }
}

void HostileSettingsTest::settingsFileIsADirectory() {
    testing::ConfigHome config;
    QVERIFY(QDir().mkpath(config.settingsFile()));
    testing::MessageBoxRecorder messages;
    ocxZorvane board;
    QCOMPARE(board.state.sgBackIndex, 0.0f);
    board.cmdChange->click();
    QCOMPARE(board.state.sgBackIndex, 1.0f);
    QVERIFY(QFileInfo(config.settingsFile()).isDir());
    QVERIFY(messages.calls.empty());
}

void HostileSettingsTest::failedWriteKeepsTheOldFile_data() {
    QTest::addColumn<int>("bytesWritable");
    QTest::newRow("none") << 0;
    QTest::newRow("a few") << 8;
    // The new text less its last byte: a truncated file would still look almost right.
    QTest::newRow("all but one") << static_cast<int>(kSavedThree.size()) - 1;
}

void HostileSettingsTest::failedWriteKeepsTheOldFile() {
    QFETCH(int, bytesWritable);
    testing::ConfigHome config;
    config.writeSettingsFile(kSavedTwo);
    ocxZorvane board;
    {
        FileSizeLimit limit(static_cast<rlim_t>(bytesWritable));
        board.cmdChange->click();
    }
    QCOMPARE(board.state.sgBackIndex, 3.0f); // used for the rest of the run
    QCOMPARE(config.readSettingsFile(), kSavedTwo);
    QCOMPARE(QDir(config.path() + "/Zorvane").entryList(QDir::Files),
             QStringList{"PokerSetting.conf"});

    board.cmdChange->click();
    QCOMPARE(config.readSettingsFile(), QByteArray("[General]\nCard_Back=4\n"));
}

void HostileSettingsTest::unreadableFile() {
    if (geteuid() == 0)
        QSKIP("root reads every file");
    testing::ConfigHome config;
    config.writeSettingsFile(kSavedTwo);
    QFile::setPermissions(config.settingsFile(), QFileDevice::Permissions());
    ocxZorvane board;
    QCOMPARE(board.state.sgBackIndex, 0.0f);
    board.cmdChange->click();
    QCOMPARE(board.state.sgBackIndex, 1.0f);
}

QTEST_MAIN(HostileSettingsTest)
#include "tst_hostile_settings.moc"
