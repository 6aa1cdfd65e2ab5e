#include "MainWindow.h"
#include "ProductIdentity.h"
#include "PronunciationDictionary.h"
#include "TranscriptionDocument.h"
#include "UpdateDialog.h"
#include "UpdaterState.h"
#include "winsparkle.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>

namespace {

const QString americanFile = QStringLiteral("data/american_transcription-abridged.txt");
const QString britishFile = QStringLiteral("data/lexora_eng_transcription.txt");

// Two small dictionaries that tell the varieties apart by "tomato".
const QByteArray americanWords = "1\tit's\t'Its\n1\tlate\tl'eIt\n1\tone\tw'An\n1\ttwo\tt'H\n"
                                 "1\tthree\tTr'J\n1\tfour\tf'L\n1\ttomato\ttqm'eItqu\n";
const QByteArray britishWords = "1\tit's\t'Its\n1\tlate\tl'eIt\n1\ttomato\ttqm'Rtqu\n";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QSettings store()
{
    return QSettings(QStringLiteral("Brightfern"), QStringLiteral("Kestrano"));
}

// What a modal dialog opened by some action showed; the dialog is closed as
// soon as it appears so that the test goes on.
struct ModalSeen
{
    QString className;
    QString title;
    QString text;
    QString informativeText;
    bool hasParent = false;
    bool printSelectionOffered = false;
};

ModalSeen runClosingModal(const std::function<void()>& action)
{
    ModalSeen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            return;
        }
        seen.className = QString::fromLatin1(modal->metaObject()->className());
        seen.title = modal->windowTitle();
        seen.hasParent = modal->parentWidget() != nullptr;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
            seen.informativeText = box->informativeText();
        }
        if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
            seen.printSelectionOffered = print->testOption(QAbstractPrintDialog::PrintSelection);
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    });
    poll.start();
    action();
    QTest::qWait(30);
    return seen;
}

