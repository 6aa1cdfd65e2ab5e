// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutBox.h"
#include "DesktopIdentity.h"
#include "MainWindow.h"
#include "NotFoundForm.h"
#include "TableData.h"
#include "TranscriptionDocument.h"
#include "Translations.h"
#include "UpdateDialog.h"
#include "winsparkle.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

const QString americanFile = u"data/american_transcription-abridged.txt"_s;

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

    void trigger(const QString& action) { findChild<QAction*>(u"action"_s + action)->trigger(); }
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

// Opens the rich-text view's context menu at `cursor`, as the keyboard's menu
// key or a right click there would, and hands the menu to `handle`; the
// menu is closed afterwards.
template <typename H>
void contextMenuAt(QTextEdit* view, const QTextCursor& cursor, QContextMenuEvent::Reason reason,
                   const H& handle)
{
    view->setTextCursor(cursor);
    const QPoint at = view->cursorRect(cursor).center();
    QContextMenuEvent event(reason, at, view->viewport()->mapToGlobal(at));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            poll.stop();
            handle(menu);
            menu->close();
        }
    });
    poll.start(10);
    QApplication::sendEvent(view->viewport(), &event);
}

// The cursor on the first `text` of the view, or selecting it.
QTextCursor find(const QTextEdit* view, const QString& text, bool select)
{
    QTextCursor found = view->document()->find(text);
    if (!select) {
        found.setPosition(found.selectionStart() + 2);
    }
    return found;
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

// The sizes that `icon` has pictures for, smallest first.
QList<int> iconSizes(const QIcon& icon)
{
    QList<int> sides;
    for (const QSize& size : icon.availableSizes()) {
        sides << size.width();
    }
    std::sort(sides.begin(), sides.end());
    sides.erase(std::unique(sides.begin(), sides.end()), sides.end());
    return sides;
}

// The form's texts that a language change must reach, and its shortcuts,
// which stay the same in every language.
std::pair<QStringList, QStringList> formTexts(const QWidget* window)
{
    QStringList texts{window->windowTitle()}, shortcuts;
    for (const QAction* action : window->findChildren<QAction*>()) {
        texts << action->text();
        shortcuts << action->shortcut().toString();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
        }
    }
    return {texts, shortcuts};
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir workDir;

private slots:
    void initTestCase()
    {
        // The personal word lists are looked for here, never in the user's own.
        qputenv("XDG_DATA_HOME", workDir.filePath("xdg").toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           workDir.filePath("settings"));
        QVERIFY(QDir::setCurrent(workDir.path()));
        QVERIFY(QDir().mkpath("data"));
    }

    void init()
    {
        // The window must set its identity itself before it reads the store.
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName(u"TestMainWindow"_s);
        QSettings(u"Brightfern"_s, u"Kestrano"_s).clear();
        // Two small dictionaries that tell the varieties apart by "tomato".
        for (const auto& [path, entries] :
             {std::pair{americanFile, "1\ttomato\ttqm'eItqu\n"},
              {u"data/lexora_eng_transcription.txt"_s, "1\ttomato\ttqm'Rtqu\n"}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(entries) > 0);
        }
    }

    void optionsSurviveARestart()
    {
        Window first;
        QVERIFY(first.american->isChecked());
        QVERIFY(first.includeText->isChecked());
        QVERIFY(!first.transliterate->isChecked());
        QCOMPARE(first.input->toPlainText(), u"Enter your text here."_s);
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
        QTest::mouseClick(window.transcribe, Qt::LeftButton);
        const QString html = window.source->toPlainText();
        QCOMPARE(html, composeTranscriptionDocument("tomato", {false, false}));
        QVERIFY(html.contains(u"t\u0259m\u02C8\u0251\u02D0t\u0259\u028A/"_s));
        QCOMPARE(window.view->toPlainText(), QTextDocumentFragment::fromHtml(html).toPlainText());
    }

    // The window reads the text before the lookup, with the homograph table
    // beside the dictionaries when there is one and silently without it.
    void runningTextIsRead()
    {
        QFile dictionary(u"data/lexora_eng_transcription.txt"_s);
        QVERIFY(dictionary.open(QIODevice::WriteOnly) &&
                dictionary.write("1\ti\taI\n1\thave\thqv\n1\tread\trJd\n1\t5\tfaIv\n"
                                 "1\tpounds\tpaundz\n") > 0);
        dictionary.close();
        QFile table(u"data/homographs.txt"_s);
        QVERIFY(table.open(QIODevice::WriteOnly) &&
                table.write("read\tpast\tred\tred\t\tafter have\n") > 0);
        table.close();
        Window window;
        window.british->setChecked(true);
        window.input->setPlainText(u"I have read \u00A35"_s);
        window.transcribe->click();
        QVERIFY2(window.source->toPlainText().contains(
                     u"/a\u026A h\u0259v red fa\u026Av pa\u028Andz/"_s),
                 qPrintable(window.source->toPlainText()));
        QVERIFY(table.remove());
        window.transcribe->click();
        QVERIFY2(window.source->toPlainText().contains(
                     u"/a\u026A h\u0259v ri\u02D0d fa\u026Av pa\u028Andz/"_s),
                 qPrintable(window.source->toPlainText()));
    }

    void missingDictionaryIsReported()
    {
        QVERIFY(QFile::remove(americanFile));
        Window window;
        window.view->setPlainText("earlier output");
        const QStringList message = messageFrom([&] { window.transcribe->click(); });
        QVERIFY2(message.value(0).contains(americanFile + u"\" could not be read: No such file"_s),
                 qPrintable(message.value(0)));
        QVERIFY(message.value(1).contains(QDir::toNativeSeparators(workDir.path())));
        QCOMPARE(window.view->toPlainText(), u"earlier output"_s);
        const kestrano::Translations russian({u"ru"_s});
        const QString translated = messageFrom([&] { window.transcribe->click(); }).value(0);
        QVERIFY2(translated.contains(u"словарь произношения «"_s + americanFile),
                 qPrintable(translated));
    }

    // The user's own words count from the next press, for their variety only;
    // a list that cannot be used is reported and the press goes on.
    void personalWordLists()
    {
        const QString british = workDir.filePath("xdg/kestrano/my-words-british.txt");
        QVERIFY(QDir().mkpath(QFileInfo(british).path()));
        Window window;
        window.british->setChecked(true);
        window.includeText->setChecked(false);
        window.input->setPlainText("Tomato Okafor");
        const auto press = [&] { return messageFrom([&] { window.transcribe->click(); }); };
        const auto write = [&](const QByteArray& bytes) {
            QFile file(british);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        };
        // Each row: the list's text, the view's text after a press, the
        // warning's start.
        const std::tuple<QByteArray, QString, QString> lists[] = {
            {"1\tOkafor\tqu'kRfL\n2\ttomato\ttq'mRtqu\n",
             u"/t\u0259\u02C8m\u0251\u02D0t\u0259\u028A \u0259\u028A\u02C8k\u0251\u02D0f\u0254\u02D0/"_s,
             {}},
            {"", u"/t\u0259m\u02C8\u0251\u02D0t\u0259\u028A (Okafor)/"_s, {}},
            {"Okafor qu'kRfL\n", u"/t\u0259m\u02C8\u0251\u02D0t\u0259\u028A (Okafor)/"_s,
             u"Your word list \""_s + british + u"\" holds no entry"_s},
        };
        for (const auto& [text, output, warning] : lists) {
            write(text);
            const QStringList message = press();
            QCOMPARE(message.isEmpty(), warning.isEmpty());
            QCOMPARE(message.value(0).left(warning.size()), warning);
            QVERIFY(warning.isEmpty() || message.value(1).contains(u"1\tOkafor\tqu'kRfL"_s));
            QCOMPARE(window.view->toPlainText(), output);
        }
        QVERIFY(QFile::remove(british) && QDir().mkdir(british));
        QVERIFY(press().value(0).endsWith(u"could not be read: Is a directory."_s));
        QCOMPARE(window.view->toPlainText(), std::get<1>(lists[1]));
        window.american->setChecked(true); // the British list is not read
        QCOMPARE(press(), QStringList());
        QVERIFY(QDir().rmdir(british));
    }

    // On a word in its not-found form, and only there, the view's context
    // menu offers a guess, which replaces the form in one undo step: in the
    // chosen variety and, when that option is on, in Cyrillic, also where the
    // form itself is Cyrillic.
    void guessFromTheContextMenu()
    {
        Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.british->setChecked(true);
        window.includeText->setChecked(false);
        window.input->setPlainText("Tomato Okafor. 21b");
        window.transcribe->click();
        const QString shown = window.view->toPlainText();
        QCOMPARE(shown, u"/t\u0259m\u02C8\u0251\u02D0t\u0259\u028A (Okafor)/\n/(21) (b)/"_s);

        // Each row: what the menu is opened on, whether it is selected, how
        // the menu is opened, and whether the entry is offered.
        const std::tuple<QString, bool, QContextMenuEvent::Reason, bool> places[] = {
            {u"(Okafor)"_s, false, QContextMenuEvent::Mouse, true},
            {u"Okafor"_s, true, QContextMenuEvent::Keyboard, true},
            {u"t\u0259m"_s, false, QContextMenuEvent::Mouse, false},
            {u"(21)"_s, false, QContextMenuEvent::Keyboard, false},
        };
        for (const auto& [text, selected, reason, offered] : places) {
            QList<QAction*> actions;
            QAction* guess = nullptr;
            contextMenuAt(window.view, find(window.view, text, selected), reason, [&](QMenu* menu) {
                actions = menu->actions();
                guess = menu->findChild<QAction*>(u"actionGuessPronunciation"_s);
            });
            QCOMPARE(guess != nullptr, offered);
            // Qt's own entries stay, after the guess and a separator.
            QVERIFY(actions.size() > (offered ? 5 : 3));
            QCOMPARE(actions.value(0) == guess, offered);
        }

        const auto guessAt = [&](const QString& form) {
            contextMenuAt(window.view, find(window.view, form, false), QContextMenuEvent::Mouse,
                          [&](QMenu* menu) {
                              auto* guess =
                                  menu->findChild<QAction*>(u"actionGuessPronunciation"_s);
                              QVERIFY(guess);
                              QCOMPARE(guess->text(), u"Guess the pronunciation"_s);
                              guess->trigger();
                          });
        };
        guessAt(u"(Okafor)"_s);
        QCOMPARE(window.view->toPlainText(),
                 QString(shown).replace(u"(Okafor)"_s, u"(\u02C8\u0252k\u00E6f\u0259)"_s));
        QCOMPARE(window.source->toPlainText(), window.view->toHtml());
        window.view->undo();
        QCOMPARE(window.view->toPlainText(), shown);

        window.american->setChecked(true);
        window.transliterate->setChecked(true);
        guessAt(u"(Okafor)"_s);
        QCOMPARE(window.view->toPlainText(),
                 QString(shown).replace(u"(Okafor)"_s,
                                        u"(\u02C8\u0430:\u043A\u042D\u0444\u044D\u0440)"_s));

        // A Cyrillic form is told by the input's word that gives it.
        window.british->setChecked(true);
        window.transcribe->click();
        QVERIFY(window.view->toPlainText().contains(u"(\u043A\u0430\u0444\u043E\u0440)"_s));
        guessAt(u"(\u043A\u0430\u0444\u043E\u0440)"_s);
        QVERIFY(window.view->toPlainText().contains(u"(\u02C8\u043E\u043A\u042D\u0444\u044D)"_s));

        // A word that espeak-ng says with sounds PhonemeCode lacks stays, and
        // the user is told.
        window.view->setPlainText(u"/(Aaaa)/"_s);
        const QStringList message = messageFrom([&] { guessAt(u"(Aaaa)"_s); });
        QCOMPARE(message.value(0), u"No pronunciation could be guessed for \"Aaaa\"."_s);
        QCOMPARE(window.view->toPlainText(), u"/(Aaaa)/"_s);
    }

    void notFoundForms()
    {
        for (TableRow row : readTable("not-found-forms.tsv")) {
            row.resize(2);
            QString text = QString::fromStdString(row[0]);
            const qsizetype caret = text.indexOf(u'|');
            const qsizetype open = text.indexOf(u'{');
            text.remove(u'|').remove(u'{').remove(u'}');
            QTextDocument document(text);
            QTextCursor cursor(&document);
            cursor.setPosition(caret >= 0 ? caret : open);
            if (caret < 0) {
                cursor.setPosition(QString::fromStdString(row[0]).indexOf(u'}') - 1,
                                   QTextCursor::KeepAnchor);
            }
            QCOMPARE(notFoundFormAt(cursor).selectedText(), QString::fromStdString(row[1]));
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

    // Each row: the command, the view's html, the selection's anchor and
    // position, and html that looks as the text must look afterwards.
    void formatCommands()
    {
        for (const TableRow& row : readTable("format-commands.tsv")) {
            Window window;
            window.view->setHtml(QString::fromStdString(row[1]));
            const int anchor = std::stoi(row[2]), position = std::stoi(row[3]);
            select(window.view, anchor, position);
            // A selection is merged twice, but the HTML tab is refreshed once.
            QSignalSpy refreshes(window.source, &QPlainTextEdit::textChanged);
            window.trigger(QString::fromStdString(row[0]));
            QCOMPARE(refreshes.count(), 1);
            QCOMPARE(window.source->toPlainText(), window.view->toHtml());
            QTextEdit expected;
            expected.setHtml(QString::fromStdString(row[4]));
            QVERIFY2(fontsOf(window.view) == fontsOf(&expected), row[4].c_str());
            QCOMPARE(window.view->textCursor().anchor(), anchor);
            QCOMPARE(window.view->textCursor().position(), position);
        }
    }

    // Printing the selection alone is offered only when there is one.
    void printOffersTheSelection()
    {
        Window window;
        window.view->setPlainText("alpha beta");
        QList<bool> offered;
        for (const int end : {0, 5}) {
            select(window.view, 0, end);
            handleModal([&] { window.trigger(u"Print"_s); },
                        [&](QDialog* dialog) {
                            offered << qobject_cast<QPrintDialog*>(dialog)->testOption(
                                QPrintDialog::PrintSelection);
                        });
        }
        QCOMPARE(offered, QList<bool>({false, true}));
    }

    // The About box is one, modeless and of a fixed size. Switched to each
    // compiled-in language while open, and back, both forms speak it, and no
    // text is cut off at the start-up size: translated texts are longer.
    void aboutBoxAndLanguages()
    {
        Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.trigger(u"About"_s);
        window.trigger(u"About"_s);
        QList<QWidget*> shown = QApplication::topLevelWidgets();
        shown.removeIf([](QWidget* widget) {
            return !qobject_cast<AboutBox*>(widget) || !widget->isVisible();
        });
        QCOMPARE(shown.size(), 1);
        QWidget* about = shown.first();
        QVERIFY(!about->isModal());
        about->resize(400, 300);
        QCOMPARE(about->size(), QSize(245, 201));
        // The number that the update check compares is the one shown here.
        QCOMPARE(about->findChild<QLabel*>("label_2")->text(),
                 QStringLiteral("Version " KESTRANO_VERSION));

        QStringList languages;
        for (const QString& file : QDir(u":/translations"_s).entryList()) {
            languages << file.section(u'_', 1).section(u'.', 0, 0);
        }
        QVERIFY(languages.contains(u"ru"_s));
        const auto englishTexts = formTexts(&window);
        // Title bars draw in bold. The English title fits beside the close
        // button at the box's fixed width; one no wider fits as well.
        QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        titleFont.setBold(true);
        const QFontMetrics titleBar(titleFont);
        const int englishTitleWidth = titleBar.horizontalAdvance(u"About Kestrano"_s);
        const QWidget* labelled[] = {window.includeText, window.british,
                                     window.american,    window.transliterate,
                                     window.transcribe,  about->findChild<QLabel*>("label_3")};
        for (const QString& language : languages << u"en"_s) {
            const kestrano::Translations translations({language});
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QCoreApplication::sendPostedEvents(); // the layouts follow the texts
            const bool english = language == u"en"_s;
            QCOMPARE(about->windowTitle() == u"About Kestrano"_s, english);
            QVERIFY2(titleBar.horizontalAdvance(about->windowTitle()) <= englishTitleWidth,
                     qPrintable(language + u": "_s + about->windowTitle()));
            // Every text of the open window follows, as a window built now
            // shows it; the shortcuts stay.
            const auto texts = formTexts(&window);
            const Window built;
            QCOMPARE(texts.first, formTexts(&built).first);
            QCOMPARE(texts.first == englishTexts.first, english);
            QCOMPARE(texts.second, englishTexts.second);
            QCOMPARE(window.size(), QSize(993, 605));
            for (const QWidget* widget : labelled) {
                const QSize needed = widget->hasHeightForWidth()
                                         ? QSize(0, widget->heightForWidth(widget->width()))
                                         : widget->sizeHint();
                QVERIFY2(widget->width() >= needed.width() && widget->height() >= needed.height(),
                         qPrintable(language + u": "_s + widget->objectName()));
            }
        }
    }

    // Every window shows the pictures of the Windows icon resource, and the
    // update window opens centred on the window that asked for it, kept
    // whole on the screen when that window is partly off it.
    void iconAndUpdateWindowPlace()
    {
        kestrano::setDesktopIdentity();
        QCOMPARE(QGuiApplication::desktopFileName(), u"kestrano"_s);
        // The largest picture of the Windows icon, the one a task switcher shows.
        QImageReader windowsIcon(u":/01.ico"_s);
        QVERIFY(windowsIcon.jumpToImage(3));
        const QImage largest =
            windowsIcon.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(largest.size(), QSize(256, 256));

        Window window;
        // No address: the check fails at once, and no network is asked.
        win_sparkle_set_appcast_url("");
        const QRect screen = window.screen()->availableGeometry();
        QWidget* update = nullptr;
        for (const QPoint shift : {QPoint(0, 0), QPoint(-900, 0), QPoint(0, 500)}) {
            window.move(screen.topLeft() + shift);
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            window.trigger(u"Check_for_updates"_s);
            const auto topLevels = QApplication::topLevelWidgets();
            const auto found = std::find_if(topLevels.begin(), topLevels.end(), [](QWidget* w) {
                return qobject_cast<kestrano::updater::UpdateDialog*>(w) && w->isVisible();
            });
            QVERIFY(found != topLevels.end());
            update = *found;
            const QRect placed = update->frameGeometry();
            QVERIFY2(screen.contains(placed), qPrintable(QDebug::toString(placed)));
            if (shift.isNull()) {
                const QPoint off = placed.center() - window.frameGeometry().center();
                QVERIFY2(off.manhattanLength() <= 1, qPrintable(QDebug::toString(off)));
            }
            update->close();
        }
        const auto topLevels = QApplication::topLevelWidgets();
        QWidget* about = *std::find_if(topLevels.begin(), topLevels.end(),
                                       [](QWidget* w) { return qobject_cast<AboutBox*>(w); });
        for (const QWidget* shown : {static_cast<QWidget*>(&window), about, update}) {
            const QIcon icon = shown->windowIcon();
            QCOMPARE(iconSizes(icon), QList<int>({16, 32, 48, 128, 256}));
            QCOMPARE(
                icon.pixmap(256).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                largest);
        }
    }

    void speakReadsTheLastSelection()
    {
        Window window;
        const auto speak = [&] { return messageFrom([&] { window.trigger(u"Speak"_s); }); };
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
