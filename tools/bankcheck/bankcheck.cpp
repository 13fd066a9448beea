// SPDX-License-Identifier: MIT
// Checks bank files with the program's own reader, so that a malformed bank stops the build.
#include "bankfile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    int broken = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot be read\n", argv[i]);
            ++broken;
            continue;
        }
        try {
            bank::parseLevelBank(file.readAll(), QFileInfo(path).fileName());
        } catch (const bank::BankError &error) {
            std::fprintf(stderr, "%s\n", error.what());
            ++broken;
        }
    }
    return broken == 0 ? 0 : 1;
}