QStringList originalsIn(const QString& document)
{
    static const QRegularExpression original(
        QStringLiteral("<span class=\"original\">(.*?)</span>"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList texts;
    for (auto match = original.globalMatch(document); match.hasNext();) {
        texts << match.next().captured(1);
    }
    return texts;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

public slots:
    void receiveUrl(const QUrl& url) { openedUrls << url; }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    // Start-up state and options
    void everyObjectIsNamed_data();
    void everyObjectIsNamed();
    void formHasItsMenusToolbarAndShortcuts();
    void firstRunDefaults();
    void languageVariantNeedsExactSpelling_data();
    void languageVariantNeedsExactSpelling();
    void optionsSurviveARestart_data();
    void optionsSurviveARestart();
    void languageChangeReappliesTexts();
    void updaterLivesAsLongAsTheWindow();

    // Transcribe
    void transcribeCutsSentences_data();
    void transcribeCutsSentences();
    void transcribeFollowsTheOptions_data();
    void transcribeFollowsTheOptions();
    void typographicApostropheIsPlain();
    void transcribeReadsTheSelectedVariety();
    void unreadableDictionaryIsReported();

    // Symbol keyboard
    void symbolButtonsInsertTheirText_data();
    void symbolButtonsInsertTheirText();
    void symbolGoesToOutputWhateverHasFocus();
    void symbolReplacesSelectionAndRefreshesHtml();

    // Format commands
    void boldTakesWordUnderCaretAndNextTyping();
    void rightToLeftSelectionFollowsCharacterBefore();
    void togglesReadTheCharacterBefore_data();
    void togglesReadTheCharacterBefore();
    void sizeSteps_data();
    void sizeSteps();
    void pixelSizedFontReadsMinusOne();
    void everyCommandRefreshesHtmlTab_data();
    void everyCommandRefreshesHtmlTab();
    void zoomChangesViewNotDocument();

    // Speech, printing and Help
    void speakAsksForSelectionThenRemembersIt();
    void printOffersSelectionOnlyWhenThereIsOne();
    void previewOpens();
    void helpCommands();

private:
    template <typename T> T* child(MainWindow& window, const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    void setOutput(MainWindow& window, const QString& text, int position, int anchor = -1);

    QTemporaryDir workDir;
    QString originalDir;
    QList<QUrl> openedUrls;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(workDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, workDir.filePath("settings"));
    originalDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    QVERIFY(QDir().mkpath("data"));
}

void TestMainWindow::init()
{
    // The window must set its identity itself before it reads the store.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("TestMainWindow"));
    QSettings settings = store();
    settings.clear();
    settings.sync();
    writeFile(americanFile, americanWords);
    writeFile(britishFile, britishWords);
}

void TestMainWindow::cleanupTestCase()
{
    QDir::setCurrent(originalDir);
}

void TestMainWindow::setOutput(MainWindow& window, const QString& text, int position, int anchor)
{
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    textEdit->setPlainText(text);
    QTextCursor cursor = textEdit->textCursor();
    cursor.setPosition(anchor < 0 ? position : anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    textEdit->setTextCursor(cursor);
}

void TestMainWindow::everyObjectIsNamed_data()
{
    QTest::addColumn<QString>("className");
    const char* const names[][2] = {
        {"actionGo_to_Kestrano_website", "QAction"},
        {"actionAbout", "QAction"},
        {"actionBold", "QAction"},
        {"actionItalic", "QAction"},
        {"actionUnderline", "QAction"},
        {"actionBigger", "QAction"},
        {"actionSmaller", "QAction"},
        {"actionZoom_In", "QAction"},
        {"actionZoom_Out", "QAction"},
        {"actionPrint", "QAction"},
        {"actionPrintPreview", "QAction"},
        {"actionSpeak", "QAction"},
        {"actionStop_Speaking", "QAction"},
        {"actionCheck_for_updates", "QAction"},
        {"centralWidget", "QWidget"},
        {"gridLayout", "QGridLayout"},
        {"verticalLayout", "QVBoxLayout"},
        {"splitter", "QSplitter"},
        {"plainTextEdit", "QPlainTextEdit"},
        {"layoutWidget", "QWidget"},
        {"horizontalLayout", "QHBoxLayout"},
        {"tabWidget", "QTabWidget"},
        {"tab", "QWidget"},
        {"gridLayout_2", "QGridLayout"},
        {"horizontalLayout_3", "QHBoxLayout"},
        {"textEdit", "MyTextEdit"},
        {"tab_2", "QWidget"},
        {"gridLayout_3", "QGridLayout"},
        {"plainTextEdit_2", "MyPlainTextEdit"},
        {"horizontalLayout_2", "QHBoxLayout"},
        {"verticalLayout_3", "QVBoxLayout"},
        {"horizontalLayout_9", "QHBoxLayout"},
        {"chkIncludeText", "QCheckBox"},
        {"horizontalLayout_8", "QHBoxLayout"},
        {"rdbBritish", "QRadioButton"},
        {"rdbAmerican", "QRadioButton"},
        {"chkTransliterate", "QCheckBox"},
        {"btnPhonetize", "QPushButton"},
        {"horizontalLayout_4", "QHBoxLayout"},
        {"verticalLayout_2", "QVBoxLayout"},
        {"menuBar", "QMenuBar"},
        {"menuFile", "QMenu"},
        {"menuFormat", "QMenu"},
        {"menuHelp", "QMenu"},
        {"statusBar", "QStatusBar"},
        {"mainToolBar", "QToolBar"},
    };
    for (const auto& [name, className] : names) {
        QTest::newRow(name) << QString::fromLatin1(className);
    }
    for (int i = 1; i <= 28; ++i) {
        const QByteArray name = "btnPhoneticSymbol_" + QByteArray::number(i);
        QTest::newRow(name.constData()) << QStringLiteral("QPushButton");
    }
}

void TestMainWindow::everyObjectIsNamed()
{
    MainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    const auto matches =
        window.findChildren<QObject*>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(matches.size(), 1);
    QFETCH(QString, className);
    QCOMPARE(QString::fromLatin1(matches.first()->metaObject()->className()), className);
}

void TestMainWindow::formHasItsMenusToolbarAndShortcuts()
{
    MainWindow window;
    QCOMPARE(window.size(), QSize(993, 605));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kestrano"));

    const auto texts = [](const QList<QAction*>& actions) {
        QStringList result;
        for (const QAction* action : actions) {
            result << (action->isSeparator() ? QStringLiteral("|") : action->text());
        }
        return result;
    };
    QCOMPARE(texts(child<QMenuBar>(window, "menuBar")->actions()),
             QStringList({"File", "Format", "Help"}));
    QCOMPARE(texts(child<QMenu>(window, "menuFile")->actions()),
             QStringList({"&Print...", "Print pre&view..."}));
    QCOMPARE(texts(child<QMenu>(window, "menuFormat")->actions()),
             QStringList({"Bold", "Italic", "Underline", "|", "Bigger", "Smaller", "|", "Zoom In",
                          "Zoom Out"}));
    QCOMPARE(texts(child<QMenu>(window, "menuHelp")->actions()),
             QStringList({"Check for updates...", "Go to Kestrano website", "About"}));

    auto* toolBar = child<QToolBar>(window, "mainToolBar");
    QCOMPARE(texts(toolBar->actions()), QStringList({"Speak", "Stop speaking"}));
    QVERIFY(!toolBar->isMovable());
    QVERIFY(!toolBar->isFloatable());
    QCOMPARE(window.toolBarArea(toolBar), Qt::TopToolBarArea);
    for (const QAction* action : toolBar->actions()) {
        QCOMPARE(action->icon().pixmap(24, 24).size(), QSize(24, 24)); // compiled in
    }

    const std::pair<const char*, const char*> shortcuts[] = {
        {"actionBold", "Ctrl+B"},   {"actionItalic", "Ctrl+I"},  {"actionUnderline", "Ctrl+U"},
        {"actionBigger", "Ctrl++"}, {"actionSmaller", "Ctrl+-"}, {"actionZoom_In", ""},
        {"actionPrint", ""},        {"actionSpeak", ""},
    };
    for (const auto& [name, keys] : shortcuts) {
        QCOMPARE(child<QAction>(window, name)->shortcut(), QKeySequence(QString::fromLatin1(keys)));
    }

    // The column: spacer, symbols 1-18, the two stress marks, spacer.
    auto* column = child<QVBoxLayout>(window, "verticalLayout_2");
    QCOMPARE(column->count(), 22);
    QCOMPARE(column->spacing(), 0);
    QVERIFY(column->itemAt(0)->spacerItem());
    QCOMPARE(column->itemAt(18)->widget(), child<QWidget>(window, "btnPhoneticSymbol_18"));
    QCOMPARE(column->itemAt(19)->widget(), child<QWidget>(window, "btnPhoneticSymbol_27"));
    QCOMPARE(column->itemAt(20)->widget(), child<QWidget>(window, "btnPhoneticSymbol_28"));
    QVERIFY(column->itemAt(21)->spacerItem());
    auto* row = child<QHBoxLayout>(window, "horizontalLayout_4");
    QCOMPARE(row->itemAt(0)->widget(), child<QWidget>(window, "btnPhoneticSymbol_19"));
    QCOMPARE(row->itemAt(7)->widget(), child<QWidget>(window, "btnPhoneticSymbol_26"));
    QVERIFY(row->itemAt(8)->spacerItem());
}

void TestMainWindow::firstRunDefaults()
{
    MainWindow window;
    QVERIFY(child<QRadioButton>(window, "rdbAmerican")->isChecked());
    QVERIFY(!child<QRadioButton>(window, "rdbBritish")->isChecked());
    QVERIFY(child<QCheckBox>(window, "chkIncludeText")->isChecked());
    QVERIFY(!child<QCheckBox>(window, "chkTransliterate")->isChecked());
    QCOMPARE(child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText(),
             QStringLiteral("Enter your text here."));
    QCOMPARE(child<QTabWidget>(window, "tabWidget")->currentIndex(), 0);
    QVERIFY(child<QTextEdit>(window, "textEdit")->toPlainText().isEmpty());
}

void TestMainWindow::languageVariantNeedsExactSpelling_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("british");
    QTest::newRow("British") << "British" << true;
    QTest::newRow("American") << "American" << false;
    QTest::newRow("british") << "british" << false;
    QTest::newRow("american") << "american" << false;
    QTest::newRow("BRITISH") << "BRITISH" << false;
}

void TestMainWindow::languageVariantNeedsExactSpelling()
{
    QFETCH(QString, stored);
    QFETCH(bool, british);
    store().setValue("language_variant", stored);
    MainWindow window;
    QCOMPARE(child<QRadioButton>(window, "rdbBritish")->isChecked(), british);
    QCOMPARE(child<QRadioButton>(window, "rdbAmerican")->isChecked(), !british);
}

void TestMainWindow::optionsSurviveARestart_data()
{
    QTest::addColumn<bool>("british");
    QTest::addColumn<bool>("includeText");
    QTest::addColumn<bool>("transliterate");
    QTest::newRow("British") << true << true << false;
    QTest::newRow("no original text") << false << false << false;
    QTest::newRow("Cyrillic, British, no original") << true << false << true;
}

void TestMainWindow::optionsSurviveARestart()
{
    QFETCH(bool, british);
    QFETCH(bool, includeText);
    QFETCH(bool, transliterate);
    {
        MainWindow window;
        window.show();
        child<QRadioButton>(window, british ? "rdbBritish" : "rdbAmerican")->setChecked(true);
        child<QCheckBox>(window, "chkIncludeText")->setChecked(includeText);
        child<QCheckBox>(window, "chkTransliterate")->setChecked(transliterate);
        child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText("typed last time");
        QVERIFY(window.close());
    }
    QSettings settings = store();
    QCOMPARE(settings.value("language_variant").toString(), british ? "British" : "American");
    QCOMPARE(settings.value("include_original_text").toBool(), includeText);
    QCOMPARE(settings.value("with_transliteration").toBool(), transliterate);

    MainWindow window;
    QCOMPARE(child<QRadioButton>(window, "rdbBritish")->isChecked(), british);
    QCOMPARE(child<QCheckBox>(window, "chkIncludeText")->isChecked(), includeText);
    QCOMPARE(child<QCheckBox>(window, "chkTransliterate")->isChecked(), transliterate);
    QCOMPARE(child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText(),
             QStringLiteral("Enter your text here."));
}

void TestMainWindow::languageChangeReappliesTexts()
{
    MainWindow window;
    auto* tabs = child<QTabWidget>(window, "tabWidget");
    auto* symbol = child<QPushButton>(window, "btnPhoneticSymbol_26");
    auto* bold = child<QAction>(window, "actionBold");
    tabs->setTabText(1, "x");
    symbol->setText("x");
    bold->setShortcut(QKeySequence());
    window.setWindowTitle("x");

    QEvent other(QEvent::FontChange);
    QCoreApplication::sendEvent(&window, &other);
    QCOMPARE(symbol->text(), QStringLiteral("x"));

    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&window, &languageChange);
    QCOMPARE(tabs->tabText(1), QStringLiteral("HTML"));
    QCOMPARE(symbol->text(), QStringLiteral("\u028A\u0259"));
    QCOMPARE(bold->shortcut(), QKeySequence("Ctrl+B"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Kestrano"));
}

void TestMainWindow::updaterLivesAsLongAsTheWindow()
{
    {
        MainWindow window;
        const auto state = kestrano::updater::updaterState();
        QCOMPARE(QString::fromStdString(state.appcastUrl),
                 QString::fromLatin1(kestrano::product::updateFeedUrl));
        QVERIFY(state.initialized);
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Brightfern"));
        QCOMPARE(QCoreApplication::organizationDomain(),
                 QString::fromLatin1(kestrano::product::organizationDomain));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kestrano"));
    }
    QVERIFY(!kestrano::updater::updaterState().initialized);
}

void TestMainWindow::transcribeCutsSentences_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("originals");
    QTest::newRow("marks") << "One. Two? Three! Four"
                           << QStringList{"One.", "Two?", "Three!", "Four"};
    QTest::newRow("line feed") << "One\nTwo" << QStringList{"One", "Two"};
    QTest::newRow("empty line") << "One\n\nTwo" << QStringList{"One", "", "Two"};
    QTest::newRow("trailing space") << "One. " << QStringList{"One.", ""};
    QTest::newRow("empty input") << "" << QStringList{""};
}

void TestMainWindow::transcribeCutsSentences()
{
    QFETCH(QString, input);
    QFETCH(QStringList, originals);
    MainWindow window;
    child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText(input);
    QTest::mouseClick(child<QPushButton>(window, "btnPhonetize"), Qt::LeftButton);

    const QString html = child<QPlainTextEdit>(window, "plainTextEdit_2")->toPlainText();
    QCOMPARE(originalsIn(html), originals);
    QCOMPARE(html.count(QStringLiteral("<p>")), originals.size());
    QCOMPARE(child<QTextEdit>(window, "textEdit")->document()->blockCount(), originals.size());
    QCOMPARE(child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText(), input);
}

void TestMainWindow::transcribeFollowsTheOptions_data()
{
    QTest::addColumn<bool>("includeText");
    QTest::addColumn<bool>("transliterate");
    QTest::newRow("original and IPA") << true << false;
    QTest::newRow("both off") << false << false;
    QTest::newRow("Cyrillic") << true << true;
}

void TestMainWindow::transcribeFollowsTheOptions()
{
    QFETCH(bool, includeText);
    QFETCH(bool, transliterate);
    const QString input = QStringLiteral("One tomato.\nTwo");
    MainWindow window;
    child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText(input);
    child<QCheckBox>(window, "chkIncludeText")->setChecked(includeText);
    child<QCheckBox>(window, "chkTransliterate")->setChecked(transliterate);
    child<QPushButton>(window, "btnPhonetize")->click();

    const QString html = child<QPlainTextEdit>(window, "plainTextEdit_2")->toPlainText();
    QVERIFY(kestrano::loadDictionary(americanFile.toStdString()));
    QCOMPARE(html, composeTranscriptionDocument(input, {includeText, transliterate}));
    QCOMPARE(html.contains(QStringLiteral("class=\"original\"")), includeText);
    QCOMPARE(html.contains(QStringLiteral("/w\u02C8\u028Cn t\u0259m\u02C8e\u026At\u0259\u028A/")),
             !transliterate);
    QCOMPARE(html.count(QStringLiteral("<span class=\"transcr\">")), 2);
    QTextEdit rendered;
    rendered.setHtml(html);
    QCOMPARE(child<QTextEdit>(window, "textEdit")->toHtml(), rendered.toHtml());
    // The command reads the options and changes none of them.
    QCOMPARE(child<QCheckBox>(window, "chkIncludeText")->isChecked(), includeText);
    QCOMPARE(child<QCheckBox>(window, "chkTransliterate")->isChecked(), transliterate);
}

void TestMainWindow::typographicApostropheIsPlain()
{
    MainWindow window;
    auto* input = child<QPlainTextEdit>(window, "plainTextEdit");
    auto* html = child<QPlainTextEdit>(window, "plainTextEdit_2");
    input->setPlainText(QStringLiteral("It\u2019s late"));
    child<QPushButton>(window, "btnPhonetize")->click();
    const QString typographic = html->toPlainText();
    input->setPlainText(QStringLiteral("It's late"));
    child<QPushButton>(window, "btnPhonetize")->click();
    QCOMPARE(typographic, html->toPlainText());
    QCOMPARE(originalsIn(typographic), QStringList{"It's late"});
    QVERIFY(typographic.contains(QStringLiteral("/\u02C8\u026Ats l\u02C8e\u026At/")));
}

void TestMainWindow::transcribeReadsTheSelectedVariety()
{
    MainWindow window;
    child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText("One tomato");
    auto* html = child<QPlainTextEdit>(window, "plainTextEdit_2");

    child<QRadioButton>(window, "rdbBritish")->setChecked(true);
    child<QPushButton>(window, "btnPhonetize")->click();
    QVERIFY(
        html->toPlainText().contains(QStringLiteral("t\u0259m\u02C8\u0251\u02D0t\u0259\u028A/")));

    // Edits to the file count at the next press.
    writeFile(britishFile, "1\ttomato\ttqm'eItqu\n1\tone\tw'An\n");
    child<QPushButton>(window, "btnPhonetize")->click();
    QVERIFY(html->toPlainText().contains(
        QStringLiteral("/w\u02C8\u028Cn t\u0259m\u02C8e\u026At\u0259\u028A/")));

    writeFile(americanFile, "1\ttomato\ttqm'Rtqu\n");
    child<QRadioButton>(window, "rdbAmerican")->setChecked(true);
    child<QPushButton>(window, "btnPhonetize")->click();
    QVERIFY(
        html->toPlainText().contains(QStringLiteral("t\u0259m\u02C8\u0251\u02D0t\u0259\u028A/")));
}

void TestMainWindow::unreadableDictionaryIsReported()
{
    QVERIFY(QFile::remove(americanFile));
    MainWindow window;
    auto* input = child<QPlainTextEdit>(window, "plainTextEdit");
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    auto* html = child<QPlainTextEdit>(window, "plainTextEdit_2");
    textEdit->setPlainText("earlier output");
    html->setPlainText("earlier html");

    const ModalSeen seen = runClosingModal(
        [&] { QTest::mouseClick(child<QPushButton>(window, "btnPhonetize"), Qt::LeftButton); });
    QCOMPARE(seen.className, QStringLiteral("QMessageBox"));
    QVERIFY2(seen.text.contains(americanFile), qPrintable(seen.text));
    QVERIFY2(seen.text.contains(QStringLiteral("No such file or directory")),
             qPrintable(seen.text));
    QVERIFY(seen.informativeText.contains(QDir::toNativeSeparators(workDir.path())));
    QVERIFY(seen.hasParent);

    QCOMPARE(input->toPlainText(), QStringLiteral("Enter your text here."));
    QCOMPARE(textEdit->toPlainText(), QStringLiteral("earlier output"));
    QCOMPARE(html->toPlainText(), QStringLiteral("earlier html"));
}

void TestMainWindow::symbolButtonsInsertTheirText_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inColumn");
    const char16_t* const texts[] = {
        u"\u03B8",  u"\u00F0",       u"\u0283",       u"\u0292",       u"t\u0283", u"d\u0292",
        u"\u014B",  u"\u026A",       u"\u00E6",       u"\u0252",       u"\u028C",  u"\u028A",
        u"\u0259",  u"i\u02D0",      u"\u0251\u02D0", u"\u0254\u02D0", u"u\u02D0", u"\u025C\u02D0",
        u"e\u026A", u"a\u026A",      u"\u0254\u026A", u"\u0259\u028A", u"a\u028A", u"\u026A\u0259",
        u"e\u0259", u"\u028A\u0259", u"\u02C8",       u"\u02CC",
    };
    for (int number = 1; number <= 28; ++number) {
        QTest::newRow(qPrintable(QString::number(number)))
            << number << QString::fromUtf16(texts[number - 1]) << (number < 19 || number > 26);
    }
}

void TestMainWindow::symbolButtonsInsertTheirText()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(bool, inColumn);
    MainWindow window;
    auto* button =
        window.findChild<QPushButton*>(QStringLiteral("btnPhoneticSymbol_%1").arg(number));
    QCOMPARE(button->text(), text);
    QVERIFY(button->isFlat());
    QCOMPARE(button->font().families(), QStringList{"Lucida Sans Unicode"});
    QCOMPARE(button->maximumSize(), QSize(21, 21));
    QCOMPARE(button->minimumSize(), inColumn ? QSize(21, 21) : QSize(0, 0));
    QCOMPARE(button->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed, inColumn);

    setOutput(window, "ab", 1);
    button->click();
    QCOMPARE(child<QTextEdit>(window, "textEdit")->toPlainText(), "a" + text + "b");
}

void TestMainWindow::symbolGoesToOutputWhateverHasFocus()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* input = child<QPlainTextEdit>(window, "plainTextEdit");
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    setOutput(window, "abcdef", 3);
    input->setFocus();
    input->moveCursor(QTextCursor::End);

    QTest::mouseClick(child<QPushButton>(window, "btnPhoneticSymbol_1"), Qt::LeftButton);
    QCOMPARE(textEdit->toPlainText(), QStringLiteral("abc\u03B8def"));
    QCOMPARE(input->toPlainText(), QStringLiteral("Enter your text here."));
    QCOMPARE(QApplication::focusWidget(), textEdit);
}

