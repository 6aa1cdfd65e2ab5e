// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "CyrillicTransliteration.h"
#include "DictionaryPaths.h"
#include "EspeakGuesser.h"
#include "MemoryEstimate.h"
#include "PersonalWordList.h"
#include "ProductIdentity.h"
#include "TranscriptionDocument.h"
#include "ui_mainwindow.h"
#include "winsparkle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSettings>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextToSpeech>
#include <QUrl>

#include <new>

namespace {

const QString languageVariantKey = QStringLiteral("language_variant");
const QString withTransliterationKey = QStringLiteral("with_transliteration");
const QString includeOriginalTextKey = QStringLiteral("include_original_text");
const QString americanVariant = QStringLiteral("American");
const QString britishVariant = QStringLiteral("British");

// Below this point size Smaller stops shrinking, so text never becomes
// unreadably small by repeated presses.
constexpr int smallestShrinkableSize = 8;
constexpr double sizeStep = 2.0;

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), speech(new QTextToSpeech())
{
    win_sparkle_set_appcast_url(kestrano::product::updateFeedUrl);
    win_sparkle_init();

    ui->setupUi(this);

    // The settings store is found by these names, so they must be set before
    // the options are read.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kestrano::product::organizationName));
    QCoreApplication::setOrganizationDomain(
        QString::fromLatin1(kestrano::product::organizationDomain));
    QCoreApplication::setApplicationName(QString::fromLatin1(kestrano::product::applicationName));
    restoreOptions();

    connectSymbolKeyboard();
    ui->textEdit->setPronunciationGuessing(
        [this](const QString& form) { return wordOfNotFoundForm(form); },
        [this](const QString& word) { return bracketedGuess(word); });

    britishDictionaryPath = QString::fromLatin1(kestrano::britishDictionaryPath);
    americanDictionaryPath = QString::fromLatin1(kestrano::americanDictionaryPath);

    ui->plainTextEdit->setPlainText(QStringLiteral("Enter your text here."));

    // Qt 6.4 reports success for an engine that is not installed and leaves
    // the speech object unusable (it crashes on the next call or on delete),
    // so the Windows engine is asked for only where it exists.
    const QString windowsSpeechEngine = QStringLiteral("sapi");
    if (QTextToSpeech::availableEngines().contains(windowsSpeechEngine)) {
        speech->setEngine(windowsSpeechEngine, QVariantMap());
    }
    speech->setLocale(QLocale(QLocale::English, QLocale::LatinScript, QLocale::UnitedStates));
}

MainWindow::~MainWindow()
{
    win_sparkle_cleanup();
    delete ui;
    delete speech;
}

void MainWindow::closeEvent(QCloseEvent* /*event*/)
{
    saveOptions();
}

void MainWindow::showEvent(QShowEvent* /*event*/) {}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
    }
}

void MainWindow::restoreOptions()
{
    QSettings settings;
    // Anything but the two exact words keeps the form's default variety.
    const QString variant = settings.value(languageVariantKey).toString();
    if (variant == americanVariant) {
        ui->rdbAmerican->setChecked(true);
    } else if (variant == britishVariant) {
        ui->rdbBritish->setChecked(true);
    }
    ui->chkTransliterate->setChecked(settings.value(withTransliterationKey, false).toBool());
    ui->chkIncludeText->setChecked(settings.value(includeOriginalTextKey, true).toBool());
}

void MainWindow::saveOptions()
{
    QSettings settings;
    settings.setValue(includeOriginalTextKey, ui->chkIncludeText->isChecked());
    settings.setValue(languageVariantKey,
                      ui->rdbAmerican->isChecked() ? americanVariant : britishVariant);
    settings.setValue(withTransliterationKey, ui->chkTransliterate->isChecked());
}

