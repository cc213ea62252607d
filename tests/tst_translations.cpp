// The game in every language it speaks: complete translations, texts that change where they
// should, fit their boxes and keep their access keys apart, and a program that follows the
// desktop's locale.
#include "board/BoardGeometry.h"
#include "board/Rules.h"
#include "board/Words.h"
#include "board/ocxZorvane.h"
#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "forms/frmZorvane.h"
#include "platform/Fonts.h"
#include "platform/Label.h"
#include "platform/Palette.h"
#include "platform/PictureBox.h"
#include "platform/Speech.h"
#include "platform/Translations.h"
#include "support/RiggedDeal.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <vector>

namespace {

// Every language the build puts into the program.
const QStringList kLanguages = QStringLiteral(ZORVANE_LANGUAGES).split(u',');
// The languages whose captions are measured: those the test machine has fonts for.
const QStringList kFittedLanguages = QStringLiteral(ZORVANE_FITTED_LANGUAGES).split(u',');
const QStringList kEnglishCaptions = {"&Prediction", "&New Back", "&Help", "&About"};
// Captions that are rightly the same word as in English.
const QStringList kSameAsEnglish = {"nl &Help"};

// The placeholders and the access-key marker, which a translation must keep.
QStringList markers(const QString& text) {
    QStringList found;
    auto matches = QRegularExpression(QStringLiteral("%n|%\\d|&(?!&)")).globalMatch(text);
    while (matches.hasNext())
        found << matches.next().captured();
    found.sort();
    return found;
}

// A row for each language the game speaks besides English.
void addLanguageRows() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

// Installs the language's translation; English for an empty one.
void speak(const QString& language) {
    platform::installTranslations(language.isEmpty() ? QStringList() : QStringList{language});
}

QStringList omens() {
    QStringList texts;
    for (int rank = 0; rank < cards::kRankCount; ++rank)
        texts << board::OmenText(rank);
    return texts;
}

QList<QPushButton*> buttonsOf(const frmZorvane& main) {
    const ocxZorvane& board = *main.board();
    return {board.cmdNew, board.cmdChange, board.cmdHelp, board.cmdAbout};
}

QStringList captionsOf(const QList<QPushButton*>& buttons) {
    QStringList captions;
    for (const QPushButton* button : buttons)
        captions << button->text();
    return captions;
}

bool inside(const QWidget* child, QRect area) {
    return area.contains(child->geometry());
}
bool inside(const QWidget* child, const QWidget* parent) {
    return inside(child, parent->rect());
}

// Every button's access key is there, and no two buttons of the window share one.
void verifyAccessKeys(const QWidget& window) {
    QStringList keys;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        QVERIFY2(!key.isEmpty(), qPrintable(button->text()));
        QVERIFY2(!keys.contains(key.toString()), qPrintable(button->text()));
        keys << key.toString();
    }
}

// What a language's texts must not hold, in the game and in its manual page.
struct TypographyRule {
    QStringList languages;
    QString pattern;
    const char* fault;
};
const QString kHanOrKana = QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]");
const std::vector<TypographyRule> kTypography = {
    {{"fr"}, "[ \\n][:;!?»]", "an ordinary space before : ; ! ? or », where a no-break one goes"},
    {{"fr"}, "«[ \\n]", "an ordinary space after «, where a no-break one goes"},
    {{"fr"}, "\\w[;!?»]", "no space before ; ! ? or »"},
    {{"fr"}, "\\b(Shift|Esc)\\b", "an English key name; French keyboards say Maj and Échap"},
    {{"ru"}, "(?<!\\w)[Оо] [аиоуыэАИОУЫЭ]", "'о' before a vowel, where Russian says 'об'"},
    {{"de"}, "„[^“”]*”", "„ closed with ”; German closes with “"},
    {kLanguages, "\"", "ASCII double quotes, where the language has its own"},
    {kLanguages, "(?<!\\w)'(?=[\\w%])", "an ASCII quote opening a quotation"},
    {{"zh_CN", "ja"}, kHanOrKana + "[,.:;!?]", "an ASCII mark after Chinese or Japanese text"},
    {{"zh_CN", "ja"}, "[。，：；！？、] ", "a space after a full-width mark"},
    {{"ja"},
     "(?<!%)\\d[ \\x{a0}]" + kHanOrKana + "|" + kHanOrKana + "[ \\x{a0}]\\d",
     "a space between a number and Japanese text"},
};

