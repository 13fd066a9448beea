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
    void openLevel(int level);
    void cmdExit_Click();
};

} // namespace shell
