// SPDX-License-Identifier: MIT
#include "forms.h"

#include "form.h"
#include "runtime.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace ui::forms {

namespace {

QHash<QString, std::function<Form *()>> &factories()
{
    static QHash<QString, std::function<Form *()>> all;
    return all;
}

QHash<QString, QPointer<Form>> &loadedForms()
{
    static QHash<QString, QPointer<Form>> all;
    return all;
}

bool ended = false;

void endIfNothingLoaded()
{
    if (ended || failed() || !loadedForms().isEmpty())
        return;
    ended = true;
    QCoreApplication::quit();
}

} // namespace

void define(const QString &name, std::function<Form *()> factory)
{
    factories().insert(name, std::move(factory));
}

Form *load(const QString &name)
{
    if (Form *form = instance(name))
        return form;
    const auto factory = factories().constFind(name);
    if (factory == factories().constEnd())
        throw RuntimeError(QStringLiteral("There is no form named %1").arg(name));
    Form *form = (*factory)();
    loadedForms().insert(name, form);
    form->Form_Load();
    return form;
}

Form *show(const QString &name)
{
    Form *form = load(name);
    form->window()->show();
    form->window()->raise();
    form->window()->activateWindow();
    return form;
}

void unload(const QString &name)
{
    QPointer<Form> form = loadedForms().take(name);
    if (!form)
        return;
    form->window()->hide();
    // The handler that asked for this may belong to the form and still be running.
    form->deleteLater();
    // The end of the program is decided between events, so that a handler may unload the last
    // form and then load another.
    QMetaObject::invokeMethod(qApp, &endIfNothingLoaded, Qt::QueuedConnection);
}

Form *instance(const QString &name)
{
    return loadedForms().value(name);
}

bool isLoaded(const QString &name)
{
    return instance(name) != nullptr;
}

int loadedCount()
{
    return int(loadedForms().size());
}

bool programEnded()
{
    return ended;
}

namespace test {

void reset()
{
    for (const QString &name : loadedForms().keys()) {
        QPointer<Form> form = loadedForms().take(name);
        delete form.data();
    }
    ended = false;
}

} // namespace test

} // namespace ui::forms
