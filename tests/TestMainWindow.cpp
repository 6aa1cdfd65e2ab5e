// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutBox.h"
#include "MainWindow.h"
#include "TranscriptionDocument.h"
#include "Translations.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

const QString americanFile = u"data/american_transcription-abridged.txt"_s;
const QString britishFile = u"data/lexora_eng_transcription.txt"_s;
const QString startText = u"Enter your text here."_s;
// The end of "tomato" in British English.
const QString britishTomato = u"t\u0259m\u02C8\u0251\u02D0t\u0259\u028A/"_s;

// The window, with the widgets that the tests reach for.
struct Window : MainWindow
{
    QPlainTextEdit* input = findChild<QPlainTextEdit*>(u"plainTextEdit"_s);
    QTextEdit* view = findChild<QTextEdit*>(u"textEdit"_s);
    QPlainTextEdit* source = findChild<QPlainTextEdit*>(u"plainTextEdit_2"_s);
    QCheckBox* includeText = findChild<QCheckBox*>(u"chkIncludeText"_s);
    QCheckBox* transliterate = findChild<QCheckBox*>(u"chkTransliterate"_s);
    QRadioButton* american = findChild<QRadioButton*>(u"rdbAmerican"_s);
    QRadioButton* british = findChild<QRadioButton*>(u"rdbBritish"_s);
    QPushButton* transcribe = findChild<QPushButton*>(u"btnPhonetize"_s);

    void trigger(const QString& action) { findChild<QAction*>(action)->trigger(); }
};

template <typename Editor> void select(Editor* editor, int anchor, int position)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

// The font of each character of the editor's text.
QList<QFont> fontsOf(const QTextEdit* editor)
{
    QList<QFont> fonts;
    for (QTextCursor probe(editor->document()); probe.movePosition(QTextCursor::NextCharacter);) {
        fonts << probe.charFormat().font();
    }
    return fonts;
}

// Runs `action`; a modal dialog that it opens is handed to `handle` and then
// closed, which cancels it unless `handle` did close it.
template <typename A, typename H> void handleModal(const A& action, const H& handle)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            handle(dialog);
            dialog->close();
        }
    });
    poll.start(10);
    action();
}

// The text and informative text of the message box that `action` opens.
template <typename Action> QStringList messageFrom(const Action& action)
{
    QStringList texts;
    handleModal(action, [&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        texts << box->text() << box->informativeText();
    });
    return texts;
}

// Every text that a form shows: its title, the texts of its actions,
// buttons, labels, menus and tabs, and the actions' shortcuts.
QStringList formTexts(const QWidget* form)
{
    QStringList texts{form->windowTitle()};
    for (const QAction* action : form->findChildren<QAction*>()) {
        texts << action->text() << action->shortcut().toString();
    }
    for (const QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QTabWidget* tabs : form->findChildren<QTabWidget*>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            texts << tabs->tabText(tab);
        }
    }
    return texts;
}

QList<QKeySequence> shortcutsOf(const QWidget* form)
{
    QList<QKeySequence> shortcuts;
    for (const QAction* action : form->findChildren<QAction*>()) {
        shortcuts << action->shortcut();
    }
    return shortcuts;
}

