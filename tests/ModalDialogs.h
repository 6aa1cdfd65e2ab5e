#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Runs `action`, and when it opens a modal dialog hands that dialog to
// `handle`, which fills it in and closes it; one that is left open is
// cancelled so that the test goes on. Returns whether a dialog appeared.
inline bool handleModalDialog(const std::function<void()>& action,
                              const std::function<void(QDialog*)>& handle)
{
    bool appeared = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || appeared) {
            return;
        }
        appeared = true;
        poll.stop();
        handle(dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    poll.start();
    action();
    return appeared;
}
