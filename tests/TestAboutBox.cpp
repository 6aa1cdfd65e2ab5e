#include "AboutBox.h"

#include <QLabel>
#include <QTest>

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void isAFixedModelessDialogWithOnlyACloseButton();
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
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    for (const Qt::WindowType unwanted :
         {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
          Qt::WindowContextHelpButtonHint}) {
        QVERIFY(!flags.testFlag(unwanted));
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
    QCOMPARE(label("label_2")->text(), QStringLiteral("Version 2.7.1"));
    QVERIFY(label("label_3")->wordWrap());
    QVERIFY(label("label_3")->text().contains(QStringLiteral("Brightfern")));

    QLabel* logo = label("label_4");
    QCOMPARE(logo->parentWidget(), &box);
    QCOMPARE(logo->geometry(), QRect(88, 14, 64, 64));
    QVERIFY(logo->text().isEmpty());
    QCOMPARE(logo->pixmap().size(), QSize(64, 64)); // the compiled-in logo
}

QTEST_MAIN(TestAboutBox)
#include "TestAboutBox.moc"