// Every translated text of a language's .ts file.
QStringList translationsOf(const QString& language) {
    QFile file(QStringLiteral(ZORVANE_SOURCE_DIR "/translations/zorvane_%1.ts").arg(language));
    QStringList texts;
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader ts(&file);
    while (!ts.atEnd())
        if (ts.readNext() == QXmlStreamReader::StartElement &&
            (ts.name() == u"translation" || ts.name() == u"numerusform"))
            texts << ts.readElementText(QXmlStreamReader::SkipChildElements);
    return texts;
}

// The sentences a screen reader hears as the game puts them together from several texts: the
// move that empties the last column, a new deal, a reading of two omens.
QStringList spokenSentences() {
    BoardState before;
    before.avDeck = testing::orderedDeck();
    board::LayOutDeck(before);
    before.sgColumnTop.fill(board::kEmptyPile);
    before.sgColumnTop[0] = 0;
    BoardState after = before;
    after.sgColumnTop[0] = board::kEmptyPile;
    return {board::MoveSentence(before, after),
            board::NewDealSentence(board::BoardDescription(before, board::Closing::None, {})),
            board::ReadingSentence({board::OmenText(0), board::OmenText(1)})};
}

// The characters of the texts that neither the caption font nor any font it falls back on
// has, which would show as empty boxes.
QString charactersWithoutGlyph(const QStringList& texts) {
    const QFontMetrics metrics(platform::CaptionFont());
    QString missing;
    for (const QString& text : texts)
        for (const char32_t c : text.toUcs4()) {
            const QString character = QString::fromUcs4(&c, 1);
            if (!QChar::isSpace(c) && !metrics.inFontUcs4(c) && !missing.contains(character))
                missing += character;
        }
    return missing;
}

// The words of a language's manual page: its text, without the markup, code and file names.
QString manualTextOf(const QString& language) {
    QFile file(QStringLiteral(ZORVANE_SOURCE_DIR "/dist/manual/index.%1.html").arg(language));
    QString text;
    if (!file.open(QIODevice::ReadOnly))
        return text;
    QXmlStreamReader page(&file);
    int inCode = 0;
    while (!page.atEnd()) {
        switch (page.readNext()) {
        case QXmlStreamReader::StartElement:
            inCode += page.name() == u"code" || page.name() == u"style";
            break;
        case QXmlStreamReader::EndElement:
            inCode -= page.name() == u"code" || page.name() == u"style";
            break;
        case QXmlStreamReader::Characters:
            if (inCode == 0)
                text += page.text();
            break;
        default:
            break;
        }
    }
    return page.hasError() ? QString() : text;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void sourcesAreComplete_data();
    void sourcesAreComplete();
    void typographyFollowsTheLanguage_data();
    void typographyFollowsTheLanguage();
    void gameSpeaksTheLanguage_data();
    void gameSpeaksTheLanguage();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void playsWithTheSystemsFonts_data();
    void playsWithTheSystemsFonts();
#ifdef ZORVANE_LOCALE_FROM_ENVIRONMENT
    void programFollowsTheLocale_data();
    void programFollowsTheLocale();
#endif
};

void TranslationsTest::cleanup() {
    platform::installTranslations({});
}

void TranslationsTest::sourcesAreComplete_data() {
    addLanguageRows();
}

// Every message is translated, nothing is left unfinished or obsolete, and each translation
// keeps its source's placeholders and access-key marker.
void TranslationsTest::sourcesAreComplete() {
    QFETCH(QString, language);
    QFile file(QStringLiteral(ZORVANE_SOURCE_DIR "/translations/zorvane_%1.ts").arg(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString source;
    int messages = 0;
    const auto verifyTranslation = [&](const QString& translation) {
        QVERIFY2(!translation.isEmpty(), qPrintable(source));
        QCOMPARE(markers(translation), markers(source));
    };
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == u"TS") {
            QCOMPARE(ts.attributes().value(QLatin1String("language")).toString(), language);
        } else if (ts.name() == u"source") {
            source = ts.readElementText();
        } else if (ts.name() == u"translation") {
            ++messages;
            QVERIFY2(ts.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(source));
            if (!source.contains(u"%n"))
                verifyTranslation(ts.readElementText());
        } else if (ts.name() == u"numerusform") {
            verifyTranslation(ts.readElementText());
        }
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(messages > 0);
}

void TranslationsTest::typographyFollowsTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("fault");
    for (const TypographyRule& rule : kTypography)
        for (const QString& language : rule.languages)
            QTest::newRow(qPrintable(language + u' ' + rule.pattern))
                << language << rule.pattern << QString::fromUtf8(rule.fault);
}

