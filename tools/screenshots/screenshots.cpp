// SPDX-License-Identifier: MIT
// screenshots: plays the real program as a learner would, through its own screens and button
// clicks, and saves what the learner sees at five moments as PNG files: the menu, a right and a
// wrong answer on level 1, the completed level and the About screen.
//
// Usage: screenshots OUT_DIR
// Meant for Qt's offscreen platform with a screen of fixed size (see screen.json). The questions
// come in a fixed order, so every run draws the same pictures.

#include "shell.h"

#include "frmscience.h"

#include "access.h"
#include "form.h"
#include "forms.h"
#include "runtime.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int QuestionCount = 250;

QDir outDir;
bool saved = true;

// Lets the screens finish what a click set off, such as a closed screen's removal.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

ui::Form *screen(const char *name)
{
    ui::Form *form = ui::forms::instance(QLatin1String(name));
    if (!form) {
        std::fprintf(stderr, "screenshots: the screen %s is not open\n", name);
        std::exit(1);
    }
    return form;
}

void click(ui::Form *form, const QString &button)
{
    QTest::mouseClick(form->window()->findChild<QPushButton *>(button), Qt::LeftButton);
    settle();
}

void save(ui::Form *form, const char *file)
{
    settle();
    const QString path = outDir.filePath(QLatin1String(file));
    if (!form->window()->grab().save(path, "PNG")) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        saved = false;
    }
}

// One draw of the random source per question, each naming a different record, so that level 1
// always asks the same questions in the same order.
std::vector<float> fixedQuestionOrder()
{
    std::vector<float> draws;
    for (int k = 0; k < QuestionCount; ++k)
        draws.push_back((float((14 + 97 * k) % QuestionCount) + 0.5f) / QuestionCount);
    return draws;
}

QString answerButton(int option)
{
    return QStringLiteral("Command%1").arg(option);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().size() != 2) {
        std::fprintf(stderr, "usage: screenshots OUT_DIR\n");
        return 2;
    }
    outDir.setPath(QCoreApplication::arguments().at(1));
    QApplication::setQuitOnLastWindowClosed(false);
    ui::initApplication();
    ui::installAccessAids();
    shell::defineForms();
    ui::test::feedRandom(fixedQuestionOrder());

    shell::start();
    ui::Form *menu = screen("frmmenu");
    save(menu, "menu.png");

    click(menu, QStringLiteral("cmdLevel1"));
    auto *level = static_cast<quiz::frmScience *>(screen("frmScience1"));
    click(level, QStringLiteral("cmdNext"));
    click(level, answerButton(level->correctOption()));
    save(level, "right-answer.png");

    // A wrong pick where the right option is the first, which is then shown in blue too.
    do {
        click(level, QStringLiteral("cmdNext"));
        if (level->correctOption() != 1)
            click(level, answerButton(level->correctOption()));
    } while (level->correctOption() != 1);
    click(level, answerButton(2));
    save(level, "wrong-answer.png");

    // The rest of the level, with every fourth answer wrong.
    while (level->questionNo() < QuestionCount) {
        click(level, QStringLiteral("cmdNext"));
        const int right = level->correctOption();
        click(level, answerButton(level->questionNo() % 4 == 0 ? right % 4 + 1 : right));
    }
    click(level, QStringLiteral("cmdNext"));
    save(level, "completed.png");

    click(level, QStringLiteral("cmdQuit"));
    click(menu, QStringLiteral("cmdExit"));
    ui::Form *about = screen("frmPelko");
    save(about, "about.png");
    click(about, QStringLiteral("cmdOk"));
    return saved && ui::forms::programEnded() ? 0 : 1;
}
