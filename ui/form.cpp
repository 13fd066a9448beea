// SPDX-License-Identifier: MIT
#include "form.h"

#include "colour.h"
#include "forms.h"
#include "picture.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace ui {

namespace {

// A Wayland compositor places every window itself: a program can neither move nor centre its
// windows there. Qt tells this through no public capability, so the platform's name does
// ("wayland", "wayland-egl", ...).
bool windowSystemPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

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

// A full screen that the compositor placed is as large as it made it, which need not be the size
// that the form asked for: the form takes that size and fits itself to it.
void FormWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The event may tell a size that the window has already left behind.
    if (!windowSystemPlacesWindows() || !isFullScreen() ||
        size() == QSize(pixels(form_->width()), pixels(form_->height())))
        return;
    runHandler([this] {
        form_->setWidth(width() * 15.0);
        form_->setHeight(height() * 15.0);
        form_->Form_Resize();
    });
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
    const bool compositorPlaces = windowSystemPlacesWindows();
    // A full screen there has the size that the compositor gave it.
    if (compositorPlaces && window_->isFullScreen())
        return;
    // The outer size is as set; the window system's frame, where it has told us its size,
    // comes off it for the client area.
    QMargins frame;
    if (const QWindow *handle = window_->windowHandle())
        frame = handle->frameMargins();
    if (!compositorPlaces)
        window_->move(pixels(geometry_.left), pixels(geometry_.top));
    const QSize client(pixels(geometry_.width) - frame.left() - frame.right(),
                       pixels(geometry_.height) - frame.top() - frame.bottom());
    if (window_->minimumSize() == window_->maximumSize())
        window_->setFixedSize(client);
    else
        window_->resize(client);
    // Where the compositor places windows, a borderless window over the whole screen can only
    // be had as a full screen, which it puts over the whole display, above any panel.
    if (compositorPlaces && (window_->windowFlags() & Qt::FramelessWindowHint) &&
        geometry_.left <= 0 && geometry_.top <= 0 &&
        geometry_.left + geometry_.width >= screenWidth() &&
        geometry_.top + geometry_.height >= screenHeight())
        window_->setWindowState(window_->windowState() | Qt::WindowFullScreen);
}

} // namespace ui
