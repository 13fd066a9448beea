#include "frmmenu.h"

#include "maker.h"

#include "forms.h"
#include "runtime.h"

namespace shell {

frmmenu::frmmenu() : ui::Form(ui::menuDesign(Maker))
{
    // cmdLevel1_Click .. cmdLevel6_Click differ only in the level they open.
    for (int level = 1; level <= 6; ++level)
        onClick(QStringLiteral("cmdLevel%1").arg(level), [this, level] { openLevel(level); });
    onClick("cmdExit", [this] { cmdExit_Click(); });
    // The title bar shows the program's name; a screen reader needs it said.
    setAccessibleName(ui::appTitle());
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
