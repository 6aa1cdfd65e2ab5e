#include "MainWindow.h"
#include "ProductIdentity.h"
#include "TranscriptionDocument.h"
#include "UpdaterState.h"
#include "winsparkle.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString americanFile = u"data/american_transcription-abridged.txt"_s;
const QString britishFile = u"data/lexora_eng_transcription.txt"_s;
const QString startText = u"Enter your text here."_s;
// The end of "tomato" in each variety.
const QString americanTomato = u"t\u0259m\u02C8e\u026At\u0259\u028A/"_s;
const QString britishTomato = u"t\u0259m\u02C8\u0251\u02D0t\u0259\u028A/"_s;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QSettings store()
{
    return QSettings(u"Brightfern"_s, u"Kestrano"_s);
}

template <typename T> T* child(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

void trigger(const QWidget& window, const QString& action)
{
    child<QAction>(window, qPrintable(action))->trigger();
}

template <typename Editor> void select(Editor* editor, int anchor, int position)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

// The format of the character before `position`.
QTextCharFormat formatAt(const QTextEdit* editor, int position)
{
    QTextCursor probe(editor->document());
    probe.setPosition(position);
    return probe.charFormat();
}

// 'b' for each bold character of the editor's text, '.' for each other.
QString boldMap(const QTextEdit* editor)
{
    QString map;
    for (int position = 1; position < editor->document()->characterCount(); ++position) {
        map += formatAt(editor, position).fontWeight() == QFont::Bold ? u'b' : u'.';
    }
    return map;
}

QStringList originalsIn(const QString& document)
{
    static const QRegularExpression original(u"<span class=\"original\">(.*?)</span>"_s,
                                             QRegularExpression::DotMatchesEverythingOption);
    QStringList texts;
    for (auto match = original.globalMatch(document); match.hasNext();) {
        texts << match.next().captured(1);
    }
    return texts;
}

// Runs `action`; a modal dialog that it opens is handed to `handle` and then
// cancelled if still open. Returns whether a dialog appeared.
bool handleModal(const std::function<void()>& action, const std::function<void(QDialog*)>& handle)
{
    bool appeared = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && !appeared) {
            appeared = true;
            handle(dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        }
    });
    poll.start(10);
    action();
    return appeared;
}