void MainWindow::connectSymbolKeyboard()
{
    const QPushButton* const buttons[] = {
        ui->btnPhoneticSymbol_1,  ui->btnPhoneticSymbol_2,  ui->btnPhoneticSymbol_3,
        ui->btnPhoneticSymbol_4,  ui->btnPhoneticSymbol_5,  ui->btnPhoneticSymbol_6,
        ui->btnPhoneticSymbol_7,  ui->btnPhoneticSymbol_8,  ui->btnPhoneticSymbol_9,
        ui->btnPhoneticSymbol_10, ui->btnPhoneticSymbol_11, ui->btnPhoneticSymbol_12,
        ui->btnPhoneticSymbol_13, ui->btnPhoneticSymbol_14, ui->btnPhoneticSymbol_15,
        ui->btnPhoneticSymbol_16, ui->btnPhoneticSymbol_17, ui->btnPhoneticSymbol_18,
        ui->btnPhoneticSymbol_19, ui->btnPhoneticSymbol_20, ui->btnPhoneticSymbol_21,
        ui->btnPhoneticSymbol_22, ui->btnPhoneticSymbol_23, ui->btnPhoneticSymbol_24,
        ui->btnPhoneticSymbol_25, ui->btnPhoneticSymbol_26, ui->btnPhoneticSymbol_27,
        ui->btnPhoneticSymbol_28,
    };
    for (const QPushButton* button : buttons) {
        connect(button, SIGNAL(clicked()), this, SLOT(insertPhoneticSymbol()));
    }
}

void MainWindow::on_btnPhonetize_clicked()
{
    // A book-length text takes seconds; the pointer says the window is busy.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });

    QString dictionaryPath;
    if (ui->rdbBritish->isChecked()) {
        dictionaryPath = britishDictionaryPath;
    } else if (ui->rdbAmerican->isChecked()) {
        dictionaryPath = americanDictionaryPath;
    }
    const kestrano::DictionaryLoadResult loaded =
        kestrano::loadDictionary(dictionaryPath.toStdString());
    if (!loaded) {
        // Without its dictionary every word would come back untranscribed,
        // which looks like a broken program rather than a missing file.
        reportUnreadableDictionary(dictionaryPath, QString::fromLocal8Bit(loaded.reason));
        return;
    }
    addPersonalWordList(selectedVariety() == kestrano::Variety::British);

    // Read beside the dictionaries at every press, like them; without it
    // every homograph keeps the dictionary's reading.
    const kestrano::HomographTable homographs =
        kestrano::loadHomographTable(kestrano::homographPath);
    const kestrano::TranscriptionEngine engine(kestrano::pronunciationDictionary(),
                                               {selectedVariety(), &homographs});
    TranscriptionOptions options;
    options.includeOriginalText = ui->chkIncludeText->isChecked();
    options.transliterate = ui->chkTransliterate->isChecked();
    QString document;
    try {
        document = composeTranscriptionDocument(ui->plainTextEdit->toPlainText(), options, engine);
    } catch (const std::bad_alloc&) {
        // The previous output stays; the input was never touched.
        reportTextTooLarge();
        return;
    }
    // Showing a document the system cannot hold would end in the process
    // being killed, and the user's text with it.
    if (tooLargeToShow(document)) {
        reportTextTooLarge();
        return;
    }
    showTranscription(document);
}

kestrano::Variety MainWindow::selectedVariety() const
{
    return ui->rdbAmerican->isChecked() ? kestrano::Variety::American : kestrano::Variety::British;
}

void MainWindow::showTranscription(const QString& document)
{
    {
        const QScopedValueRollback showing(showingTranscription, true);
        ui->textEdit->setHtml(document);
    }
    // The HTML tab shows the document as composed, not the view's export.
    ui->plainTextEdit_2->setPlainText(document);
}

void MainWindow::reportTextTooLarge()
{
    QMessageBox::warning(this, windowTitle(),
                         tr("There is not enough free memory to transcribe this text at once. "
                            "Transcribe it in smaller parts."));
}

void MainWindow::reportUnreadableDictionary(const QString& path, const QString& reason)
{
    QMessageBox message(
        QMessageBox::Warning, windowTitle(),
        tr("The pronunciation dictionary \"%1\" could not be read: %2.").arg(path, reason),
        QMessageBox::Ok, this);
    message.setInformativeText(tr("Dictionary paths are relative to the folder that Kestrano "
                                  "was started from:\n%1")
                                   .arg(QDir::toNativeSeparators(QDir::currentPath())));
    message.exec();
}

