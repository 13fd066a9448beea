// SPDX-License-Identifier: MIT
#include "questionorder.h"

#include "runtime.h"

#include <cmath>

namespace quiz {

void shuffleQuestionOrder(QuestionOrderArray &order, qint16 &fill)
{
    fill = 1;
    ui::rtcRandomize();
    while (fill < 251) {
        // Formed in double precision from the single-precision draw, so d lies in 1..250.
        const auto drawn = qint16(std::floor(double(ui::rtcRandomNext()) * 250 + 1));
        bool used = false;
        for (int j = 1; j != fill; ++j) {
            if (order(j) == drawn) {
                used = true;
                break;
            }
        }
        if (used)
            continue;
        order.set(fill, drawn);
        fill = ui::add16(fill, 1);
    }
}

} // namespace quiz