void TestMainWindow::symbolReplacesSelectionAndRefreshesHtml()
{
    MainWindow window;
    child<QTabWidget>(window, "tabWidget")->setCurrentIndex(1);
    setOutput(window, "hello world", 11, 6);
    child<QPushButton>(window, "btnPhoneticSymbol_26")->click();
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    QCOMPARE(textEdit->toPlainText(), QStringLiteral("hello \u028A\u0259"));
    QCOMPARE(child<QPlainTextEdit>(window, "plainTextEdit_2")->toPlainText(), textEdit->toHtml());
}

void TestMainWindow::boldTakesWordUnderCaretAndNextTyping()
{
    MainWindow window;
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    setOutput(window, "alpha beta gamma", 8);
    child<QAction>(window, "actionBold")->trigger();

    QVERIFY(!textEdit->textCursor().hasSelection());
    QTextCursor probe(textEdit->document());
    for (int position = 1; position <= 16; ++position) {
        probe.setPosition(position);
        const bool inBeta = position >= 7 && position <= 10;
        QCOMPARE(probe.charFormat().fontWeight() == QFont::Bold, inBeta);
    }
    textEdit->insertPlainText("X");
    probe.setPosition(9);
    QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Bold));
}

void TestMainWindow::rightToLeftSelectionFollowsCharacterBefore()
{
    MainWindow window;
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    textEdit->setHtml("<b>X</b>abc");
    QTextCursor selection(textEdit->document());
    selection.setPosition(4);
    selection.setPosition(1, QTextCursor::KeepAnchor);
    textEdit->setTextCursor(selection);
    child<QAction>(window, "actionBold")->trigger();

    QTextCursor probe(textEdit->document());
    for (int position = 2; position <= 4; ++position) {
        probe.setPosition(position);
        QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Normal));
    }
    QCOMPARE(textEdit->textCursor().anchor(), 4);
    QCOMPARE(textEdit->textCursor().position(), 1);
}