// Each language's own typography, in the game's texts, its spoken sentences and the manual page
// alike.
void TranslationsTest::typographyFollowsTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, pattern);
    QFETCH(QString, fault);
    const QRegularExpression forbidden(pattern, QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY2(forbidden.isValid(), qPrintable(forbidden.errorString()));
    const QString manual = manualTextOf(language);
    QVERIFY2(!manual.isEmpty(), "no manual page, or not well-formed");
    speak(language);
    const QStringList texts = translationsOf(language) << manual << spokenSentences();
    for (const QString& text : texts) {
        const QRegularExpressionMatch found = forbidden.match(text);
        if (found.hasMatch())
            QFAIL(qPrintable(QStringLiteral("%1: '%2' in '%3'")
                                 .arg(fault, found.captured(),
                                      text.mid(qMax(0, found.capturedStart() - 30), 70))));
    }
}

void TranslationsTest::gameSpeaksTheLanguage_data() {
    QTest::addColumn<QStringList>("desktop"); // the desktop's languages, most wanted first
    QTest::addColumn<QString>("language");    // what the game speaks; empty for English
    QTest::newRow("C") << QStringList() << QString();
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << QString();
    QTest::newRow("first one the game speaks") << QStringList{"cs-CZ", "fr-FR"} << "fr";
    QTest::newRow("Portuguese of Brazil") << QStringList{"pt-BR", "pt"} << "pt_BR";
    QTest::newRow("Chinese of China") << QLocale("zh_CN").uiLanguages() << "zh_CN";
    QTest::newRow("Chinese of Taiwan, not Simplified")
        << QLocale("zh_TW").uiLanguages() << QString();
    for (const QString& language : kLanguages)
        QTest::newRow(qPrintable(language)) << QStringList{language} << language;
}

// Under English the buttons and omens are the English texts, to the byte; in every other
// language each of them is translated, and the window's access keys stay apart.
void TranslationsTest::gameSpeaksTheLanguage() {
    QFETCH(QStringList, desktop);
    QFETCH(QString, language);
    const QStringList englishOmens = omens();
    QCOMPARE(platform::installTranslations(desktop), language);
    frmZorvane main;
    main.show();

    const QStringList captions = captionsOf(buttonsOf(main));
    if (language.isEmpty()) {
        QCOMPARE(captions, kEnglishCaptions);
        QCOMPARE(omens(), englishOmens);
    } else {
        for (qsizetype i = 0; i < captions.size(); ++i)
            if (!kSameAsEnglish.contains(language + u' ' + kEnglishCaptions[i]))
                QVERIFY2(captions[i] != kEnglishCaptions[i], qPrintable(captions[i]));
        const QStringList translated = omens();
        for (qsizetype rank = 0; rank < translated.size(); ++rank)
            QVERIFY2(translated[rank] != englishOmens[rank], qPrintable(translated[rank]));
    }
    verifyAccessKeys(main);
    verifyAccessKeys(frmAbout());
}

void TranslationsTest::textsFitTheirBoxes_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString& language : kFittedLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

