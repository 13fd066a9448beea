// SPDX-License-Identifier: MIT
// The About screen: title, version, description, the maker's details and the notice.
#include "frmpelko.h"

#include "maker.h"

namespace shell {

using namespace ui;

FormDesign aboutDesign()
{
    using enum ControlKind;
    constexpr quint32 Pink = 12632319; // (255, 192, 192)
    constexpr quint32 Red = 255;
    return {
        .name = "frmPelko",
        .border = Border::FixedDialog,
        .caption = "About MyApp",
        .clientWidth = 5970,
        .clientHeight = 3540,
        .backColour = {},
        .icon = nullptr,
        .controls =
            {
                {.name = "Picture1",
                 .kind = PictureBox,
                 .geometry = {1140, 1217, 3705, 1200},
                 .backColour = Pink,
                 .tabIndex = 6},
                // Read-only: the maker's name is there to be read, not edited.
                {.name = "Text2",
                 .kind = TextBox,
                 .container = "Picture1",
                 .caption = QLatin1String(Maker.name) + QLatin1Char('\n'),
                 .geometry = {0, 60, 3660, 315},
                 .font = {"Times New Roman", 12, true},
                 .backColour = Pink,
                 .tabIndex = 10,
                 .flags = NoBorder | Centred | ReadOnly},
                {.name = "Label5",
                 .kind = Label,
                 .container = "Picture1",
                 .caption = QStringLiteral("e-mail : ") + QLatin1String(Maker.email),
                 .geometry = {0, 840, 3555, 255},
                 .tabIndex = 9,
                 .flags = Centred | Transparent},
                {.name = "Label4",
                 .kind = Label,
                 .container = "Picture1",
                 .caption = Maker.addressLine2,
                 .geometry = {0, 600, 3555, 255},
                 .tabIndex = 8,
                 .flags = Centred | Transparent},
                {.name = "Label3",
                 .kind = Label,
                 .container = "Picture1",
                 .caption = Maker.addressLine1,
                 .geometry = {0, 360, 3555, 255},
                 .tabIndex = 7,
                 .flags = Centred | Transparent},
                // Enter confirms, wherever the focus is.
                {.name = "cmdOk",
                 .kind = CommandButton,
                 .caption = "&Ok",
                 .geometry = {4920, 3000, 910, 390},
                 .tabIndex = 0,
                 .flags = EnterKey},
                {.name = "Label1",
                 .kind = Label,
                 .geometry = {120, 2460, 5745, 45},
                 .tabIndex = 5,
                 .flags = SingleBorder},
                {.name = "Image1",
                 .kind = Image,
                 .geometry = {240, 240, 480, 480},
                 .picture = "shuttle.ico"},
                {.name = "lblDescription",
                 .kind = Label,
                 .caption = "Education Software",
                 .geometry = {1875, 870, 2235, 315},
                 .font = {"Times New Roman", 14.25, false},
                 .foreColour = 32768,
                 .tabIndex = 1,
                 .flags = Centred | AutoSize | Transparent},
                {.name = "lblTitle",
                 .kind = Label,
                 .caption = "Title",
                 .geometry = {1050, 60, 3885, 480},
                 .font = {"Times New Roman", 20.25, false},
                 .foreColour = 16711680,
                 .tabIndex = 3,
                 .flags = Centred | Transparent},
                {.name = "lblVersion",
                 .kind = Label,
                 .caption = "Version",
                 .geometry = {1080, 580, 3885, 225},
                 .foreColour = Red,
                 .tabIndex = 4,
                 .flags = Centred | Transparent},
                {.name = "lblDisclaimer",
                 .kind = Label,
                 .caption = Maker.notice,
                 .geometry = {255, 2625, 3870, 825},
                 .foreColour = Red,
                 .tabIndex = 2,
                 .flags = Transparent},
            },
    };
}

} // namespace shell