void TestMainWindow::togglesReadTheCharacterBefore_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expectedHtml");
    QTest::newRow("medium is not bold") << "<span style=\"font-weight:500\">word</span>"
                                        << "actionBold"
                                        << "<b>word</b>";
    QTest::newRow("bold to normal") << "<b>word</b>"
                                    << "actionBold"
                                    << "word";
    QTest::newRow("italic on") << "word"
                               << "actionItalic"
                               << "<i>word</i>";
    QTest::newRow("italic off") << "<i>word</i>"
                                << "actionItalic"
                                << "word";
    QTest::newRow("underline on") << "word"
                                  << "actionUnderline"
                                  << "<u>word</u>";
    QTest::newRow("underline off") << "<u>word</u>"
                                   << "actionUnderline"
                                   << "word";
}

void TestMainWindow::togglesReadTheCharacterBefore()
{
    QFETCH(QString, html);
    QFETCH(QString, command);
    QFETCH(QString, expectedHtml);
    MainWindow window;
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    textEdit->setHtml(html);
    textEdit->moveCursor(QTextCursor::End);
    child<QAction>(window, qPrintable(command))->trigger();

    QTextEdit expected;
    expected.setHtml(expectedHtml);
    QTextCursor probe(textEdit->document());
    QTextCursor expectedProbe(expected.document());
    probe.setPosition(2);
    expectedProbe.setPosition(2);
    const QFont actualFont = probe.charFormat().font();
    const QFont expectedFont = expectedProbe.charFormat().font();
    QCOMPARE(actualFont.weight(), expectedFont.weight());
    QCOMPARE(actualFont.italic(), expectedFont.italic());
    QCOMPARE(actualFont.underline(), expectedFont.underline());
}

