// SPDX-License-Identifier: MIT
// Who ships the program, as the menu and the About screen show it: the one place to change it.
#pragma once

namespace shell {

struct MakerDetails
{
    const char *name;
    const char *addressLine1;
    const char *addressLine2;
    const char *email;
    const char *notice;
};

inline constexpr MakerDetails Maker{
    .name = "The Tessarine developers",
    .addressLine1 = "Free software under the MIT licence",
    .addressLine2 = "No postal address is published",
    .email = "none published",
    .notice = "Warning: this program is protected by copyright. Copying or distributing it "
              "without its copyright and licence notice is not permitted.",
};

} // namespace shell