// The window's About box, the only one while one window exists.
AboutBox* aboutBox()
{
    AboutBox* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<AboutBox*>(widget)) {
            found = box;
        }
    }
    return found;
}

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
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
        QSettings(u"Brightfern"_s, u"Kestrano"_s).clear();
        // Two small dictionaries that tell the varieties apart by "tomato".
        for (const auto& [path, entries] :
             {std::pair{americanFile, "1\tit's\t'Its\n1\tlate\tl'eIt\n1\ttomato\ttqm'eItqu\n"},
              {britishFile, "1\ttomato\ttqm'Rtqu\n"}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(entries);
        }
    }

    void optionsSurviveARestart()
    {
        Window first;
        QVERIFY(first.american->isChecked());
        QVERIFY(first.includeText->isChecked());
        QVERIFY(!first.transliterate->isChecked());
        QCOMPARE(first.input->toPlainText(), startText);
        // A variant other than exactly "British" or "American" is not read.
        QSettings(u"Brightfern"_s, u"Kestrano"_s).setValue("language_variant", "british");
        QVERIFY(Window().american->isChecked());

        Window saved;
        saved.british->setChecked(true);
        saved.includeText->setChecked(false);
        saved.transliterate->setChecked(true);
        QVERIFY(saved.close());
        QCOMPARE(QSettings(u"Brightfern"_s, u"Kestrano"_s).value("language_variant").toString(),
                 u"British"_s);

        Window window;
        QVERIFY(!window.includeText->isChecked());
        QVERIFY(window.transliterate->isChecked());
        // The restored variety picks the dictionary that Transcribe reads.
        window.input->setPlainText("tomato");
        window.transliterate->setChecked(false);
        window.transcribe->click();
        QVERIFY(window.source->toPlainText().contains(britishTomato));
    }

    void transcribe()
    {
        // Sentences, an empty line and U+2019 with the original; then both boxes off.
        for (const auto& [text, includeText] : {std::pair{u"It\u2019s late\n\nTwo? Three"_s, true},
                                                {u"Late tomato.\nLate"_s, false}}) {
            Window window;
            window.input->setPlainText(text);
            window.includeText->setChecked(includeText);
            QTest::mouseClick(window.transcribe, Qt::LeftButton);

            const QString html = window.source->toPlainText();
            QCOMPARE(html, composeTranscriptionDocument(text, {includeText, false}));
            QCOMPARE(window.view->toPlainText(),
                     QTextDocumentFragment::fromHtml(html).toPlainText());
        }
    }

    void missingDictionaryIsReported()
    {
        QVERIFY(QFile::remove(americanFile));
        Window window;
        window.view->setPlainText("earlier output");
        const QStringList message = messageFrom([&] { window.transcribe->click(); });
        const QString text = message.value(0);
        QVERIFY2(text.contains(americanFile) && text.contains("No such file or directory"),
                 qPrintable(text));
        QVERIFY(message.value(1).contains(QDir::toNativeSeparators(workDir.path())));
        QCOMPARE(window.view->toPlainText(), u"earlier output"_s);
    }

    void unreadableSettingsGiveTheDefaults()
    {
        const QString store = QSettings(u"Brightfern"_s, u"Kestrano"_s).fileName();
        for (const bool storeIsAFolder : {false, true}) {
            Window saved;
            saved.british->setChecked(true);
            saved.includeText->setChecked(false);
            saved.transliterate->setChecked(true);
            QVERIFY(saved.close());

            QVERIFY(QFile::remove(store));
            if (storeIsAFolder) {
                QVERIFY(QDir().mkpath(store));
            } else {
                QFile file(store);
                QVERIFY(file.open(QIODevice::WriteOnly));
                const char junk[] = "\0\xFF[[[=\n\x01language_variant\n\xFE";
                file.write(junk, sizeof junk - 1);
            }
            Window window;
            QVERIFY(window.american->isChecked());
            QVERIFY(window.includeText->isChecked());
            QVERIFY(!window.transliterate->isChecked());
            QVERIFY(window.close());
            if (storeIsAFolder) {
                QVERIFY(QDir(store).removeRecursively());
            }
        }
    }

    void pressChangesOnlyTheOutput()
    {
        const QString texts[] = {
            u"?! . .\t!\n?  "_s,
            u"Late \U0001F600 tomato"_s + QChar(0xD800) + u" \u0645\u0631\u062D\u0628\u0627"_s +
                QChar(0xDC00) + QChar(0) + u"."_s,
            u"Late\rtomato\r\rLate"_s, // the editor makes paragraphs of CR-only lines
        };
        for (const QString& text : texts) {
            Window window;
            window.british->setChecked(true);
            window.includeText->setChecked(false);
            window.transliterate->setChecked(true);
            window.input->setPlainText(text);
            const QString typed = window.input->toPlainText();
            window.view->setPlainText(u"earlier output"_s);
            QStringList shown;
            connect(window.view, &QTextEdit::textChanged,
                    [&] { shown << window.view->toPlainText(); });

            window.transcribe->click();
            QCOMPARE(window.input->toPlainText(), typed);
            QVERIFY(!window.input->document()->isModified());
            QVERIFY(window.british->isChecked());
            QVERIFY(!window.includeText->isChecked());
            QVERIFY(window.transliterate->isChecked());
            QCOMPARE(window.source->toPlainText(),
                     composeTranscriptionDocument(typed, {false, true}));
            // The output changes once, from the previous one to the finished one.
            QCOMPARE(shown, QStringList{window.view->toPlainText()});
            // Touching up the output mirrors it into the HTML tab again.
            window.view->textCursor().insertText(u"\u0259"_s);
            QCOMPARE(window.source->toPlainText(), window.view->toHtml());
        }
    }

    void symbolKeyboard()
    {
        Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // The symbol goes in at the output's caret whatever has the focus.
        window.view->setPlainText("hello world");
        select(window.view, 6, 6);
        window.input->setFocus();
        window.findChild<QPushButton*>(u"btnPhoneticSymbol_27"_s)->click();
        QCOMPARE(window.view->toPlainText(), u"hello \u02C8world"_s);
        QCOMPARE(QApplication::focusWidget(), window.view);

        select(window.view, 7, 12);
        window.findChild<QPushButton*>(u"btnPhoneticSymbol_28"_s)->click();
        QCOMPARE(window.view->toPlainText(), u"hello \u02C8\u02CC"_s);
    }

    void formatCommands()
    {
        // The command, on the view's html with the selection from `anchor` to
        // `position`, leaves the text looking like `expected`. Toggles and sizes
        // follow the character before the caret.
        const auto word = [](const char* style) {
            return u"<span style=\"%1\">word</span>"_s.arg(QLatin1StringView(style));
        };
        const struct
        {
            QString command, html;
            int anchor, position;
            QString expected;
        } cases[] = {
            {"Bold", "alpha beta gamma", 8, 8, "alpha <b>beta</b> gamma"}, // the word at the caret
            {"Bold", "<b>X</b>abc", 4, 1, "<b>X</b>abc"},                  // right to left
            {"Bold", word("font-weight:500"), 0, 4, "<b>word</b>"},
            {"Italic", "word", 0, 4, "<i>word</i>"},
            {"Italic", "<i>word</i>", 0, 4, "word"},
            {"Underline", "word", 0, 4, "<u>word</u>"},
            {"Bigger", word("font-size:12.4pt"), 0, 4, word("font-size:14pt")}, // whole points
            {"Smaller", word("font-size:8pt"), 0, 4, word("font-size:6pt")},
            {"Smaller", word("font-size:7pt"), 0, 4, word("font-size:7pt")}, // as with pixels
            {"Bigger", word("font-size:20px"), 0, 4, word("font-size:1pt")}, // pixels read as -1
        };
        for (const auto& [command, html, anchor, position, expected] : cases) {
            Window window;
            window.view->setHtml(html);
            select(window.view, anchor, position);
            // A selection is merged twice, but the HTML tab is refreshed once.
            QSignalSpy refreshes(window.source, &QPlainTextEdit::textChanged);
            window.trigger("action" + command);
            QCOMPARE(refreshes.count(), 1);
            QCOMPARE(window.source->toPlainText(), window.view->toHtml());
            QTextEdit expectedView;
            expectedView.setHtml(expected);
            QCOMPARE(fontsOf(window.view), fontsOf(&expectedView));
            QCOMPARE(window.view->textCursor().anchor(), anchor);
            QCOMPARE(window.view->textCursor().position(), position);
        }
    }

    void print()
    {
        // The view holds "alpha beta" and "second line" as two paragraphs; Qt
        // numbers the printed page at its foot.
        for (const auto& [selectionOnly, printed] :
             {std::pair{false, QStringList{"alpha", "beta", "second", "line", "1"}},
              {true, QStringList{"beta", "second", "1"}}}) {
            Window window;
            window.view->setHtml("<p>alpha <b>beta</b></p><p>second line</p>");
            select(window.view, 6, selectionOnly ? 17 : 6);
            // The rich-text view is printed even while the HTML source shows.
            window.findChild<QTabWidget*>(u"tabWidget"_s)->setCurrentIndex(1);

            const QString pdf = workDir.filePath("print.pdf");
            const auto printToPdf = [&](QDialog* dialog) {
                // The selection is offered only when there is one.
                auto* print = qobject_cast<QPrintDialog*>(dialog);
                QCOMPARE(print->testOption(QPrintDialog::PrintSelection), selectionOnly);
                auto* printers = dialog->findChild<QComboBox*>("printers");
                printers->setCurrentIndex(printers->findText("PDF", Qt::MatchContains));
                dialog->findChild<QLineEdit*>("filename")->setText(pdf);
                dialog->findChild<QRadioButton*>("printSelection")->setChecked(selectionOnly);
                dialog->accept();
            };
            handleModal([&] { window.trigger(u"actionPrint"_s); }, printToPdf);
            QCOMPARE(runTool("pdftotext", {pdf, "-"}).simplified().split(u' '), printed);
            // Printed with its formatting: the bold word in a bold font.
            QVERIFY(runTool("pdffonts", {pdf}).contains("Bold"));
        }
    }

    void russianSwitchesBothWays()
    {
        Window window;
        AboutBox* about = aboutBox();
        const QStringList english = formTexts(&window) + formTexts(about);
        const QList<QKeySequence> shortcuts = shortcutsOf(&window);
        {
            const kestrano::Translations russian({u"ru"_s});
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            // Switched while open, the forms say what they say when built in Russian.
            const Window started;
            const AboutBox startedAbout;
            QCOMPARE(formTexts(&window) + formTexts(about),
                     formTexts(&started) + formTexts(&startedAbout));
            QCOMPARE(window.transcribe->text(), u"Транскрибировать!"_s);
            QCOMPARE(about->windowTitle(), u"О программе Kestrano"_s);
            QCOMPARE(shortcutsOf(&window), shortcuts);

            QVERIFY(QFile::remove(americanFile));
            const QString warning = messageFrom([&] { window.transcribe->click(); }).value(0);
            QVERIFY2(
                warning.startsWith(u"Не удалось прочитать словарь произношения «"_s + americanFile),
                qPrintable(warning));
            // Qt's own dialogs speak Russian too; asking for a selection does not.
            handleModal([&] { window.trigger(u"actionPrint"_s); },
                        [](QDialog* dialog) {
                            QCOMPARE(dialog->windowTitle(), u"Печать документа"_s);
                            auto* buttons = dialog->findChild<QDialogButtonBox*>();
                            QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(),
                                     u"Отмена"_s);
                        });
            QCOMPARE(messageFrom([&] { window.trigger(u"actionSpeak"_s); }).value(0),
                     u"Select some text first."_s);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(formTexts(&window) + formTexts(about), english);
    }

    // Translated labels are longer; none may be cut off at the start-up size.
    void optionsFitInEveryLanguage()
    {
        QList<QStringList> languages{{}};
        for (const QString& file : QDir(u":/translations"_s).entryList()) {
            languages << QStringList{file.section(u'_', 1).section(u'.', 0, 0)};
        }
        QVERIFY(languages.contains(QStringList{u"ru"_s}));
        for (const QStringList& language : languages) {
            const kestrano::Translations translations(language);
            QCOMPARE(translations.language() == QLocale::English, language.isEmpty());
            Window window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.size(), QSize(993, 605));
            const QAbstractButton* labelled[] = {window.includeText, window.british,
                                                 window.american, window.transliterate,
                                                 window.transcribe};
            for (const QAbstractButton* button : labelled) {
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            }
        }
    }

    void speakReadsTheLastSelection()
    {
        Window window;
        const auto speak = [&] { return messageFrom([&] { window.trigger(u"actionSpeak"_s); }); };
        // The input holds its start text, but nothing was selected.
        QCOMPARE(speak(), QStringList({"Select some text first.", ""}));

        window.input->setPlainText("The quick brown fox");
        select(window.input, 4, 9);
        window.input->moveCursor(QTextCursor::End); // the cleared selection is still read
        QCOMPARE(window.textToSpeak(), u"quick"_s);
        QCOMPARE(speak(), QStringList());

        window.view->setPlainText(u"/\u00F0\u0259 kw\u02C8\u026Ak/"_s);
        select(window.view, 1, 3);
        window.source->selectAll(); // the source never counts
        QCOMPARE(window.textToSpeak(), u"\u00F0\u0259"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