void TestMainWindow::sizeSteps_data()
{
    QTest::addColumn<double>("startSize");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("presses");
    QTest::addColumn<double>("expectedSize");
    QTest::newRow("bigger 12") << 12.0 << "actionBigger" << 1 << 14.0;
    QTest::newRow("bigger keeps growing") << 12.0 << "actionBigger" << 3 << 18.0;
    QTest::newRow("bigger reads whole points") << 12.4 << "actionBigger" << 1 << 14.0;
    QTest::newRow("smaller 9") << 9.0 << "actionSmaller" << 1 << 7.0;
    QTest::newRow("smaller stops below 8") << 9.0 << "actionSmaller" << 2 << 7.0;
    QTest::newRow("smaller at 8") << 8.0 << "actionSmaller" << 1 << 6.0;
}

void TestMainWindow::sizeSteps()
{
    QFETCH(double, startSize);
    QFETCH(QString, command);
    QFETCH(int, presses);
    QFETCH(double, expectedSize);
    MainWindow window;
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    textEdit->setHtml(
        QStringLiteral("<span style=\"font-size:%1pt\">one two</span>").arg(startSize));
    QTextCursor caret(textEdit->document());
    caret.setPosition(5); // inside "two"
    textEdit->setTextCursor(caret);
    for (int press = 0; press < presses; ++press) {
        child<QAction>(window, qPrintable(command))->trigger();
    }
    QTextCursor probe(textEdit->document());
    probe.setPosition(6);
    QCOMPARE(probe.charFormat().fontPointSize(), expectedSize);
    probe.setPosition(2); // "one" is not under the caret
    QCOMPARE(probe.charFormat().fontPointSize(), startSize);
}

