// SPDX-License-Identifier: MIT
#include "levelbanks.h"

#include "bankfile.h"

#include "runtime.h"

#include <QFile>

#include <memory>

namespace bank {

namespace {

std::array<std::unique_ptr<LevelBank>, LevelCount> &loadedBanks()
{
    static std::array<std::unique_ptr<LevelBank>, LevelCount> banks;
    return banks;
}

} // namespace

const LevelBank &levelBank(int level)
{
    if (level < 1 || level > LevelCount)
        throw ui::RuntimeError(
            QStringLiteral("Subscript out of range: there is no level %1").arg(level));
    std::unique_ptr<LevelBank> &bank = loadedBanks()[std::size_t(level - 1)];
    if (!bank) {
        const QString name = QStringLiteral("level%1.tsv").arg(level);
        QFile file(QStringLiteral(":/bank/") + name);
        if (!file.open(QIODevice::ReadOnly))
            throw ui::RuntimeError(QStringLiteral("The question bank %1 is missing").arg(name));
        try {
            bank = std::make_unique<LevelBank>(parseLevelBank(file.readAll(), name));
        } catch (const BankError &error) {
            throw ui::RuntimeError(QString::fromStdString(error.what()));
        }
    }
    return *bank;
}

const QuestionRecord &record(const LevelBank &bank, int number)
{
    if (number < 1 || number > LevelBank::Size)
        throw ui::RuntimeError(
            QStringLiteral("Subscript out of range: there is no record %1").arg(number));
    return bank.records[std::size_t(number - 1)];
}

} // namespace bank
