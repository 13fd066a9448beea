// SPDX-License-Identifier: MIT
// The strict reader of a level's bank file: tab-separated text, a header and 250 records.
#pragma once

#include "questionrecord.h"

#include <QByteArrayView>

#include <stdexcept>

namespace bank {

// A bank file that breaks a rule; the message names the file, the line and the rule.
class BankError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

inline constexpr char BankHeader[] = "question\toption1\toption2\toption3\toption4\tcorrect";

// Reads a whole bank file, or throws BankError at the first rule it breaks.
LevelBank parseLevelBank(QByteArrayView data, const QString &fileName);

} // namespace bank