void TestMainWindow::pixelSizedFontReadsMinusOne()
{
    MainWindow window;
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    textEdit->setHtml("<span style=\"font-size:20px\">word</span>");
    textEdit->moveCursor(QTextCursor::End);
    QTextCursor probe(textEdit->document());
    probe.setPosition(2);

    child<QAction>(window, "actionSmaller")->trigger();
    QVERIFY(!probe.charFormat().hasProperty(QTextFormat::FontPointSize));
    child<QAction>(window, "actionBigger")->trigger();
    QCOMPARE(probe.charFormat().fontPointSize(), 1.0);
}

void TestMainWindow::everyCommandRefreshesHtmlTab_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("anchor");
    for (const char* command :
         {"actionBold", "actionItalic", "actionUnderline", "actionBigger", "actionSmaller"}) {
        QTest::addRow("%s, caret", command) << QString::fromLatin1(command) << -1;
        QTest::addRow("%s, selection", command) << QString::fromLatin1(command) << 15;
    }
}

void TestMainWindow::everyCommandRefreshesHtmlTab()
{
    QFETCH(QString, command);
    QFETCH(int, anchor);
    MainWindow window;
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    auto* html = child<QPlainTextEdit>(window, "plainTextEdit_2");
    setOutput(window, "some words here", 6, anchor);
    const QString before = html->toPlainText();
    QSignalSpy refreshes(html, &QPlainTextEdit::textChanged);

    child<QAction>(window, qPrintable(command))->trigger();
    QCOMPARE(refreshes.count(), 1);
    QVERIFY(html->toPlainText() != before);
    QCOMPARE(html->toPlainText(), textEdit->toHtml());

    // One command, one undo step.
    textEdit->undo();
    QCOMPARE(html->toPlainText(), before);

    // The mirror runs one way only.
    const QString document = textEdit->toHtml();
    html->setPlainText("edited by hand");
    QCOMPARE(textEdit->toHtml(), document);
}

