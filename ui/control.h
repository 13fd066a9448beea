// SPDX-License-Identifier: MIT
// One named control of a form: the Qt widget it builds from its design, and its geometry in twips.
#pragma once

#include "design.h"
#include "picture.h"
#include "twips.h"

#include <QString>

class QPushButton;
class QWidget;

namespace ui {

class Control : public TwipsGeometry
{
public:
    // Builds the control's widget inside parent, as the design has it.
    Control(const ControlDesign &design, QWidget *parent);
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    QString name() const;
    ControlKind kind() const { return kind_; }
    QWidget *widget() const { return widget_; }
    // The button of a command button, to connect its clicks; a run-time error for other kinds.
    QPushButton *button() const;

    // The caption of a label, button or frame; the text of a text box.
    QString caption() const;
    void setCaption(const QString &caption);
    QString text() const { return caption(); }
    void setText(const QString &text) { setCaption(text); }

    bool enabled() const;
    void setEnabled(bool enabled);

    // Packed colour, red in the low byte.
    void setForeColour(quint32 colour);

    // The picture of an image.
    Picture picture() const { return picture_; }
    void setPicture(const Picture &picture);

private:
    void place() override;
    void fitToCaption();

    ControlKind kind_;
    QWidget *widget_;
    bool autoSize_;
    Picture picture_;
};

} // namespace ui
