// SPDX-License-Identifier: MIT
#include "control.h"

#include "colour.h"
#include "runtime.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>

#include <cmath>

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

// Qt clicks a button a moment after its access key; by then an earlier click may have disabled
// the button or closed its form, and such a button takes no click.
class CommandButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void timerEvent(QTimerEvent *event) override
    {
        const bool live = isEnabled() && isVisible();
        const QSignalBlocker quietButton(live ? nullptr : this);
        const QSignalBlocker quietGroup(live ? nullptr : group());
        QPushButton::timerEvent(event);
    }
};

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
        return image;
    }
    case ControlKind::CommandButton: {
        auto *button = new CommandButton(parent);
        button->setAutoDefault(false);
        setBackground(button, design.backColour, false);
        const QList<QKeySequence> keys = flags & EnterKey
                                             ? QList<QKeySequence>{Qt::Key_Return, Qt::Key_Enter}
                                         : flags & EscapeKey ? QList<QKeySequence>{Qt::Key_Escape}
                                                             : QList<QKeySequence>{};
        for (const QKeySequence &key : keys) {
            // Anywhere on the form, not only on the button.
            auto *shortcut = new QShortcut(key, parent->window());
            QObject::connect(shortcut, &QShortcut::activated, button, [button] {
                if (button->isEnabled())
                    button->animateClick();
            });
        }
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

QPalette::ColorRole textRole(ControlKind kind)
{
    switch (kind) {
    case ControlKind::CommandButton:
        return QPalette::ButtonText;
    case ControlKind::TextBox:
        return QPalette::Text;
    default:
        return QPalette::WindowText;
    }
}

} // namespace

int pixels(double twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

Control::Control(const ControlDesign &design, QWidget *parent)
    : TwipsGeometry(design.geometry), kind_(design.kind), widget_(createWidget(design, parent)),
      autoSize_(design.flags & AutoSize)
{
    widget_->setObjectName(QString::fromLatin1(design.name));
    // Buttons and text boxes take the keyboard focus; labels, frames and pictures do not.
    const bool takesFocus = kind_ == ControlKind::CommandButton || kind_ == ControlKind::TextBox;
    widget_->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    widget_->setFont(fontOf(design.font));
    if (design.flags & Hidden)
        widget_->setVisible(false);
    if (design.foreColour)
        setForeColour(*design.foreColour);
    if (design.picture)
        setPicture(loadPicture(design.picture));
    setCaption(design.caption);
    place();
}

QString Control::name() const
{
    return widget_->objectName();
}

QPushButton *Control::button() const
{
    if (kind_ != ControlKind::CommandButton)
        throw RuntimeError(QStringLiteral("%1 is not a command button").arg(name()));
    return static_cast<QPushButton *>(widget_);
}

QString Control::caption() const
{
    switch (kind_) {
    case ControlKind::Label:
        return static_cast<QLabel *>(widget_)->text();
    case ControlKind::CommandButton:
        return static_cast<QPushButton *>(widget_)->text();
    case ControlKind::Frame:
        return static_cast<QGroupBox *>(widget_)->title();
    case ControlKind::TextBox:
        return static_cast<QTextEdit *>(widget_)->toPlainText();
    default:
        return {};
    }
}

void Control::setCaption(const QString &caption)
{
    switch (kind_) {
    case ControlKind::Label:
        static_cast<QLabel *>(widget_)->setText(caption);
        fitToCaption();
        break;
    case ControlKind::CommandButton:
        static_cast<QPushButton *>(widget_)->setText(caption);
        break;
    case ControlKind::Frame:
        static_cast<QGroupBox *>(widget_)->setTitle(caption);
        break;
    case ControlKind::TextBox: {
        auto *box = static_cast<QTextEdit *>(widget_);
        const Qt::Alignment alignment = box->alignment();
        box->setPlainText(caption);
        // setPlainText starts a fresh document, which forgets a centred alignment.
        QTextCursor all(box->document());
        all.select(QTextCursor::Document);
        QTextBlockFormat format;
        format.setAlignment(alignment);
        all.mergeBlockFormat(format);
        break;
    }
    default:
        break;
    }
}

bool Control::enabled() const
{
    return widget_->isEnabled();
}

void Control::setEnabled(bool enabled)
{
    widget_->setEnabled(enabled);
}

void Control::setForeColour(quint32 colour)
{
    QPalette palette = widget_->palette();
    const QColor c = fromPacked(colour);
    palette.setColor(QPalette::Active, textRole(kind_), c);
    palette.setColor(QPalette::Inactive, textRole(kind_), c);
    widget_->setPalette(palette);
}

void Control::setPicture(const Picture &picture)
{
    picture_ = picture;
    if (kind_ != ControlKind::Image)
        return;
    auto *image = static_cast<QLabel *>(widget_);
    if (picture.isNull())
        image->clear();
    else
        image->setPixmap(picture.pixmap);
    image->setAccessibleName(picture.description);
}

void Control::place()
{
    widget_->setGeometry(pixels(geometry_.left), pixels(geometry_.top), pixels(geometry_.width),
                         pixels(geometry_.height));
}

void Control::fitToCaption()
{
    if (!autoSize_)
        return;
    const QSize size = widget_->sizeHint();
    geometry_.width = size.width() * 15.0;
    geometry_.height = size.height() * 15.0;
    place();
}

} // namespace ui