// The buttons, Help's note and the board's omen lines do not grow with their texts; the
// labels that do must stay inside their windows.
void TranslationsTest::textsFitTheirBoxes() {
    QFETCH(QString, language);
    QCOMPARE(charactersWithoutGlyph(translationsOf(language)), QString());
    speak(language);
    frmZorvane main;
    main.show();
    ocxZorvane& board = *main.board();
    for (const QPushButton* button : buttonsOf(main))
        QVERIFY2(testing::captionFits(button), qPrintable(button->text()));
    QVERIFY2(inside(board.Label1, &board), qPrintable(board.Label1->Caption()));
    const int edge = board.picZorvane->borderWidth();
    const QRect client = board.picZorvane->rect().adjusted(edge, edge, -edge, -edge);
    for (const QString& omen : omens()) {
        board.lblRemark->setCaption(omen + QStringLiteral("\r\n"));
        QVERIFY2(inside(board.lblRemark, client), qPrintable(omen));
    }

    frmHelp help;
    help.Load();
    QVERIFY2(inside(help.Label1, &help), qPrintable(help.Label1->Caption()));
    QVERIFY2(inside(help.lblHelp, &help), qPrintable(help.lblHelp->Caption()));
    const QString note = help.Label2->Caption().trimmed();
    QVERIFY2(help.Label2->fontMetrics().horizontalAdvance(note) <= help.Label2->width(),
             qPrintable(note));

    frmAbout about;
    about.Load();
    for (const platform::Label* label :
         {about.lblSoftwareVersion, about.lblSoftwareAuther, about.lblNote, about.lblWebPage})
        QVERIFY2(inside(label, &about), qPrintable(label->Caption()));
    QVERIFY(about.lblNote->geometry().right() < about.lblWebPage->x());
}

void TranslationsTest::playsWithTheSystemsFonts_data() {
    addLanguageRows();
}

// The game starts, paints and plays in every language whatever fonts the system has for its
// script. Run with only the fonts the package depends on, Japanese finds none of its letters,
// and the captions still keep their designed font.
void TranslationsTest::playsWithTheSystemsFonts() {
    QFETCH(QString, language);
    speak(language);
    testing::MessageBoxRecorder boxes;
    frmZorvane main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    ocxZorvane& board = *main.board();
    const float stockTop = board.state.sgStockTop;

    QTest::keyClick(board.picZorvane, Qt::Key_Space);

    QCOMPARE(board.state.sgStockTop, stockTop - 1);
    const QString said = platform::LastAnnouncement(board.picZorvane);
    QVERIFY2(said.contains(board::CardCount(25)), qPrintable(said));
    QVERIFY(!main.grab().isNull());
    QVERIFY(boxes.calls.empty());
    const QString family = QFontInfo(board.cmdNew->font()).family();
    QVERIFY2(family == u"Liberation Sans" || family == u"Arial", qPrintable(family));
}

// LANG, LANGUAGE and LC_ALL choose the language where the desktop sets them; Windows takes its
// display language instead.
#ifdef ZORVANE_LOCALE_FROM_ENVIRONMENT
void TranslationsTest::programFollowsTheLocale_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("language");
    QTest::newRow("C") << QStringList{"LANG=C.UTF-8"} << QString();
    QTest::newRow("POSIX") << QStringList{"LANG=POSIX"} << QString();
    QTest::newRow("English") << QStringList{"LANG=en_US.UTF-8"} << QString();
    QTest::newRow("C whatever LANGUAGE says") << QStringList{"LANG=C", "LANGUAGE=de"} << QString();
    QTest::newRow("LANGUAGE before LANG")
        << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=en:de"} << QString();
    QTest::newRow("LC_ALL before LANG") << QStringList{"LANG=C", "LC_ALL=ru_RU.UTF-8"} << "ru";
    for (const QString& language : kLanguages) // de_DE, pt_BR, uk_UA, ...
        QTest::newRow(qPrintable(language))
            << QStringList{QStringLiteral("LANG=%1.UTF-8").arg(QLocale(language).name())}
            << language;
}

// The program itself picks the language from the environment a desktop session gives it.
void TranslationsTest::programFollowsTheLocale() {
    QFETCH(QStringList, environment);
    QFETCH(QString, language);
    speak(language);
    const QString description = QCoreApplication::translate(
        "CommandLine", "A card-divination patience game: play out the deal and read the omens.");

    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    const QRegularExpression localeVariable(QStringLiteral("\\A(LANG|LANGUAGE|LC_[A-Z]+)\\z"));
    for (const QString& name : variables.keys())
        if (localeVariable.match(name).hasMatch())
            variables.remove(name);
    for (const QString& setting : environment)
        variables.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess game;
    game.setProcessEnvironment(variables);
    game.start(QStringLiteral(ZORVANE_EXECUTABLE), {QStringLiteral("--help")});
    QVERIFY(game.waitForFinished());
    const QString out = QString::fromUtf8(game.readAllStandardOutput());
    QVERIFY2(out.contains(description), qPrintable(out));
}
#endif

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
