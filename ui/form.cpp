// SPDX-License-Identifier: MIT
#include "form.h"

#include "colour.h"
#include "forms.h"
#include "picture.h"

#include <QCloseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace ui {

namespace {

Qt::WindowFlags flagsFor(Border border)
{
    switch (border) {
    case Border::None:
        return Qt::Window | Qt::FramelessWindowHint;
    case Border::FixedSingle:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
               Qt::MSWindowsFixedSizeDialogHint;
    case Border::FixedDialog:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    }
    return Qt::Window;
}

} // namespace

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (forms::instance(form_->name()) == form_)
        forms::unload(form_->name());
}

Form::Form(const FormDesign &design)
    : TwipsGeometry({0, 0, design.clientWidth, design.clientHeight}),
      window_(std::make_unique<FormWindow>(this, flagsFor(design.border)))
{
    setObjectName(QString::fromLatin1(design.name));
    window_->setObjectName(objectName());
    window_->setWindowTitle(design.caption);
    if (design.icon)
        window_->setWindowIcon(loadPicture(design.icon).pixmap);
    window_->setAutoFillBackground(true);
    if (design.backColour) {
        QPalette palette = window_->palette();
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, fromPacked(*design.backColour));
        window_->setPalette(palette);
    }
    if (design.border != Border::None)
        window_->setFixedSize(pixels(design.clientWidth), pixels(design.clientHeight));

    for (const ControlDesign &c : design.controls) {
        QWidget *parent =
            c.container ? control(QString::fromLatin1(c.container)).widget() : window_.get();
        controls_.emplace(QString::fromLatin1(c.name), std::make_unique<Control>(c, parent));
    }
    // Earlier in the design is drawn above later, within each container.
    for (auto c = design.controls.rbegin(); c != design.controls.rend(); ++c)
        control(QString::fromLatin1(c->name)).widget()->raise();

    std::vector<const ControlDesign *> tabOrder;
    for (const ControlDesign &c : design.controls) {
        if (c.tabIndex >= 0 &&
            control(QString::fromLatin1(c.name)).widget()->focusPolicy() != Qt::NoFocus)
            tabOrder.push_back(&c);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(control(QString::fromLatin1(tabOrder[i - 1]->name)).widget(),
                             control(QString::fromLatin1(tabOrder[i]->name)).widget());
    // The first in the tab order has the focus when the window first becomes active.
    if (!tabOrder.empty())
        control(QString::fromLatin1(tabOrder.front()->name)).widget()->setFocus();
    place();
}

Form::~Form() = default;

Control &Form::control(const QString &name) const
{
    const auto found = controls_.find(name);
    if (found == controls_.end())
        throw RuntimeError(QStringLiteral("%1 has no control named %2").arg(objectName(), name));
    return *found->second;
}

QString Form::caption() const
{
    return window_->windowTitle();
}

void Form::setCaption(const QString &caption)
{
    window_->setWindowTitle(caption);
}

void Form::place()
{
    // The outer size is as set; the window system's frame, where it has told us its size,
    // comes off it for the client area.
    QMargins frame;
    if (const QWindow *handle = window_->windowHandle())
        frame = handle->frameMargins();
    window_->move(pixels(geometry_.left), pixels(geometry_.top));
    const QSize client(pixels(geometry_.width) - frame.left() - frame.right(),
                       pixels(geometry_.height) - frame.top() - frame.bottom());
    if (window_->minimumSize() == window_->maximumSize())
        window_->setFixedSize(client);
    else
        window_->resize(client);
}

} // namespace ui
