#include "control.h"

#include "colour.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include <cmath>

namespace ui {

namespace {

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

Control::Control(const ControlDesign &design, QWidget *widget)
    : kind_(design.kind), widget_(widget), geometry_(design.geometry),
      autoSize_(design.flags & AutoSize)
{
    widget_->setObjectName(QString::fromLatin1(design.name));
    place();
}

QString Control::name() const
{
    return widget_->objectName();
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

quint32 Control::foreColour() const
{
    return toPacked(widget_->palette().color(textRole(kind_)));
}

void Control::setForeColour(quint32 colour)
{
    QPalette palette = widget_->palette();
    const QColor c = fromPacked(colour);
    palette.setColor(QPalette::Active, textRole(kind_), c);
    palette.setColor(QPalette::Inactive, textRole(kind_), c);
    widget_->setPalette(palette);
}

void Control::setTwips(double Geometry::*part, double twips)
{
    geometry_.*part = twips;
    place();
}

void Control::setPicture(const Picture &picture)
{
    picture_ = picture;
    if (auto *image = qobject_cast<QLabel *>(widget_); image && kind_ == ControlKind::Image) {
        if (picture.isNull())
            image->clear();
        else
            image->setPixmap(picture.pixmap);
        image->setAccessibleName(picture.description);
    }
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
