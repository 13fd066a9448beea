// SPDX-License-Identifier: MIT
// Signed 16-bit arithmetic and arrays that raise run-time errors instead of wrapping or
// reading outside their bounds.
#pragma once

#include "runtime.h"

#include <QtGlobal>

#include <array>

namespace ui {

inline qint16 add16(qint16 a, int b)
{
    const int sum = a + b;
    if (sum < -32768 || sum > 32767)
        throw RuntimeError(QStringLiteral("Overflow"));
    return static_cast<qint16>(sum);
}

// An array of 16-bit integers indexed Lower..Upper.
template<int Lower, int Upper> class Array16
{
public:
    qint16 operator()(int index) const { return values[offset(index)]; }
    void set(int index, qint16 value) { values[offset(index)] = value; }

private:
    static std::size_t offset(int index)
    {
        if (index < Lower || index > Upper)
            throw RuntimeError(QStringLiteral("Subscript out of range"));
        return static_cast<std::size_t>(index - Lower);
    }
    std::array<qint16, Upper - Lower + 1> values{};
};

} // namespace ui
