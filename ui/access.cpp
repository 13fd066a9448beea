// SPDX-License-Identifier: MIT
#include "access.h"

#include "form.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusFrame>

namespace ui {

namespace {

// A plain widget is a mere "filler" to a screen reader; a window is announced by its name as it
// opens, and a dialog together with its texts.
QAccessibleInterface *formAccessible(const QString &, QObject *object)
{
    auto *form = qobject_cast<FormWindow *>(object);
    if (!form)
        return nullptr;
    return new QAccessibleWidget(form, form->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                        : QAccessible::Window);
}

// The style's own focus mark is faint on the small answer buttons and absent on text boxes; the
// ring follows the focused control and is drawn outside it, so no caption or colour changes.
void ringFocus(QWidget *, QWidget *now)
{
    if (!now || !qobject_cast<FormWindow *>(now->window()))
        return;
    auto *ring = now->window()->findChild<QFocusFrame *>();
    if (!ring)
        ring = new QFocusFrame(now->window());
    ring->setWidget(now);
}

} // namespace

void installAccessAids()
{
    QAccessible::installFactory(formAccessible);
    QObject::connect(qApp, &QApplication::focusChanged, qApp, ringFocus);
}

} // namespace ui
