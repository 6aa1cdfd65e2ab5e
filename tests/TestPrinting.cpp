#include "MainWindow.h"
#include "ModalDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    }
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

// The height of each word's box on the page, by word.
QHash<QString, double> wordHeightsIn(const QString& pdf)
{
    static const QRegularExpression word("<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\" "
                                         "xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    QHash<QString, double> heights;
    const QString boxes = runTool("pdftotext", {"-bbox", pdf, "-"});
    for (auto match = word.globalMatch(boxes); match.hasNext();) {
        const auto found = match.next();
        heights.insert(found.captured(3),
                       found.captured(2).toDouble() - found.captured(1).toDouble());
    }
    return heights;
}

// Fills in the toolkit's print dialog as a user would: printing to a PDF
// file, of the selection or of everything.
void printToFile(QDialog* dialog, const QString& pdf, bool selectionOnly)
{
    auto* printers = dialog->findChild<QComboBox*>("printers");
    QVERIFY(printers);
    const int pdfPrinter = printers->findText("PDF", Qt::MatchContains);
    QVERIFY(pdfPrinter >= 0);
    printers->setCurrentIndex(pdfPrinter);
    auto* fileName = dialog->findChild<QLineEdit*>("filename");
    QVERIFY(fileName);
    fileName->setText(pdf);
    if (selectionOnly) {
        auto* selection = dialog->findChild<QRadioButton*>("printSelection");
        QVERIFY(selection && selection->isEnabled());
        selection->setChecked(true);
    }
    dialog->accept();
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void printThroughTheDialog_data();
    void printThroughTheDialog();
    void printKeepsFormatting();
    void printAndPreviewResolutions();
    void previewShowsTheRichTextView_data();
    void previewShowsTheRichTextView();

private:
    QTextEdit* textEdit(MainWindow& window) { return window.findChild<QTextEdit*>("textEdit"); }
    void select(MainWindow& window, int start, int end);

    QTemporaryDir workDir;
};

void TestPrinting::initTestCase()
{
    QVERIFY(workDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, workDir.filePath("settings"));
    QVERIFY2(runTool("pdftotext", {"-v"}).isEmpty(), "pdftotext (poppler-utils) is needed");
}

void TestPrinting::select(MainWindow& window, int start, int end)
{
    QTextCursor cursor = textEdit(window)->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    textEdit(window)->setTextCursor(cursor);
}

void TestPrinting::printThroughTheDialog_data()
{
    QTest::addColumn<int>("selectionStart"); // -1: no selection
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<bool>("selectionOnly");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("printed"); // null: no file at all

    // The view holds "alpha beta" and "second line" as two paragraphs.
    const QStringList everything = {"alpha", "beta", "second", "line"};
    QTest::newRow("whole document") << -1 << -1 << false << true << everything;
    QTest::newRow("selection offered, all chosen") << 6 << 10 << false << true << everything;
    QTest::newRow("selection only") << 6 << 10 << true << true << QStringList{"beta"};
    QTest::newRow("selection across paragraphs")
        << 6 << 17 << true << true << QStringList{"beta", "second"};
    QTest::newRow("cancelled") << 6 << 10 << true << false << QStringList();
}

void TestPrinting::printThroughTheDialog()
{
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);
    QFETCH(bool, selectionOnly);
    QFETCH(bool, accept);
    QFETCH(QStringList, printed);

    MainWindow window;
    textEdit(window)->setHtml("<p>alpha beta</p><p>second line</p>");
    if (selectionStart >= 0) {
        select(window, selectionStart, selectionEnd);
    }
    const QString pdf = workDir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    const bool opened =
        handleModalDialog([&] { window.findChild<QAction*>("actionPrint")->trigger(); },
                          [&](QDialog* dialog) {
                              QVERIFY(qobject_cast<QPrintDialog*>(dialog));
                              if (accept) {
                                  printToFile(dialog, pdf, selectionOnly);
                              } else {
                                  dialog->findChild<QLineEdit*>("filename")->setText(pdf);
                                  dialog->reject();
                              }
                          });
    QVERIFY(opened);
    QCOMPARE(QFile::exists(pdf), accept);
    if (accept) {
        QCOMPARE(wordsIn(pdf), printed);
    }
}

