// SPDX-License-Identifier: MIT
#include "frmmenu.h"

#include "forms.h"
#include "runtime.h"

#include <QButtonGroup>
#include <QPushButton>

namespace shell {

frmmenu::frmmenu() : ui::Form(menuDesign())
{
    auto *levelButtons = new QButtonGroup(this);
    for (int level = 1; level <= 6; ++level)
        levelButtons->addButton(control(QStringLiteral("cmdLevel%1").arg(level)).button(), level);
    connect(levelButtons, &QButtonGroup::idClicked, this, ui::step(this, &frmmenu::openLevel));
    connect(control("cmdExit").button(), &QPushButton::clicked, this,
            ui::step(this, &frmmenu::cmdExit_Click));
    // The title bar shows the program's name; a screen reader needs it said.
    window()->setAccessibleName(ui::appTitle());
}

void frmmenu::Form_Load()
{
    // Centred before it is first shown; a menu larger than the screen overhangs both sides.
    setLeft(float(ui::screenWidth()) / 2 - float(width()) / 2);
    setTop(float(ui::screenHeight()) / 2 - float(height()) / 2);
}

void frmmenu::openLevel(int level)
{
    // An open level is only brought to the front, its attempt untouched.
    ui::forms::show(QStringLiteral("frmScience%1").arg(level));
}

void frmmenu::cmdExit_Click()
{
    ui::forms::unload(name());
    ui::forms::show(QStringLiteral("frmPelko"));
}

} // namespace shell
