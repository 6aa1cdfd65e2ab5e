#include "MainWindow.h"
#include "TranscriptionDocument.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString americanFile = u"data/american_transcription-abridged.txt"_s;
const QString britishFile = u"data/lexora_eng_transcription.txt"_s;
const QString startText = u"Enter your text here."_s;
// The end of "tomato" in British English.
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

    void optionsSurviveARestart()
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
        {
            MainWindow window;
            child<QRadioButton>(window, "rdbBritish")->setChecked(true);
            child<QCheckBox>(window, "chkIncludeText")->setChecked(false);
            child<QCheckBox>(window, "chkTransliterate")->setChecked(true);
            child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText("typed last time");
            QVERIFY(window.close());
        }
        QCOMPARE(store().value("language_variant").toString(), u"British"_s);

        MainWindow window;
        QVERIFY(child<QRadioButton>(window, "rdbBritish")->isChecked());
        QVERIFY(!child<QCheckBox>(window, "chkIncludeText")->isChecked());
        QVERIFY(child<QCheckBox>(window, "chkTransliterate")->isChecked());
        auto* input = child<QPlainTextEdit>(window, "plainTextEdit");
        QCOMPARE(input->toPlainText(), startText);
        // The restored variety picks the dictionary that Transcribe reads.
        input->setPlainText("tomato");
        child<QCheckBox>(window, "chkTransliterate")->setChecked(false);
        child<QPushButton>(window, "btnPhonetize")->click();
        const QString html = child<QPlainTextEdit>(window, "plainTextEdit_2")->toPlainText();
        QVERIFY(html.contains(britishTomato));
    }

    void transcribe()
    {
        // Sentences, an empty line and U+2019 with the original; then both boxes off.
        for (const auto& [input, includeText] : {std::pair{u"It\u2019s late\n\nTwo? Three"_s, true},
                                                 {u"Late tomato.\nLate"_s, false}}) {
            MainWindow window;
            child<QPlainTextEdit>(window, "plainTextEdit")->setPlainText(input);
            child<QCheckBox>(window, "chkIncludeText")->setChecked(includeText);
            QTest::mouseClick(child<QPushButton>(window, "btnPhonetize"), Qt::LeftButton);

            const QString html = child<QPlainTextEdit>(window, "plainTextEdit_2")->toPlainText();
            QCOMPARE(html, composeTranscriptionDocument(input, {includeText, false}));
            QTextEdit rendered;
            rendered.setHtml(html);
            QCOMPARE(child<QTextEdit>(window, "textEdit")->toHtml(), rendered.toHtml());
        }
    }

    void missingDictionaryIsReported()
    {
        QVERIFY(QFile::remove(americanFile));
        MainWindow window;
        auto* textEdit = child<QTextEdit>(window, "textEdit");
        textEdit->setPlainText("earlier output");
        const QStringList message = messageFrom(
            [&] { QTest::mouseClick(child<QPushButton>(window, "btnPhonetize"), Qt::LeftButton); });
        const QString text = message.value(0);
        QVERIFY2(text.contains(americanFile) && text.contains("No such file or directory"),
                 qPrintable(text));
        QVERIFY(message.value(1).contains(QDir::toNativeSeparators(workDir.path())));
        QCOMPARE(textEdit->toPlainText(), u"earlier output"_s);
    }

    void symbolKeyboard()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* textEdit = child<QTextEdit>(window, "textEdit");

        // The symbol goes in at the output's caret whatever has the focus.
        textEdit->setPlainText("hello world");
        select(textEdit, 6, 6);
        child<QPlainTextEdit>(window, "plainTextEdit")->setFocus();
        QTest::mouseClick(child<QPushButton>(window, "btnPhoneticSymbol_27"), Qt::LeftButton);
        QCOMPARE(textEdit->toPlainText(), u"hello \u02C8world"_s);
        QCOMPARE(QApplication::focusWidget(), textEdit);

        select(textEdit, 7, 12);
        child<QPushButton>(window, "btnPhoneticSymbol_28")->click();
        QCOMPARE(textEdit->toPlainText(), u"hello \u02C8\u02CC"_s);
    }

    void boldFollowsTheCharacterBeforeTheCaret()
    {
        // The view's html, the selection, and 'b' for each bold character afterwards.
        const struct
        {
            QString html;
            int anchor;
            int position;
            QString bold;
        } cases[] = {{"alpha beta gamma", 8, 8, "......bbbb......"}, // the word under the caret
                     {"<b>X</b>abc", 1, 4, "bbbb"},
                     {"<b>X</b>abc", 4, 1, "b..."}}; // right to left
        for (const auto& [html, anchor, position, bold] : cases) {
            MainWindow window;
            auto* textEdit = child<QTextEdit>(window, "textEdit");
            textEdit->setHtml(html);
            select(textEdit, anchor, position);
            trigger(window, "actionBold");
            QCOMPARE(boldMap(textEdit), bold);
            QCOMPARE(textEdit->textCursor().anchor(), anchor);
            QCOMPARE(textEdit->textCursor().position(), position);
        }
    }

    void formatCommands_data()
    {
        // The command, with "word" styled as `style` and selected, leaves it
        // looking as if styled as `expected`.
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("weight 500 is not bold")
            << u"Bold"_s << u"font-weight:500"_s << u"font-weight:700"_s;
        QTest::newRow("italic on") << u"Italic"_s << QString() << u"font-style:italic"_s;
        QTest::newRow("italic off") << u"Italic"_s << u"font-style:italic"_s << QString();
        QTest::newRow("underline on")
            << u"Underline"_s << QString() << u"text-decoration:underline"_s;
        QTest::newRow("bigger whole points")
            << u"Bigger"_s << u"font-size:12.4pt"_s << u"font-size:14pt"_s;
        QTest::newRow("smaller") << u"Smaller"_s << u"font-size:9pt"_s << u"font-size:7pt"_s;
        QTest::newRow("smaller at 8") << u"Smaller"_s << u"font-size:8pt"_s << u"font-size:6pt"_s;
        QTest::newRow("smaller stops below 8")
            << u"Smaller"_s << u"font-size:7pt"_s << u"font-size:7pt"_s;
        QTest::newRow("smaller leaves pixels")
            << u"Smaller"_s << u"font-size:20px"_s << u"font-size:20px"_s;
        QTest::newRow("bigger reads pixels as -1")
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
        select(textEdit, 0, 4);
        // The selection is merged twice, but the HTML tab is refreshed once.
        QSignalSpy refreshes(child<QPlainTextEdit>(window, "plainTextEdit_2"),
                             &QPlainTextEdit::textChanged);
        trigger(window, "action" + command);
        QCOMPARE(refreshes.count(), 1);
        QCOMPARE(child<QPlainTextEdit>(window, "plainTextEdit_2")->toPlainText(),
                 textEdit->toHtml());
        QTextEdit expectedView;
        expectedView.setHtml(u"<span style=\"%1\">word</span>"_s.arg(expected));
        QCOMPARE(formatAt(textEdit, 2).font(), formatAt(&expectedView, 2).font());
    }

    void print()
    {
        // The view holds "alpha beta" and "second line" as two paragraphs.
        const QStringList everything = {"alpha", "beta", "second", "line"};
        for (const auto& [selectionOnly, printed] :
             {std::pair{false, everything}, {true, QStringList{"beta", "second"}}}) {
            MainWindow window;
            auto* textEdit = child<QTextEdit>(window, "textEdit");
            textEdit->setHtml("<p>alpha <b>beta</b></p><p>second line</p>");
            select(textEdit, 6, selectionOnly ? 17 : 6);
            // The rich-text view is printed even while the HTML source shows.
            child<QTabWidget>(window, "tabWidget")->setCurrentIndex(1);

            const QString pdf = workDir.filePath(selectionOnly ? "selection.pdf" : "whole.pdf");
            const auto handle = [&](QDialog* dialog) {
                // The selection is offered only when there is one.
                auto* print = qobject_cast<QPrintDialog*>(dialog);
                QCOMPARE(print->testOption(QPrintDialog::PrintSelection), selectionOnly);
                auto* printers = dialog->findChild<QComboBox*>("printers");
                printers->setCurrentIndex(printers->findText("PDF", Qt::MatchContains));
                dialog->findChild<QLineEdit*>("filename")->setText(pdf);
                dialog->findChild<QRadioButton*>("printSelection")->setChecked(selectionOnly);
                dialog->accept();
            };
            QVERIFY(handleModal([&] { trigger(window, "actionPrint"); }, handle));
            QCOMPARE(wordsIn(pdf), printed);
            // Printed with its formatting: the bold word in a bold font.
            QVERIFY(runTool("pdffonts", {pdf}).contains("Bold"));
        }
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
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