void MainWindow::addPersonalWordList(bool british)
{
    const QString path = kestrano::personalWordListPath(british);
    const QFileInfo file(path);
    if (!file.exists()) {
        return; // most users keep no list of their own
    }
    const kestrano::DictionaryLoadResult added =
        kestrano::addWordList(QFile::encodeName(path).toStdString());
    QString problem;
    if (!added) {
        problem = tr("Your word list \"%1\" could not be read: %2.")
                      .arg(path, QString::fromLocal8Bit(added.reason));
    } else if (added.entries == 0 && file.size() > 0) {
        problem = tr("Your word list \"%1\" holds no entry that Kestrano can read.").arg(path);
    }
    if (problem.isEmpty()) {
        return;
    }
    QMessageBox message(QMessageBox::Warning, windowTitle(), problem, QMessageBox::Ok, this);
    message.setInformativeText(
        tr("Each line must be a number, a TAB, the word, a TAB and its pronunciation in "
           "PhonemeCode letters, for example:\n1\tOkafor\tqu'kRfL\n"
           "This text is transcribed without your words."));
    message.exec();
}

QString MainWindow::wordOfNotFoundForm(const QString& form) const
{
    const QString inner = form.mid(1, form.size() - 2);
    static const QRegularExpression latinWord(QStringLiteral("^[A-Za-z']*[A-Za-z][A-Za-z']*$"));
    if (latinWord.match(inner).hasMatch()) {
        return inner.size() <= qsizetype(kestrano::EspeakGuesser::longestWord) ? inner : QString();
    }
    // In Cyrillic the form has lost its word; the input's words that the
    // dictionary lacks tell it, when exactly one of them gives this form.
    QString word;
    // Read as the press reads it, so that the parts of a joined word are
    // found; no homograph's reading makes or hides a not-found form.
    const kestrano::TranscriptionEngine engine(kestrano::pronunciationDictionary(),
                                               {selectedVariety(), nullptr});
    for (const QString& piece : transcriptionPieces(ui->plainTextEdit->toPlainText())) {
        for (const kestrano::WordTranscription& entry :
             engine.transcribeWords(piece.toStdU16String())) {
            if (entry.source != kestrano::WordSource::NotFound ||
                kestrano::transliterateToCyrillic(entry.code) != form.toStdU16String()) {
                continue;
            }
            const QString found = QString::fromStdU16String(entry.code).mid(1).chopped(1);
            if (!word.isEmpty() && found.compare(word, Qt::CaseInsensitive) != 0) {
                return {};
            }
            word = found;
        }
    }
    return latinWord.match(word).hasMatch() ? word : QString();
}

QString MainWindow::bracketedGuess(const QString& word)
{
    const kestrano::EspeakGuesser guesser(selectedVariety() == kestrano::Variety::British
                                              ? kestrano::EspeakVoice::EnGb
                                              : kestrano::EspeakVoice::EnUs);
    const std::u16string code = guesser.guess(word.toStdU16String());
    if (code.empty()) {
        const QString reason = QString::fromStdString(guesser.unavailableReason());
        QMessageBox::warning(this, windowTitle(),
                             reason.isEmpty()
                                 ? tr("No pronunciation could be guessed for \"%1\".").arg(word)
                                 : tr("Pronunciations cannot be guessed: %1.").arg(reason));
        return {};
    }
    std::u16string guess;
    kestrano::appendGuessedIpa(guess, code);
    if (ui->chkTransliterate->isChecked()) {
        guess = kestrano::transliterateToCyrillic(std::move(guess));
    }
    return QString::fromStdU16String(guess);
}

