// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AboutBox.h"

#include "Variety.h"

#include <QMainWindow>
#include <QString>

class QPrinter;
class QTextCharFormat;
class QTextCursor;
class QTextToSpeech;

namespace Ui {
class MainWindow;
}

// The program's one window: the input editor, the two output views, the
// transcription options, the phonetic symbol keyboard and the menus.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // What Speak reads: the last non-empty selection made in the input
    // editor or the rich-text view, however long ago.
    const QString& textToSpeak() const { return selectedText; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_btnPhonetize_clicked();
    void insertPhoneticSymbol();
    void on_actionBold_triggered();
    void on_actionItalic_triggered();
    void on_actionUnderline_triggered();
    void on_actionBigger_triggered();
    void on_actionSmaller_triggered();
    void on_actionZoom_In_triggered();
    void on_actionZoom_Out_triggered();
    void on_actionAbout_triggered();
    void on_actionCheck_for_updates_triggered();
    void on_actionGo_to_Kestrano_website_triggered();
    void on_actionPrint_triggered();
    void on_actionPrintPreview_triggered();
    void on_actionSpeak_triggered();
    void on_actionStop_Speaking_triggered();
    void on_textEdit_textChanged();
    void on_textEdit_selectionChanged();
    void on_plainTextEdit_selectionChanged();
    void printPreview(QPrinter* printer);

private:
    void restoreOptions();
    void saveOptions();
    void connectSymbolKeyboard();
    void reportUnreadableDictionary(const QString& path, const QString& reason);
    // Lays the user's own words for the variety over the loaded dictionary;
    // a list that cannot be used is reported, and the press goes on without it.
    void addPersonalWordList(bool british);
    // For the view's "Guess the pronunciation": the word that a not-found
    // form stands for, and the bracketed guess that replaces it.
    QString wordOfNotFoundForm(const QString& form) const;
    QString bracketedGuess(const QString& word);
    void reportTextTooLarge();
    void showTranscription(const QString& document);
    // How the text is read: by the radio buttons, as the dictionary is chosen.
    kestrano::Variety selectedVariety() const;
    void rememberSelection(const QTextCursor& cursor);
    // Applies `change` to the selection, or to the word under the caret, and
    // to what is typed next.
    void mergeFormatOnWordOrSelection(const QTextCharFormat& change);

    Ui::MainWindow* ui;
    AboutBox aboutBox;
    QTextToSpeech* speech;
    QString selectedText;
    QString britishDictionaryPath;
    QString americanDictionaryPath;
    // Set while a press puts its document into the view: the HTML tab then
    // gets the document itself, so exporting the view for it is wasted.
    bool showingTranscription = false;
};
