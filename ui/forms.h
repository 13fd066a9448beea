// SPDX-License-Identifier: MIT
// The program's forms by name: one default instance each, loaded, shown and unloaded, and the
// end of the program once none is loaded.
#pragma once

#include <QString>

#include <functional>

namespace ui {
class Form;
}

namespace ui::forms {

// Makes a form known by name; the factory builds a new instance from the design.
void define(const QString &name, std::function<Form *()> factory);

// Creates the form and runs its Form_Load, unless it is loaded already.
Form *load(const QString &name);
// Loads the form if need be, then shows it in front and active; never modal, no owner.
Form *show(const QString &name);
// Closes the form; the instance is destroyed once the running handler has returned, and the
// next load starts from the design again.
void unload(const QString &name);

// The loaded instance, or nullptr.
Form *instance(const QString &name);
bool isLoaded(const QString &name);
int loadedCount();

// True once the program has ended because no form was left loaded between two events.
bool programEnded();

namespace test {
// Unloads every form at once and forgets that the program ended.
void reset();
} // namespace test

} // namespace ui::forms
