#include "form.h"

#include "colour.h"
#include "forms.h"
#include "picture.h"
#include "runtime.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QWindow>

#include <algorithm>

namespace ui {

namespace {

QFont fontOf(const Font &font)
{
    QFont result(QString::fromLatin1(font.face));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setStyleHint(QString::fromLatin1(font.face).contains(QLatin1String("Times"))
                            ? QFont::Serif
                            : QFont::SansSerif);
    return result;
}

void setBackground(QWidget *widget, std::optional<quint32> colour, bool fill)
{
    widget->setAutoFillBackground(fill);
    if (colour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, fromPacked(*colour));
        palette.setColor(QPalette::Base, fromPacked(*colour));
        palette.setColor(QPalette::Button, fromPacked(*colour));
        widget->setPalette(palette);
    }
}

QWidget *createWidget(const ControlDesign &design, QWidget *parent)
{
    const unsigned flags = design.flags;
    switch (design.kind) {
    case ControlKind::PictureBox: {
        auto *box = new QFrame(parent);
        if (!(flags & NoBorder))
            box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setBackground(box, design.backColour, true);
        return box;
    }
    case ControlKind::Frame: {
        auto *frame = new QGroupBox(parent);
        setBackground(frame, design.backColour, true);
        return frame;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(parent);
        // Texts are shown exactly as they are: no rich text, no access-key ampersands.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        // A label too low for a second line would lose the words it wraps: it keeps one line.
        const QFontMetrics metrics(fontOf(design.font));
        label->setWordWrap(!(flags & AutoSize) &&
                           pixels(design.geometry.height) >= 2 * metrics.lineSpacing());
        if (flags & SingleBorder)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setBackground(label, design.backColour, !(flags & Transparent));
        return label;
    }
    case ControlKind::Image: {
        auto *image = new QLabel(parent);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->setScaledContents(false);
        return image;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(parent);
        button->setAutoDefault(false);
        setBackground(button, design.backColour, false);
        return button;
    }
    case ControlKind::TextBox: {
        auto *box = new QTextEdit(parent);
        box->setAcceptRichText(false);
        box->setReadOnly(flags & ReadOnly);
        box->setLineWrapMode(QTextEdit::WidgetWidth);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setAlignment(flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft);
        if (flags & NoBorder)
            box->setFrameStyle(QFrame::NoFrame);
        QPalette palette = box->palette();
        if (design.backColour)
            palette.setColor(QPalette::Base, fromPacked(*design.backColour));
        box->setPalette(palette);
        return box;
    }
    }
    return nullptr;
}

// Buttons and text boxes take the keyboard focus; labels, frames, pictures and images do not.
bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::CommandButton || kind == ControlKind::TextBox;
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

Form::Form(const FormDesign &design) : QWidget(nullptr, flagsFor(design.border))
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(design.caption);
    if (design.icon)
        setWindowIcon(loadPicture(design.icon).pixmap);
    setBackground(this, design.backColour, true);
    geometry_ = {0, 0, design.clientWidth, design.clientHeight};
    if (design.border != Border::None)
        setFixedSize(pixels(design.clientWidth), pixels(design.clientHeight));

    for (const ControlDesign &control : design.controls)
        addControl(control);

    // Earlier in the design is drawn above later, within each container.
    for (auto it = design.controls.rbegin(); it != design.controls.rend(); ++it)
        controls_.value(QString::fromLatin1(it->name))->widget()->raise();

    std::vector<const ControlDesign *> tabOrder;
    for (const ControlDesign &control : design.controls) {
        if (control.tabIndex >= 0 && takesFocus(control.kind))
            tabOrder.push_back(&control);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(control(QString::fromLatin1(tabOrder[i - 1]->name)).widget(),
                    control(QString::fromLatin1(tabOrder[i]->name)).widget());
    // The first in the tab order has the focus when the window first becomes active.
    if (!tabOrder.empty())
        control(QString::fromLatin1(tabOrder.front()->name)).widget()->setFocus();
    place();
}

Form::~Form() = default;

void Form::addControl(const ControlDesign &design)
{
    QWidget *parent = design.container ? control(QString::fromLatin1(design.container)).widget()
                                       : static_cast<QWidget *>(this);
    QWidget *widget = createWidget(design, parent);
    widget->setFocusPolicy(takesFocus(design.kind) ? Qt::StrongFocus : Qt::NoFocus);
    widget->setFont(fontOf(design.font));
    if (design.flags & Hidden)
        widget->setVisible(false);

    auto control = std::make_shared<Control>(design, widget);
    if (design.foreColour)
        control->setForeColour(*design.foreColour);
    if (design.picture)
        control->setPicture(loadPicture(design.picture));
    control->setCaption(design.caption);
    controls_.insert(control->name(), control);

    if (design.kind == ControlKind::CommandButton && (design.flags & (EnterKey | EscapeKey))) {
        auto *button = static_cast<QPushButton *>(widget);
        const auto keys = (design.flags & EnterKey)
                              ? QList<QKeySequence>{Qt::Key_Return, Qt::Key_Enter}
                              : QList<QKeySequence>{Qt::Key_Escape};
        for (const QKeySequence &key : keys) {
            auto *shortcut = new QShortcut(key, this);
            connect(shortcut, &QShortcut::activated, button, [button] {
                if (button->isEnabled())
                    button->animateClick();
            });
        }
    }
}

Control &Form::control(const QString &name) const
{
    const auto found = controls_.constFind(name);
    if (found == controls_.constEnd())
        throw RuntimeError(QStringLiteral("%1 has no control named %2").arg(objectName(), name));
    return **found;
}

void Form::setTwips(double Geometry::*part, double twips)
{
    geometry_.*part = twips;
    place();
}

void Form::place()
{
    // The outer size is as set; the window system's frame, where it has told us its size,
    // comes off it for the client area.
    QMargins frame;
    if (const QWindow *window = windowHandle())
        frame = window->frameMargins();
    move(pixels(geometry_.left), pixels(geometry_.top));
    const QSize client(pixels(geometry_.width) - frame.left() - frame.right(),
                       pixels(geometry_.height) - frame.top() - frame.bottom());
    if (minimumSize() == maximumSize())
        setFixedSize(client);
    else
        resize(client);
}

void Form::onClick(const QString &button, std::function<void()> handler)
{
    auto *widget = static_cast<QPushButton *>(control(button).widget());
    connect(widget, &QPushButton::clicked, this, [widget, handler] {
        // An access key clicks its button a moment after the key press; by then an earlier
        // click may have disabled it or closed its form, and such a button takes no clicks.
        if (widget->isEnabled() && widget->isVisible())
            runHandler(handler);
    });
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closed through the window system: the form is unloaded and nothing else happens.
    event->accept();
    if (forms::instance(name()) == this)
        forms::unload(name());
}

} // namespace ui