void TestMainWindow::zoomChangesViewNotDocument()
{
    MainWindow window;
    auto* textEdit = child<QTextEdit>(window, "textEdit");
    setOutput(window, "word", 2);
    const qreal size = textEdit->font().pointSizeF();
    child<QAction>(window, "actionZoom_In")->trigger();
    child<QAction>(window, "actionZoom_In")->trigger();
    QCOMPARE(textEdit->font().pointSizeF(), size + 2);
    child<QAction>(window, "actionZoom_Out")->trigger();
    QCOMPARE(textEdit->font().pointSizeF(), size + 1);
    QTextCursor probe(textEdit->document());
    probe.setPosition(2);
    QVERIFY(!probe.charFormat().hasProperty(QTextFormat::FontPointSize));
}

void TestMainWindow::speakAsksForSelectionThenRemembersIt()
{
    MainWindow window;
    auto* speak = child<QAction>(window, "actionSpeak");
    ModalSeen seen = runClosingModal([&] { speak->trigger(); });
    QCOMPARE(seen.className, QStringLiteral("QMessageBox"));
    QCOMPARE(seen.text, QStringLiteral("Select some text first."));
    QVERIFY(!seen.hasParent);

    // A selection in the HTML tab does not count; one in the input does,
    // and is still read after it was cleared.
    auto* html = child<QPlainTextEdit>(window, "plainTextEdit_2");
    html->setPlainText("source");
    html->selectAll();
    QCOMPARE(runClosingModal([&] { speak->trigger(); }).text,
             QStringLiteral("Select some text first."));

    auto* input = child<QPlainTextEdit>(window, "plainTextEdit");
    input->selectAll();
    input->moveCursor(QTextCursor::End);
    QVERIFY(runClosingModal([&] { speak->trigger(); }).className.isEmpty());
    child<QAction>(window, "actionStop_Speaking")->trigger();
}

