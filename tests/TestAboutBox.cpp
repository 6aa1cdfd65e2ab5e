#include "AboutBox.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void isAFixedModelessDialogWithOnlyACloseButton()
    {
        AboutBox box;
        QVERIFY(!box.isModal());
        const Qt::WindowFlags flags = box.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
        // The number that the update check compares is the one shown here.
        QCOMPARE(box.findChild<QLabel*>("label_2")->text(),
                 QStringLiteral("Version " KESTRANO_VERSION));
        QCOMPARE(box.findChild<QLabel*>("label_4")->pixmap().size(), QSize(64, 64));
        // Showing it and asking for another size changes nothing.
        box.show();
        box.resize(400, 300);
        QCOMPARE(box.size(), QSize(245, 201));
    }

    void theWindowShowsOneBoxHoweverOftenAsked()
    {
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        MainWindow window;
        auto* about = window.findChild<QAction*>("actionAbout");
        about->trigger();
        about->trigger();
        int shown = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            shown += qobject_cast<AboutBox*>(widget) && widget->isVisible();
        }
        QCOMPARE(shown, 1);
    }
};

QTEST_MAIN(TestAboutBox)
#include "TestAboutBox.moc"
