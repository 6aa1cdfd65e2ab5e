#include "MainWindow.h"
#include "ModalDialogs.h"

#include <QAction>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

template <typename Editor> void selectIn(Editor* editor, const QString& text, int start, int end)
{
    editor->setPlainText(text);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

struct MessageSeen
{
    bool shown = false;
    QString text;
    bool hasParent = true;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
};

MessageSeen speak(MainWindow& window)
{
    MessageSeen seen;
    seen.shown = handleModalDialog([&] { window.findChild<QAction*>("actionSpeak")->trigger(); },
                                   [&](QDialog* dialog) {
                                       auto* box = qobject_cast<QMessageBox*>(dialog);
                                       QVERIFY(box);
                                       seen.text = box->text();
                                       seen.hasParent = box->parentWidget() != nullptr;
                                       seen.icon = box->icon();
                                       seen.buttons = box->standardButtons();
                                       box->button(QMessageBox::Ok)->click();
                                   });
    return seen;
}

} // namespace

class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void speakBeforeAnySelectionAsksForOne();
    void lastNonEmptySelectionIsRead();
    void paragraphsKeepTheirSeparator();
    void stopWithNothingReadShowsNothing();

private:
    QTemporaryDir workDir;
};

void TestSpeech::initTestCase()
{
    QVERIFY(workDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, workDir.filePath("settings"));
}

void TestSpeech::speakBeforeAnySelectionAsksForOne()
{
    MainWindow window;
    // The input holds its start text, but nothing was selected.
    QVERIFY(!window.findChild<QPlainTextEdit*>("plainTextEdit")->toPlainText().isEmpty());
    const MessageSeen seen = speak(window);
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QStringLiteral("Select some text first."));
    QVERIFY(!seen.hasParent);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(window.textToSpeak().isEmpty());
}

void TestSpeech::lastNonEmptySelectionIsRead()
{
    MainWindow window;
    auto* input = window.findChild<QPlainTextEdit*>("plainTextEdit");
    auto* output = window.findChild<QTextEdit*>("textEdit");
    auto* html = window.findChild<QPlainTextEdit*>("plainTextEdit_2");

    selectIn(input, "The quick brown fox", 4, 9);
    QCOMPARE(window.textToSpeak(), QStringLiteral("quick"));
    // Clearing the selection keeps what was selected.
    input->moveCursor(QTextCursor::End);
    QCOMPARE(window.textToSpeak(), QStringLiteral("quick"));
    QVERIFY(!speak(window).shown);

    selectIn(output, "/ðə kwˈɪk/", 1, 3);
    QCOMPARE(window.textToSpeak(), QStringLiteral("ðə"));
    // The HTML source never counts.
    selectIn(html, "<p>source</p>", 0, 8);
    QCOMPARE(window.textToSpeak(), QStringLiteral("ðə"));
    output->moveCursor(QTextCursor::Start);
    QCOMPARE(window.textToSpeak(), QStringLiteral("ðə"));

    selectIn(input, "The quick brown fox", 10, 15);
    QCOMPARE(window.textToSpeak(), QStringLiteral("brown"));
    QVERIFY(!speak(window).shown);
}

void TestSpeech::paragraphsKeepTheirSeparator()
{
    MainWindow window;
    selectIn(window.findChild<QPlainTextEdit*>("plainTextEdit"), "one\ntwo", 0, 7);
    QCOMPARE(window.textToSpeak(), QStringLiteral("one\u2029two"));
    selectIn(window.findChild<QTextEdit*>("textEdit"), "three\nfour", 2, 8);
    QCOMPARE(window.textToSpeak(), QStringLiteral("ree\u2029fo"));
}

void TestSpeech::stopWithNothingReadShowsNothing()
{
    MainWindow window;
    const bool shown = handleModalDialog(
        [&] { window.findChild<QAction*>("actionStop_Speaking")->trigger(); }, [](QDialog*) {});
    QVERIFY(!shown);
    // Speak then Stop at once: the reading is cut off without a message.
    selectIn(window.findChild<QPlainTextEdit*>("plainTextEdit"), "Hello there", 0, 5);
    QVERIFY(!speak(window).shown);
    QVERIFY(!handleModalDialog(
        [&] { window.findChild<QAction*>("actionStop_Speaking")->trigger(); }, [](QDialog*) {}));
}

QTEST_MAIN(TestSpeech)
#include "TestSpeech.moc"
