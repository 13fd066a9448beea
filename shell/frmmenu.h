// SPDX-License-Identifier: MIT
// The main menu: opens the six levels and leaves for the About screen.
#pragma once

#include "form.h"

namespace shell {

class frmmenu : public ui::Form
{
    Q_OBJECT

public:
    frmmenu();
    void Form_Load() override;

private:
    // cmdLevel1_Click .. cmdLevel6_Click, which differ only in the level they open.
    void openLevel(int level);
    void cmdExit_Click();
};

// The menu's design.
ui::FormDesign menuDesign();

} // namespace shell
