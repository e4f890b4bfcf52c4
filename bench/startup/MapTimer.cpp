// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and prints the milliseconds from its start to the mapping of its first
// top-level window on the X display in $DISPLAY, then ends the program.
//   wellenwerk_map_timer PROGRAM [ARGUMENT ...]
// Run it on a display without a window manager (a bare Xvfb), where a program's windows are
// mapped straight onto the root window.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT ...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int result = 1;
    for (;;) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            // A program that ends (or cannot be started) maps nothing: give up then.
            if (waitpid(child, nullptr, WNOHANG) == child || xcb_connection_has_error(x)) {
                std::fprintf(stderr, "%s ended without a window\n", argv[1]);
                xcb_disconnect(x);
                return 1;
            }
            usleep(100);
            continue;
        }
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, std::free);
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (map->override_redirect) continue; // menus, tool tips
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        std::printf("%.1f\n", elapsed.count());
        result = 0;
        break;
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return result;
}
