// SPDX-License-Identifier: MIT
// The About screen: the program's title and version, shown once the menu is left.
#pragma once

#include "form.h"

namespace shell {

class frmPelko : public ui::Form
{
    Q_OBJECT

public:
    frmPelko();
    void Form_Load() override;

private:
    void cmdOk_Click();
};

// The About screen's design.
ui::FormDesign aboutDesign();

} // namespace shell