// The text and informative text of the message box that `action` opens.
QStringList messageFrom(const std::function<void()>& action)
{
    QStringList texts;
    handleModal(action, [&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        texts << box->text() << box->informativeText();
    });
    return texts;
}

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList wordsIn(const QString& pdf)
{
    // Qt numbers every printed page at its foot; only the document's words count.
    QStringList words =
        runTool("pdftotext", {pdf, "-"}).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    words.removeIf([](const QString& word) { return word.toInt() > 0; });
    return words;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir workDir;
    QString originalDir;
    QList<QUrl> openedUrls;

public slots:
    void receiveUrl(const QUrl& url) { openedUrls << url; }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
                 "pdftotext (poppler-utils) is needed");
        QVERIFY(workDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           workDir.filePath("settings"));
        originalDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir.path()));
        QVERIFY(QDir().mkpath("data"));
    }

    void cleanupTestCase() { QDir::setCurrent(originalDir); }

    void init()
    {
        // The window must set its identity itself before it reads the store.
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName(u"TestMainWindow"_s);
        store().clear();
        // Two small dictionaries that tell the varieties apart by "tomato".
        writeFile(americanFile, "1\tit's\t'Its\n1\tlate\tl'eIt\n1\ttomato\ttqm'eItqu\n");
        writeFile(britishFile, "1\ttomato\ttqm'Rtqu\n");
    }

    void everyObjectIsNamed()
    {
        MainWindow window;
        QCOMPARE(window.objectName(), u"MainWindow"_s);
        QStringList names =
            u"actionGo_to_Kestrano_website actionAbout actionBold actionItalic actionUnderline "
            "actionBigger actionSmaller actionZoom_In actionZoom_Out actionPrint "
            "actionPrintPreview actionSpeak actionStop_Speaking actionCheck_for_updates "
            "centralWidget gridLayout verticalLayout splitter plainTextEdit layoutWidget "
            "horizontalLayout tabWidget tab gridLayout_2 horizontalLayout_3 textEdit tab_2 "
            "gridLayout_3 plainTextEdit_2 horizontalLayout_2 verticalLayout_3 horizontalLayout_9 "
            "chkIncludeText horizontalLayout_8 rdbBritish rdbAmerican chkTransliterate "
            "btnPhonetize horizontalLayout_4 verticalLayout_2 menuBar menuFile menuFormat "
            "menuHelp statusBar mainToolBar"_s.split(u' ');
        for (int number = 1; number <= 28; ++number) {
            names << u"btnPhoneticSymbol_%1"_s.arg(number);
        }
        for (const QString& name : names) {
            QVERIFY2(window.findChildren<QObject*>(name).size() == 1, qPrintable(name));
        }
    }

    void startUpDefaults()
    {
        // A first run, then variants other than exactly "British" or "American".
        for (const char* stored : {"", "british", "american"}) {
            if (*stored) {
                store().setValue("language_variant", stored);
            }
            MainWindow window;
            QVERIFY2(child<QRadioButton>(window, "rdbAmerican")->isChecked(), stored);
            QVERIFY(child<QCheckBox>(window, "chkIncludeText")->isChecked());
            QVERIFY(!child<QCheckBox>(window, "chkTransliterate")->isChecked());
            QCOMPARE(child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText(), startText);
        }
    }

    void optionsSurviveARestart_data()
    {
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("includeText");
        QTest::addColumn<bool>("transliterate");
        QTest::newRow("British, Cyrillic, no original") << true << false << true;
        QTest::newRow("American, original") << false << true << false;
    }

    void optionsSurviveARestart()
    {
        QFETCH(bool, british);
        QFETCH(bool, includeText);
        QFETCH(bool, transliterate);
        {
            MainWindow window;
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
        QCOMPARE(child<QPlainTextEdit>(window, "plainTextEdit")->toPlainText(), startText);
    }

    void transcribe_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("includeText");
        QTest::addColumn<bool>("transliterate");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QStringList>("originals");
        QTest::newRow("sentences, empty line, U+2019")
            << "It\u2019s late\n\nTwo? Three" << true << false << 4
            << QStringList{"It's late", "", "Two?", "Three"};
        QTest::newRow("both off") << "Late tomato.\nLate" << false << false << 2 << QStringList();
        QTest::newRow("Cyrillic") << "Late tomato.\nLate" << true << true << 2
                                  << QStringList{"Late tomato.", "Late"};
    }

    void transcribe()
    {
        QFETCH(QString, input);
        QFETCH(bool, includeText);
        QFETCH(bool, transliterate);
        QFETCH(int, paragraphs);
        QFETCH(QStringList, originals);
        MainWindow window;
        child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText(input);
        child<QCheckBox>(window, "chkIncludeText")->setChecked(includeText);
        child<QCheckBox>(window, "chkTransliterate")->setChecked(transliterate);
        QTest::mouseClick(child<QPushButton>(window, "btnPhonetize"), Qt::LeftButton);

        const QString html = child<QPlainTextEdit>(window, "plainTextEdit_2")->toPlainText();
        QCOMPARE(html, composeTranscriptionDocument(input, {includeText, transliterate}));
        QCOMPARE(html.count(u"<p>"_s), paragraphs);
        QCOMPARE(originalsIn(html), originals);
        QTextEdit rendered;
        rendered.setHtml(html);
        QCOMPARE(child<QTextEdit>(window, "textEdit")->toHtml(), rendered.toHtml());
    }

    void transcribeReadsTheChosenDictionary()
    {
        MainWindow window;
        child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText("tomato");
        auto* button = child<QPushButton>(window, "btnPhonetize");
        auto* html = child<QPlainTextEdit>(window, "plainTextEdit_2");
        button->click();
        QVERIFY(html->toPlainText().contains(americanTomato));
        child<QRadioButton>(window, "rdbBritish")->setChecked(true);
        button->click();
        QVERIFY(html->toPlainText().contains(britishTomato));
        // Edits to the file count at the next press.
        writeFile(britishFile, "1\ttomato\ttqm'eItqu\n");
        button->click();
        QVERIFY(html->toPlainText().contains(americanTomato));
    }

    void missingDictionaryIsReported()
    {
        QVERIFY(QFile::remove(americanFile));
        MainWindow window;
        auto* textEdit = child<QTextEdit>(window, "textEdit");
        auto* html = child<QPlainTextEdit>(window, "plainTextEdit_2");
        textEdit->setPlainText("earlier output");
        html->setPlainText("earlier html");

        const QStringList message = messageFrom(
            [&] { QTest::mouseClick(child<QPushButton>(window, "btnPhonetize"), Qt::LeftButton); });
        const QString text = message.value(0);
        QVERIFY2(text.contains(americanFile) && text.contains("No such file or directory"),
                 qPrintable(text));
        QVERIFY(message.value(1).contains(QDir::toNativeSeparators(workDir.path())));
        QCOMPARE(textEdit->toPlainText(), u"earlier output"_s);
        QCOMPARE(html->toPlainText(), u"earlier html"_s);
    }

    void symbolKeyboard()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* input = child<QPlainTextEdit>(window, "plainTextEdit");
        auto* textEdit = child<QTextEdit>(window, "textEdit");

        // The symbol goes in at the output's caret whatever has the focus.
        textEdit->setPlainText("hello world");
        select(textEdit, 6, 6);
        input->setFocus();
        QTest::mouseClick(child<QPushButton>(window, "btnPhoneticSymbol_27"), Qt::LeftButton);
        QCOMPARE(textEdit->toPlainText(), u"hello \u02C8world"_s);
        QCOMPARE(QApplication::focusWidget(), textEdit);

        select(textEdit, 7, 12);
        child<QPushButton>(window, "btnPhoneticSymbol_28")->click();
        QCOMPARE(textEdit->toPlainText(), u"hello \u02C8\u02CC"_s);

        // Every button types its own text.
        textEdit->clear();
        QString typed;
        for (int number = 1; number <= 28; ++number) {
            auto* button = window.findChild<QPushButton*>(u"btnPhoneticSymbol_%1"_s.arg(number));
            button->click();
            typed += button->text();
        }
        QCOMPARE(textEdit->toPlainText(), typed);
    }

    void boldFollowsTheCharacterBeforeTheCaret_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("bold"); // 'b' for each bold character afterwards
        QTest::newRow("word under caret") << "alpha beta gamma" << 8 << 8 << "......bbbb......";
        QTest::newRow("left to right") << "<b>X</b>abc" << 1 << 4 << "bbbb";
        QTest::newRow("right to left") << "<b>X</b>abc" << 4 << 1 << "b...";
    }

    void boldFollowsTheCharacterBeforeTheCaret()
    {
        QFETCH(QString, html);
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(QString, bold);
        MainWindow window;
        auto* textEdit = child<QTextEdit>(window, "textEdit");
        textEdit->setHtml(html);
        select(textEdit, anchor, position);
        trigger(window, "actionBold");
        QCOMPARE(boldMap(textEdit), bold);
        QCOMPARE(textEdit->textCursor().anchor(), anchor);
        QCOMPARE(textEdit->textCursor().position(), position);
        if (anchor == position) { // what is typed next is bold too
            textEdit->insertPlainText("X");
            QCOMPARE(boldMap(textEdit), u"......bbbbb......"_s);
        }
    }

    void formatCommands_data()
    {
        // The command, with the caret after "word" styled as `style`, leaves
        // it looking as if styled as `expected`.
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("weight 500 is not bold")
            << u"Bold"_s << u"font-weight:500"_s << u"font-weight:700"_s;
        QTest::newRow("bold off") << u"Bold"_s << u"font-weight:700"_s << QString();
        QTest::newRow("italic on") << u"Italic"_s << QString() << u"font-style:italic"_s;
        QTest::newRow("italic off") << u"Italic"_s << u"font-style:italic"_s << QString();
        QTest::newRow("underline on")
            << u"Underline"_s << QString() << u"text-decoration:underline"_s;
        QTest::newRow("underline off")
            << u"Underline"_s << u"text-decoration:underline"_s << QString();
        QTest::newRow("bigger") << u"Bigger"_s << u"font-size:12pt"_s << u"font-size:14pt"_s;
        QTest::newRow("bigger reads whole points")
            << u"Bigger"_s << u"font-size:12.4pt"_s << u"font-size:14pt"_s;
        QTest::newRow("smaller") << u"Smaller"_s << u"font-size:9pt"_s << u"font-size:7pt"_s;
        QTest::newRow("smaller at 8") << u"Smaller"_s << u"font-size:8pt"_s << u"font-size:6pt"_s;
        QTest::newRow("smaller stops below 8")
            << u"Smaller"_s << u"font-size:7pt"_s << u"font-size:7pt"_s;
        QTest::newRow("smaller leaves pixel sizes")
            << u"Smaller"_s << u"font-size:20px"_s << u"font-size:20px"_s;
        QTest::newRow("bigger reads pixel sizes as -1")
            << u"Bigger"_s << u"font-size:20px"_s << u"font-size:1pt"_s;
    }

    void formatCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, style);
        QFETCH(QString, expected);
        MainWindow window;
        auto* textEdit = child<QTextEdit>(window, "textEdit");
        textEdit->setHtml(u"<span style=\"%1\">word</span>"_s.arg(style));
        textEdit->moveCursor(QTextCursor::End);
        trigger(window, "action" + command);
        QTextEdit expectedView;
        expectedView.setHtml(u"<span style=\"%1\">word</span>"_s.arg(expected));
        const QTextCharFormat actual = formatAt(textEdit, 2);
        const QTextCharFormat wanted = formatAt(&expectedView, 2);
        QCOMPARE(actual.fontWeight(), wanted.fontWeight());
        QCOMPARE(actual.fontItalic(), wanted.fontItalic());
        QCOMPARE(actual.fontUnderline(), wanted.fontUnderline());
        QCOMPARE(actual.fontPointSize(), wanted.fontPointSize());
    }

    void everyCommandRefreshesHtmlOnce()
    {
        MainWindow window;
        auto* textEdit = child<QTextEdit>(window, "textEdit");
        auto* html = child<QPlainTextEdit>(window, "plainTextEdit_2");
        textEdit->setPlainText("some words here");
        for (const char* command :
             {"actionBold", "actionItalic", "actionUnderline", "actionBigger", "actionSmaller"}) {
            select(textEdit, 15, 6); // a selection, which each command merges twice
            QSignalSpy refreshes(html, &QPlainTextEdit::textChanged);
            trigger(window, command);
            QVERIFY2(refreshes.count() == 1, command);
            QCOMPARE(html->toPlainText(), textEdit->toHtml());
        }
    }

    void print_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QStringList>("printed");
        // The view holds "alpha beta" and "second line" as two paragraphs.
        const QStringList everything = {"alpha", "beta", "second", "line"};
        QTest::newRow("whole document") << "actionPrint" << 0 << 0 << "all" << everything;
        QTest::newRow("selection, all chosen") << "actionPrint" << 6 << 10 << "all" << everything;
        QTest::newRow("selection only")
            << "actionPrint" << 6 << 17 << "selection" << QStringList{"beta", "second"};
        QTest::newRow("cancelled") << "actionPrint" << 6 << 10 << "cancel" << QStringList();
        QTest::newRow("preview") << "actionPrintPreview" << 0 << 0 << "all" << everything;
    }

    void print()
    {
        QFETCH(QString, command);
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(QString, range);
        QFETCH(QStringList, printed);
        MainWindow window;
        auto* textEdit = child<QTextEdit>(window, "textEdit");
        textEdit->setHtml("<p>alpha <b>beta</b></p><p>second line</p>");
        select(textEdit, anchor, position);
        // The rich-text view is printed even while the HTML source shows.
        child<QTabWidget>(window, "tabWidget")->setCurrentIndex(1);

        const QString pdf = workDir.filePath(QTest::currentDataTag() + u".pdf"_s);
        const auto handle = [&](QDialog* dialog) {
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog)) {
                preview->printer()->setOutputFileName(pdf);
                preview->findChild<QPrintPreviewWidget*>()->print();
                return;
            }
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            // The selection is offered only when there is one.
            QCOMPARE(print->testOption(QPrintDialog::PrintSelection), anchor != position);
            print->printer()->setOutputFileName(pdf); // so that printing after Cancel shows
            auto* printers = dialog->findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->findText("PDF", Qt::MatchContains));
            dialog->findChild<QLineEdit*>("filename")->setText(pdf);
            dialog->findChild<QRadioButton*>("printSelection")->setChecked(range == "selection");
            if (range == "cancel") {
                dialog->reject();
            } else {
                dialog->accept();
            }
        };
        QVERIFY(handleModal([&] { trigger(window, command); }, handle));
        QCOMPARE(wordsIn(pdf), printed);
        // Printed with its formatting: the bold word in a bold font.
        QCOMPARE(runTool("pdffonts", {pdf}).contains("Bold"), printed.contains("beta"));
    }

    void speakReadsTheLastSelection()
    {
        MainWindow window;
        const auto speak = [&] { return messageFrom([&] { trigger(window, "actionSpeak"); }); };
        // The input holds its start text, but nothing was selected.
        QCOMPARE(speak(), QStringList({"Select some text first.", ""}));

        auto* input = child<QPlainTextEdit>(window, "plainTextEdit");
        input->setPlainText("The quick brown fox");
        select(input, 4, 9);
        input->moveCursor(QTextCursor::End); // the cleared selection is still read
        QCOMPARE(window.textToSpeak(), u"quick"_s);
        QCOMPARE(speak(), QStringList());

        auto* textEdit = child<QTextEdit>(window, "textEdit");
        textEdit->setPlainText(u"/\u00F0\u0259 kw\u02C8\u026Ak/"_s);
        select(textEdit, 1, 3);
        child<QPlainTextEdit>(window, "plainTextEdit_2")->selectAll(); // the source never counts
        QCOMPARE(window.textToSpeak(), u"\u00F0\u0259"_s);
    }

    void helpCommands()
    {
        const auto updater = &kestrano::updater::updaterState;
        {
            MainWindow window;
            QVERIFY(updater().appcastUrl == kestrano::product::updateFeedUrl);
            // Nothing listens on port 1, so the check fails at once.
            win_sparkle_set_appcast_url("http://127.0.0.1:1/appcast.xml");
            const int checks = updater().interactiveChecks;
            trigger(window, "actionCheck_for_updates");
            QCOMPARE(updater().interactiveChecks, checks + 1);

            QDesktopServices::setUrlHandler("https", this, "receiveUrl");
            trigger(window, "actionGo_to_Kestrano_website");
            QDesktopServices::unsetUrlHandler("https");
            QCOMPARE(openedUrls, QList<QUrl>{QUrl(kestrano::product::websiteUrl)});
        }
        QVERIFY(!updater().initialized); // ended with the window
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
