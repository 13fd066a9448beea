// What the tests look at on a screen, found by name as a learner's tools would find it.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace screens {

inline QPushButton *button(QWidget *screen, const QString &name)
{
    return screen->findChild<QPushButton *>(name);
}

inline QLabel *label(QWidget *screen, const QString &name)
{
    return screen->findChild<QLabel *>(name);
}

// Lets queued work run, such as the test for the end of the program and deferred deletes.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace screens
