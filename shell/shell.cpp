// SPDX-License-Identifier: MIT
#include "shell.h"

#include "frmmenu.h"
#include "frmpelko.h"

#include "frmscience.h"

#include "forms.h"
#include "runtime.h"

namespace shell {

void defineForms()
{
    ui::forms::define(QStringLiteral("frmmenu"), [] { return new frmmenu; });
    ui::forms::define(QStringLiteral("frmPelko"), [] { return new frmPelko; });
    quiz::defineLevelScreens();
}

void start()
{
    ui::runHandler([] { ui::forms::show(QStringLiteral("frmmenu")); });
}

} // namespace shell
