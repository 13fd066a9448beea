// SPDX-License-Identifier: MIT
#include "frmpelko.h"

#include "forms.h"
#include "runtime.h"

#include <QPushButton>

namespace shell {

frmPelko::frmPelko() : ui::Form(aboutDesign())
{
    connect(control("cmdOk").button(), &QPushButton::clicked, this,
            ui::step(this, &frmPelko::cmdOk_Click));
}

void frmPelko::Form_Load()
{
    setTop(float(ui::screenHeight()) / 2 - float(height()) / 2);
    setLeft(float(ui::screenWidth()) / 2 - float(width()) / 2);
    setCaption(QStringLiteral("About ") + ui::appTitle());
    control("Text2").widget()->setAccessibleName(QStringLiteral("Developed by"));
    control("lblVersion")
        .setCaption(QStringLiteral("Version ") + ui::integerText(ui::appMajor()) + '.' +
                    ui::integerText(ui::appMinor()) + '.' + ui::integerText(ui::appRevision()));
    control("lblTitle").setCaption(ui::appTitle());
}

void frmPelko::cmdOk_Click()
{
    ui::forms::unload(name());
}

} // namespace shell
