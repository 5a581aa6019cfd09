// SPDX-License-Identifier: GPL-3.0-or-later
// A weston module for the Wayland tests: a seat with a keyboard and a pointer, which a headless
// weston lacks (and without a seat there is no clipboard), driven by lines written to the named
// pipe in QUENTARA_TEST_SEAT_FIFO:
//   key CODE...   presses the Linux key codes in order and releases them in reverse (a chord)
//   click PID X Y clicks the left button at X, Y of the top window of the client with process
//                 id PID
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <libweston-desktop/libweston-desktop.h>
#include <linux/input-event-codes.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>
#include <weston.h>

// Debian's libweston-10-dev leaves out libweston/backend.h, which declares these.
extern "C" {
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec,
                      const char* seat_name);
int weston_seat_init_pointer(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);
void notify_motion_absolute(struct weston_seat* seat, const struct timespec* time, double x,
                            double y);
void notify_button(struct weston_seat* seat, const struct timespec* time, int32_t button,
                   enum wl_pointer_button_state state);
void notify_pointer_frame(struct weston_seat* seat);
}

namespace {

struct TestSeat {
    weston_seat seat{};
    int fifo = -1;
    std::string pending; // a line not yet ended
};

timespec now() {
    timespec time{};
    weston_compositor_get_time(&time);
    return time;
}

void pressChord(weston_seat* seat, const std::vector<uint32_t>& keys) {
    for (const uint32_t key : keys) {
        const timespec time = now();
        notify_key(seat, &time, key, WL_KEYBOARD_KEY_STATE_PRESSED, STATE_UPDATE_AUTOMATIC);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        const timespec time = now();
        notify_key(seat, &time, *key, WL_KEYBOARD_KEY_STATE_RELEASED, STATE_UPDATE_AUTOMATIC);
    }
}

// The top window of the client with process id `pid`, or none.
weston_view* windowOf(weston_compositor* compositor, pid_t pid) {
    weston_view* view = nullptr;
    wl_list_for_each(view, &compositor->view_list, link) {
        weston_surface* surface = view->surface;
        pid_t owner = 0;
        if (surface->resource == nullptr || !weston_surface_is_desktop_surface(surface))
            continue;
        wl_client_get_credentials(wl_resource_get_client(surface->resource), &owner, nullptr,
                                  nullptr);
        if (owner == pid)
            return view;
    }
    return nullptr;
}

void click(weston_seat* seat, pid_t pid, double x, double y) {
    weston_view* view = windowOf(seat->compositor, pid);
    if (view == nullptr) {
        weston_log("quentara-test-seat: no window of process %d\n", static_cast<int>(pid));
        return;
    }
    timespec time = now();
    notify_motion_absolute(seat, &time, view->geometry.x + x, view->geometry.y + y);
    notify_pointer_frame(seat);
    for (const auto state : {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
        time = now();
        notify_button(seat, &time, BTN_LEFT, state);
        notify_pointer_frame(seat);
    }
}

void carryOut(TestSeat& test, const std::string& line) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "key") {
        std::vector<uint32_t> keys;
        for (uint32_t key = 0; words >> key;)
            keys.push_back(key);
        pressChord(&test.seat, keys);
    } else if (command == "click") {
        pid_t pid = 0;
        double x = 0;
        double y = 0;
        if (words >> pid >> x >> y)
            click(&test.seat, pid, x, y);
    } else if (!command.empty()) {
        weston_log("quentara-test-seat: unknown command \"%s\"\n", line.c_str());
    }
}

int readCommands(int fd, uint32_t /*mask*/, void* data) {
    auto& test = *static_cast<TestSeat*>(data);
    char buffer[256];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        test.pending.append(buffer, static_cast<std::size_t>(got));
    }
    for (std::size_t end; (end = test.pending.find('\n')) != std::string::npos;) {
        carryOut(test, test.pending.substr(0, end));
        test.pending.erase(0, end + 1);
    }
    return 0;
}

} // namespace

extern "C" WL_EXPORT int wet_module_init(weston_compositor* compositor, int* /*argc*/,
                                         char* /*argv*/[]) {
    const char* path = std::getenv("QUENTARA_TEST_SEAT_FIFO");
    if (path == nullptr) {
        weston_log("quentara-test-seat: QUENTARA_TEST_SEAT_FIFO is not set\n");
        return -1;
    }
    auto* test = new TestSeat; // lives as long as the compositor
    // Open for writing too, so the pipe never reads as ended between two writers.
    test->fifo = open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (test->fifo < 0) {
        weston_log("quentara-test-seat: cannot open %s\n", path);
        return -1;
    }
    weston_seat_init(&test->seat, compositor, "quentara-test");
    weston_seat_init_keyboard(&test->seat, nullptr);
    weston_seat_init_pointer(&test->seat);
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), test->fifo,
                         WL_EVENT_READABLE, readCommands, test);
    return 0;
}
