#include "AboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void isAFixedModelessDialogWithOnlyACloseButton();
    void layoutIsPlacedAsDrawn();
    void showsNameVersionNoticeAndLogo();
};

void TestAboutBox::isAFixedModelessDialogWithOnlyACloseButton()
{
    AboutBox box;
    QCOMPARE(box.objectName(), QStringLiteral("AboutBox"));
    QCOMPARE(box.windowTitle(), QStringLiteral("About Kestrano"));
    QVERIFY(!box.isModal());
    QCOMPARE(box.size(), QSize(245, 201));
    QCOMPARE(box.minimumSize(), QSize(245, 201));
    QCOMPARE(box.maximumSize(), QSize(245, 201));

    const Qt::WindowFlags flags = box.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    // Qt adds the title and system menu that a close button needs; no other
    // button is asked for.
    QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint));
    for (const Qt::WindowType unwanted :
         {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
          Qt::WindowContextHelpButtonHint}) {
        QVERIFY(!flags.testFlag(unwanted));
    }

    // Fixed: showing it and asking for another size changes nothing.
    box.show();
    box.resize(400, 300);
    QCOMPARE(box.size(), QSize(245, 201));
}

void TestAboutBox::layoutIsPlacedAsDrawn()
{
    AboutBox box;
    auto* layoutWidget = box.findChild<QWidget*>("layoutWidget");
    QCOMPARE(layoutWidget->parentWidget(), &box);
    QCOMPARE(layoutWidget->geometry(), QRect(30, 90, 183, 83));
    auto* layout = box.findChild<QVBoxLayout*>("verticalLayout");
    QCOMPARE(layout->parentWidget(), layoutWidget);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    QStringList order;
    for (int i = 0; i < layout->count(); ++i) {
        order << layout->itemAt(i)->widget()->objectName();
    }
    QCOMPARE(order, QStringList({"label", "label_2", "label_3"}));
    for (const QString& name : order) {
        QCOMPARE(box.findChild<QLabel*>(name)->alignment(), Qt::AlignCenter);
    }
}

void TestAboutBox::showsNameVersionNoticeAndLogo()
{
    AboutBox box;
    const auto label = [&](const char* name) {
        return box.findChild<QLabel*>(QString::fromLatin1(name));
    };
    QCOMPARE(label("label")->text(), QStringLiteral("Kestrano"));
    QCOMPARE(label("label")->font().pointSize(), 14);
    QCOMPARE(label("label")->font().weight(), QFont::Bold);
    QCOMPARE(label("label")->font().family(), QApplication::font().family());
    QCOMPARE(label("label_2")->text(), QStringLiteral("Version 2.7.1"));
    QCOMPARE(label("label_2")->font(), QApplication::font());
    // The number the update check compares with is the one shown here.
    QCOMPARE(label("label_2")->text(), QStringLiteral("Version " KESTRANO_VERSION));

    // The notice: a body in 'Segoe UI' 9 pt, one span in 'MS Shell Dlg 2' 8 pt.
    QLabel* notice = label("label_3");
    QVERIFY(notice->wordWrap());
    QCOMPARE(notice->textFormat(), Qt::AutoText);
    QVERIFY(Qt::mightBeRichText(notice->text()));
    QTextDocument document;
    document.setHtml(notice->text());
    QCOMPARE(document.blockCount(), 1);
    const QTextBlock block = document.firstBlock();
    QCOMPARE(block.charFormat().fontFamilies().toStringList(), QStringList{"Segoe UI"});
    QCOMPARE(block.charFormat().fontPointSize(), 9.0);
    QCOMPARE(block.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(block.blockFormat().topMargin(), 0.0);
    QCOMPARE(block.blockFormat().bottomMargin(), 0.0);
    QCOMPARE(block.blockFormat().indent(), 0);
    const QTextFragment span = block.begin().fragment();
    QCOMPARE(span.length(), block.length() - 1); // one span fills the paragraph
    QVERIFY(span.text().contains(QStringLiteral("Brightfern")));
    QCOMPARE(span.charFormat().fontFamilies().toStringList(), QStringList{"MS Shell Dlg 2"});
    QCOMPARE(span.charFormat().fontPointSize(), 8.0);

    QLabel* logo = label("label_4");
    QCOMPARE(logo->parentWidget(), &box);
    QCOMPARE(logo->geometry(), QRect(88, 14, 64, 64));
    QVERIFY(logo->text().isEmpty());
    QCOMPARE(logo->pixmap().size(), QSize(64, 64)); // the compiled-in logo
}

QTEST_MAIN(TestAboutBox)
#include "TestAboutBox.moc"
