// SPDX-License-Identifier: MIT
// Screen designs as data: each form and each of its controls as it stands when it is created.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace ui {

enum class ControlKind { PictureBox, Frame, Label, Image, CommandButton, TextBox };

enum class Border {
    None,        // no title bar and no frame
    FixedSingle, // a title bar and a thin frame, not sizable
    FixedDialog, // a title bar and a dialog frame, not sizable
};

// Design flags; a flag that is absent keeps the control type's default.
enum Flag : unsigned {
    Transparent = 1u << 0,  // a label that does not paint its background
    AutoSize = 1u << 1,     // a label that takes the size of its caption
    Centred = 1u << 2,      // text centred horizontally
    Hidden = 1u << 3,       // not visible
    NoBorder = 1u << 4,     // a text box or picture box without its sunken border
    SingleBorder = 1u << 5, // a label with a border
    ReadOnly = 1u << 6,     // a text box the learner cannot edit
    EnterKey = 1u << 7,     // a button that Enter clicks from anywhere on its form
    EscapeKey = 1u << 8,    // a button that Esc clicks from anywhere on its form
};

struct Font
{
    const char *face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

// Left, top, width and height in twips, relative to the container.
struct Geometry
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct ControlDesign
{
    const char *name = "";
    ControlKind kind = ControlKind::Label;
    const char *container = nullptr; // a control of the same form; nullptr for the form itself
    QString caption;                 // caption or text
    Geometry geometry;
    Font font;
    std::optional<quint32> foreColour; // packed, red in the low byte; empty for the system colour
    std::optional<quint32> backColour;
    int tabIndex = -1;             // -1 for a control that takes no part in the tab order
    const char *picture = nullptr; // icon file in the program's resources
    unsigned flags = 0;
};

struct FormDesign
{
    const char *name = "";
    Border border = Border::FixedSingle;
    const char *caption = "";
    double clientWidth = 0; // twips
    double clientHeight = 0;
    std::optional<quint32> backColour;
    const char *icon = nullptr;
    std::vector<ControlDesign> controls; // in drawing order within each container, topmost first
};

} // namespace ui