void TestMainWindow::printOffersSelectionOnlyWhenThereIsOne()
{
    MainWindow window;
    setOutput(window, "print me", 8);
    child<QPlainTextEdit>(window, "plainTextEdit")->selectAll(); // not the printed view
    ModalSeen seen = runClosingModal([&] { child<QAction>(window, "actionPrint")->trigger(); });
    QCOMPARE(seen.className, QStringLiteral("QPrintDialog"));
    QCOMPARE(seen.title, QStringLiteral("Print Document"));
    QVERIFY(!seen.printSelectionOffered);

    setOutput(window, "print me", 8, 6);
    seen = runClosingModal([&] { child<QAction>(window, "actionPrint")->trigger(); });
    QVERIFY(seen.printSelectionOffered);
}

void TestMainWindow::previewOpens()
{
    MainWindow window;
    setOutput(window, "preview me", 0);
    const ModalSeen seen =
        runClosingModal([&] { child<QAction>(window, "actionPrintPreview")->trigger(); });
    QCOMPARE(seen.className, QStringLiteral("QPrintPreviewDialog"));
    QVERIFY(seen.hasParent);
}

void TestMainWindow::helpCommands()
{
    QPointer<kestrano::updater::UpdateDialog> updateDialog;
    {
        MainWindow window;
        // Nothing listens on port 1, so the check fails at once and says so.
        win_sparkle_set_appcast_url("http://127.0.0.1:1/appcast.xml");
        const int checks = kestrano::updater::updaterState().interactiveChecks;
        child<QAction>(window, "actionCheck_for_updates")->trigger();
        QCOMPARE(kestrano::updater::updaterState().interactiveChecks, checks + 1);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<kestrano::updater::UpdateDialog*>(widget)) {
                updateDialog = dialog;
            }
        }
        QVERIFY(updateDialog);
        QVERIFY(updateDialog->isVisible());
        QTRY_COMPARE(updateDialog->state(), kestrano::updater::UpdateDialog::State::Failed);
    }
    QVERIFY(!updateDialog); // closed with the window

    MainWindow window;

    QDesktopServices::setUrlHandler("https", this, "receiveUrl");
    child<QAction>(window, "actionGo_to_Kestrano_website")->trigger();
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(openedUrls, QList<QUrl>{QUrl(QString::fromLatin1(kestrano::product::websiteUrl))});

    const auto visibleAboutBoxes = [] {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            count += widget->inherits("AboutBox") && widget->isVisible();
        }
        return count;
    };
    auto* about = child<QAction>(window, "actionAbout");
    about->trigger();
    about->trigger();
    QCOMPARE(visibleAboutBoxes(), 1);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("AboutBox")) {
            widget->close();
        }
    }
    QCOMPARE(visibleAboutBoxes(), 0);
    about->trigger();
    QCOMPARE(visibleAboutBoxes(), 1);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