void TestPrinting::printKeepsFormatting()
{
    MainWindow window;
    textEdit(window)->setHtml("<p>alpha beta gamma</p>");
    select(window, 8, 8); // the caret inside "beta"
    window.findChild<QAction*>("actionBold")->trigger();
    window.findChild<QAction*>("actionBigger")->trigger();
    window.findChild<QAction*>("actionBigger")->trigger();

    const QString pdf = workDir.filePath("formatted.pdf");
    QVERIFY(handleModalDialog([&] { window.findChild<QAction*>("actionPrint")->trigger(); },
                              [&](QDialog* dialog) { printToFile(dialog, pdf, false); }));
    QVERIFY(runTool("pdffonts", {pdf}).contains("Bold"));
    const QHash<QString, double> heights = wordHeightsIn(pdf);
    QVERIFY(heights.value("alpha") > 0);
    QCOMPARE(heights.value("gamma"), heights.value("alpha"));
    QVERIFY2(heights.value("beta") > 1.2 * heights.value("alpha"),
             qPrintable(QStringLiteral("beta %1, alpha %2")
                            .arg(heights.value("beta"))
                            .arg(heights.value("alpha"))));
}

void TestPrinting::printAndPreviewResolutions()
{
    MainWindow window;
    int printResolution = 0;
    int previewResolution = 0;
    QString printTitle;
    handleModalDialog([&] { window.findChild<QAction*>("actionPrint")->trigger(); },
                      [&](QDialog* dialog) {
                          printTitle = dialog->windowTitle();
                          printResolution =
                              static_cast<QPrintDialog*>(dialog)->printer()->resolution();
                      });
    handleModalDialog([&] { window.findChild<QAction*>("actionPrintPreview")->trigger(); },
                      [&](QDialog* dialog) {
                          previewResolution =
                              static_cast<QPrintPreviewDialog*>(dialog)->printer()->resolution();
                      });
    QCOMPARE(printTitle, QStringLiteral("Print Document"));
    QCOMPARE(printResolution, QPrinter(QPrinter::ScreenResolution).resolution());
    QCOMPARE(previewResolution, QPrinter(QPrinter::HighResolution).resolution());
    QVERIFY(previewResolution > printResolution);
}

void TestPrinting::previewShowsTheRichTextView_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("Regular tab") << "<p>alpha <b>beta</b></p>" << 0 << QStringList{"alpha", "beta"};
    // Not the HTML source, although that is what shows.
    QTest::newRow("HTML tab") << "<p>alpha <b>beta</b></p>" << 1 << QStringList{"alpha", "beta"};
    QTest::newRow("empty") << "" << 0 << QStringList();
}

void TestPrinting::previewShowsTheRichTextView()
{
    QFETCH(QString, html);
    QFETCH(int, tab);
    QFETCH(QStringList, printed);
    MainWindow window;
    textEdit(window)->setHtml(html);
    window.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(tab);

    // Printing from the preview goes through the same painting as the pages
    // shown, so its PDF shows what the preview showed.
    const QString pdf =
        workDir.filePath(QStringLiteral("preview %1.pdf").arg(QTest::currentDataTag()));
    int pages = 0;
    QVERIFY(handleModalDialog([&] { window.findChild<QAction*>("actionPrintPreview")->trigger(); },
                              [&](QDialog* dialog) {
                                  auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
                                  QVERIFY(preview);
                                  QCOMPARE(preview->parentWidget(), &window);
                                  auto* pagesWidget = preview->findChild<QPrintPreviewWidget*>();
                                  pages = pagesWidget->pageCount();
                                  preview->printer()->setOutputFormat(QPrinter::PdfFormat);
                                  preview->printer()->setOutputFileName(pdf);
                                  pagesWidget->print();
                              }));
    QCOMPARE(pages, 1);
    QCOMPARE(wordsIn(pdf), printed);
}

QTEST_MAIN(TestPrinting)
#include "TestPrinting.moc"
