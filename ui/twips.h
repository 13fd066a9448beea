// SPDX-License-Identifier: MIT
// Geometry in twips as forms and controls keep it: read back exactly as set, shown in pixels.
#pragma once

#include "design.h"

namespace ui {

// Pixels for twips, at 15 twips to a device-independent pixel.
int pixels(double twips);

class TwipsGeometry
{
public:
    explicit TwipsGeometry(const Geometry &geometry) : geometry_(geometry) {}
    virtual ~TwipsGeometry() = default;

    double left() const { return geometry_.left; }
    double top() const { return geometry_.top; }
    double width() const { return geometry_.width; }
    double height() const { return geometry_.height; }
    void setLeft(double twips) { set(&Geometry::left, twips); }
    void setTop(double twips) { set(&Geometry::top, twips); }
    void setWidth(double twips) { set(&Geometry::width, twips); }
    void setHeight(double twips) { set(&Geometry::height, twips); }

protected:
    // Shows the thing where its twips say; called after every change.
    virtual void place() = 0;

    Geometry geometry_;

private:
    void set(double Geometry::*part, double twips)
    {
        geometry_.*part = twips;
        place();
    }
};

} // namespace ui
