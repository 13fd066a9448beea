// One named control of a form: the Qt widget that shows it and its geometry in twips.
#pragma once

#include "design.h"
#include "picture.h"

#include <QPixmap>
#include <QString>

class QWidget;

namespace ui {

class Control
{
public:
    Control(const ControlDesign &design, QWidget *widget);
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    QString name() const;
    ControlKind kind() const { return kind_; }
    QWidget *widget() const { return widget_; }

    // The caption of a label, button or frame; the text of a text box.
    QString caption() const;
    void setCaption(const QString &caption);
    QString text() const { return caption(); }
    void setText(const QString &text) { setCaption(text); }

    bool enabled() const;
    void setEnabled(bool enabled);

    // Packed colour, red in the low byte.
    quint32 foreColour() const;
    void setForeColour(quint32 colour);

    // Geometry in twips, read back exactly as set; the widget is placed at 15 twips a pixel.
    double left() const { return geometry_.left; }
    double top() const { return geometry_.top; }
    double width() const { return geometry_.width; }
    double height() const { return geometry_.height; }
    void setLeft(double twips) { setTwips(&Geometry::left, twips); }
    void setTop(double twips) { setTwips(&Geometry::top, twips); }
    void setWidth(double twips) { setTwips(&Geometry::width, twips); }
    void setHeight(double twips) { setTwips(&Geometry::height, twips); }

    // The picture of an image.
    Picture picture() const { return picture_; }
    void setPicture(const Picture &picture);

private:
    void setTwips(double Geometry::*part, double twips);
    void place();
    void fitToCaption();

    ControlKind kind_;
    QWidget *widget_;
    Geometry geometry_;
    bool autoSize_;
    Picture picture_;
};

// Pixels for twips, at 15 twips to a device-independent pixel.
int pixels(double twips);

} // namespace ui