void MainWindow::insertPhoneticSymbol()
{
    const auto* button = qobject_cast<const QAbstractButton*>(sender());
    if (!button) {
        return;
    }
    ui->textEdit->insertPlainText(button->text());
    ui->textEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::mergeFormatOnWordOrSelection(const QTextCharFormat& change)
{
    // A copy, so that the word selection does not show in the view.
    QTextCursor cursor = ui->textEdit->textCursor();
    if (!cursor.hasSelection()) {
        cursor.select(QTextCursor::WordUnderCursor);
    }
    // One edit block: one undo step and one refresh of the HTML tab, although
    // a selection is merged twice.
    cursor.beginEditBlock();
    cursor.mergeCharFormat(change);
    ui->textEdit->mergeCurrentCharFormat(change);
    cursor.endEditBlock();
}

// The toggles and sizes follow the one character before the caret, so a
// selection of mixed formatting comes out uniform.

void MainWindow::on_actionBold_triggered()
{
    QTextCharFormat change;
    const QFont current = ui->textEdit->currentCharFormat().font();
    change.setFontWeight(current.weight() > QFont::Medium ? QFont::Normal : QFont::Bold);
    mergeFormatOnWordOrSelection(change);
}

void MainWindow::on_actionItalic_triggered()
{
    QTextCharFormat change;
    const QFont current = ui->textEdit->currentCharFormat().font();
    change.setFontItalic(current.style() == QFont::StyleNormal);
    mergeFormatOnWordOrSelection(change);
}

void MainWindow::on_actionUnderline_triggered()
{
    QTextCharFormat change;
    const QFont current = ui->textEdit->currentCharFormat().font();
    change.setFontUnderline(!current.underline());
    mergeFormatOnWordOrSelection(change);
}

void MainWindow::on_actionBigger_triggered()
{
    QTextCharFormat change;
    // A pixel-sized font reads -1 here and so jumps to 1 point.
    const int pointSize = ui->textEdit->currentCharFormat().font().pointSize();
    change.setFontPointSize(pointSize + sizeStep);
    mergeFormatOnWordOrSelection(change);
}

void MainWindow::on_actionSmaller_triggered()
{
    QTextCharFormat change;
    const int pointSize = ui->textEdit->currentCharFormat().font().pointSize();
    if (pointSize >= smallestShrinkableSize) {
        change.setFontPointSize(pointSize - sizeStep);
    }
    mergeFormatOnWordOrSelection(change);
}

void MainWindow::on_actionZoom_In_triggered()
{
    ui->textEdit->zoomIn(1);
}

void MainWindow::on_actionZoom_Out_triggered()
{
    ui->textEdit->zoomOut(1);
}

void MainWindow::on_actionAbout_triggered()
{
    aboutBox.show();
}

void MainWindow::on_actionCheck_for_updates_triggered()
{
    win_sparkle_check_update_with_ui();
}

void MainWindow::on_actionGo_to_Kestrano_website_triggered()
{
    QDesktopServices::openUrl(
        QUrl(QString::fromLatin1(kestrano::product::websiteUrl), QUrl::TolerantMode));
}

void MainWindow::on_actionPrint_triggered()
{
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Document"));
    if (ui->textEdit->textCursor().hasSelection()) {
        dialog.setOption(QAbstractPrintDialog::PrintSelection);
    }
    if (dialog.exec() == QDialog::Accepted) {
        ui->textEdit->print(&printer);
    }
}

void MainWindow::on_actionPrintPreview_triggered()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, SIGNAL(paintRequested(QPrinter*)), this, SLOT(printPreview(QPrinter*)));
    preview.exec();
}

void MainWindow::printPreview(QPrinter* printer)
{
    ui->textEdit->print(printer);
}

void MainWindow::on_actionSpeak_triggered()
{
    if (selectedText.isEmpty()) {
        QMessageBox message;
        message.setText(QStringLiteral("Select some text first."));
        message.exec();
        return;
    }
    speech->say(selectedText);
}

void MainWindow::on_actionStop_Speaking_triggered()
{
    speech->stop();
}

void MainWindow::on_textEdit_textChanged()
{
    if (showingTranscription) {
        return;
    }
    ui->plainTextEdit_2->setPlainText(ui->textEdit->toHtml());
}

// Speak reads the last selection made in either editor, even after it was
// cleared, so an empty selection leaves the remembered text alone.

void MainWindow::on_textEdit_selectionChanged()
{
    rememberSelection(ui->textEdit->textCursor());
}

void MainWindow::on_plainTextEdit_selectionChanged()
{
    rememberSelection(ui->plainTextEdit->textCursor());
}

void MainWindow::rememberSelection(const QTextCursor& cursor)
{
    if (cursor.hasSelection()) {
        selectedText = cursor.selectedText();
    }
}
