// SPDX-License-Identifier: MIT
// Tessarine: a multiple-choice science quiz for learners, in six levels.
#include "shell.h"

#include "access.h"
#include "runtime.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

void printLine(std::FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + '\n'), stream);
}

// Answers --help and --version, and refuses anything else, before any window system is touched,
// so that both work on a terminal without a display. Returns the exit status when the program
// is to end here.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A multiple-choice science quiz for learners, in six levels."));
    // Qt's own help option would also offer Qt's options, which this program does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Print the program's name and version and exit."));
    parser.addOptions({help, version});
    const QString program = QStringLiteral("tessarine: ");
    if (!parser.parse(arguments)) {
        printLine(stderr, program + parser.errorText());
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printLine(stderr, program + QStringLiteral("Unexpected argument '%1'.")
                                        .arg(parser.positionalArguments().constFirst()));
        return 2;
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it was called, which only an application knows.
        const QCoreApplication app(argc, argv);
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        printLine(stdout, ui::appTitle() + ' ' + QCoreApplication::applicationVersion());
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    // The program's name and version are known before the application exists, for --version.
    ui::initApplication();
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    // The forms decide when the program ends: once none of them is loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installAccessAids();
    shell::defineForms();
    shell::start();
    if (ui::failed())
        return 1;
    return QApplication::exec();
}
