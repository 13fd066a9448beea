// SPDX-License-Identifier: MIT
// A weston module for the Wayland test: the headless compositor gets a seat with a keyboard,
// which types what weston reads on its standard input, a line of Linux key codes at a time,
// pressed in order and released in reverse. The program under test gets its keys and its
// keyboard focus from the compositor, as from a learner's keyboard.
#include <libweston/libweston.h>

#include <ctime>
#include <iterator>
#include <sstream>
#include <unistd.h>
#include <vector>

// Exported by libweston for its backends, though its headers do not declare them.
extern "C" {
void weston_seat_init(weston_seat *seat, weston_compositor *compositor, const char *name);
int weston_seat_init_keyboard(weston_seat *seat, xkb_keymap *keymap);
void notify_key(weston_seat *seat, const timespec *time, uint32_t key, wl_keyboard_key_state state,
                weston_key_state_update update);
}

namespace {

weston_seat seat;

int type(int fd, uint32_t, void *)
{
    // The test writes a few short lines at a time, each whole.
    char buffer[4096];
    std::istringstream lines(std::string(buffer, std::max<ssize_t>(read(fd, buffer, 4096), 0)));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        const std::vector<uint32_t> codes{std::istream_iterator<uint32_t>(words), {}};
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        for (auto code = codes.begin(); code != codes.end(); ++code)
            notify_key(&seat, &now, *code, WL_KEYBOARD_KEY_STATE_PRESSED, STATE_UPDATE_AUTOMATIC);
        for (auto code = codes.rbegin(); code != codes.rend(); ++code)
            notify_key(&seat, &now, *code, WL_KEYBOARD_KEY_STATE_RELEASED, STATE_UPDATE_AUTOMATIC);
    }
    return 0;
}

} // namespace

extern "C" WL_EXPORT int wet_module_init(weston_compositor *compositor, int *, char *[])
{
    weston_seat_init(&seat, compositor, "keyboard");
    if (weston_seat_init_keyboard(&seat, nullptr) < 0)
        return -1;
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), STDIN_FILENO,
                         WL_EVENT_READABLE, type, nullptr);
    return 0;
}
