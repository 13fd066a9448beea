// SPDX-License-Identifier: MIT
// A screen of the program: its window, built from its design, with named controls and steps.
#pragma once

#include "control.h"
#include "design.h"
#include "runtime.h"
#include "twips.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>

namespace ui {

class Form;

// The window of a form: closed through the window system, the form is unloaded and nothing else
// happens.
class FormWindow : public QWidget
{
    Q_OBJECT

public:
    FormWindow(Form *form, Qt::WindowFlags flags) : QWidget(nullptr, flags), form_(form) {}

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Form *form_;
};

// The form keeps its window rather than being one, so that its geometry is in twips without
// hiding QWidget's own in pixels. Its twips give the window's outer rectangle, read back as set;
// before the window is first shown, the window system has not told the size of its frame, and
// outer is then the client area.
class Form : public QObject, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit Form(const FormDesign &design);
    ~Form() override;

    QString name() const { return objectName(); }
    QWidget *window() const { return window_.get(); }

    // The control of that name; a run-time error if the design has none.
    Control &control(const QString &name) const;

    QString caption() const;
    void setCaption(const QString &caption);

    // The load step, run once each time the form is loaded.
    virtual void Form_Load() {}
    // Run when the window system has made the window a size of its own choosing, as it may for
    // a full screen; the form's width and height then read that size.
    virtual void Form_Resize() {}

private:
    void place() override;

    std::unique_ptr<QWidget> window_;
    std::map<QString, std::unique_ptr<Control>> controls_;
};

// A step of a form to connect to a signal: a run-time error escaping it is reported and ends
// the program, as for every step.
template<typename F, typename... Args> auto step(F *form, void (F::*handler)(Args...))
{
    return [form, handler](Args... args) { runHandler([&] { (form->*handler)(args...); }); };
}

} // namespace ui
