// A screen of the program: a window built from its design, with named controls and handlers.
#pragma once

#include "control.h"
#include "design.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>

namespace ui {

class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(const FormDesign &design);
    ~Form() override;

    QString name() const { return objectName(); }

    // The control of that name; a run-time error if the design has none.
    Control &control(const QString &name) const;

    // The window's outer rectangle in twips, read back as set. Before the window is first
    // shown the window system has not told the size of its frame: outer is then the client area.
    double left() const { return geometry_.left; }
    double top() const { return geometry_.top; }
    double width() const { return geometry_.width; }
    double height() const { return geometry_.height; }
    void setLeft(double twips) { setTwips(&Geometry::left, twips); }
    void setTop(double twips) { setTwips(&Geometry::top, twips); }
    void setWidth(double twips) { setTwips(&Geometry::width, twips); }
    void setHeight(double twips) { setTwips(&Geometry::height, twips); }

    QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    // The load step, run once each time the form is loaded.
    virtual void Form_Load() {}

protected:
    // Runs the handler when the button is clicked (by mouse, Space or its access key).
    void onClick(const QString &button, std::function<void()> handler);
    void closeEvent(QCloseEvent *event) override;

private:
    void addControl(const ControlDesign &design);
    void setTwips(double Geometry::*part, double twips);
    void place();

    Geometry geometry_;
    QHash<QString, std::shared_ptr<Control>> controls_;
};

} // namespace ui
