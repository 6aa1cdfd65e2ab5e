// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutBox.h"
#include "MainWindow.h"
#include "Translations.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void oneFixedModelessBoxWithOnlyACloseButton()
    {
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        MainWindow window;
        auto* about = window.findChild<QAction*>("actionAbout");
        about->trigger();
        about->trigger();
        QList<QWidget*> shown = QApplication::topLevelWidgets();
        shown.removeIf([](QWidget* widget) {
            return !qobject_cast<AboutBox*>(widget) || !widget->isVisible();
        });
        QCOMPARE(shown.size(), 1);
        QWidget* box = shown.first();

        QVERIFY(!box->isModal());
        const Qt::WindowFlags flags = box->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
        // The number that the update check compares is the one shown here.
        QCOMPARE(box->findChild<QLabel*>("label_2")->text(),
                 QStringLiteral("Version " KESTRANO_VERSION));
        // The rights notice is read whole at that fixed size, not cut off, in
        // every language the program speaks.
        const auto* notice = box->findChild<QLabel*>("label_3");
        for (const QString& language : {u"en"_s, u"ru"_s}) {
            const kestrano::Translations translations({language});
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QCOMPARE(notice->text().contains(u"версии"_s), language == u"ru"_s);
            QVERIFY2(notice->heightForWidth(notice->width()) <= notice->height(),
                     qPrintable(notice->text()));
        }
        // Asking for another size changes nothing.
        box->resize(400, 300);
        QCOMPARE(box->size(), QSize(245, 201));
    }
};

QTEST_MAIN(TestAboutBox)
#include "TestAboutBox.moc"
