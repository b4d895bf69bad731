// Measures a program from outside, as a system monitor would: the time from
// starting its process to its first window being mapped on the X server, and
// its resident memory a moment later. Prints every run and the medians.
//   tools/xvfb/xvfb.sh build/bench/first_window build/out/Tessaly [runs]
// With --space NAME, half a second after the first window it gives that
// window the keyboard and presses the space bar, as a player choosing the
// first mode does, and also times the press to the mapping of the window
// whose title holds NAME.
//   tools/xvfb/xvfb.sh build/bench/first_window build/out/Mibbet 21 --space 生存
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long statusKb(pid_t pid, const char* field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::strlen(field));
    return -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Waits for the next ordinary window to be mapped; its id, or 0.
xcb_window_t nextMapped(xcb_connection_t* c)
{
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        xcb_window_t window = 0;
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (!map->override_redirect)
                window = map->window;
        }
        std::free(e);
        if (window)
            return window;
    }
    return 0;
}

xcb_keycode_t keycodeOf(xcb_connection_t* c, xcb_keysym_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* map =
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr);
    xcb_keycode_t found = 0;
    if (map) {
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
        for (int k = 0; k < count * map->keysyms_per_keycode && !found; ++k)
            if (syms[k] == keysym)
                found = xcb_keycode_t(setup->min_keycode + k / map->keysyms_per_keycode);
        std::free(map);
    }
    return found;
}

std::string windowName(xcb_connection_t* c, xcb_window_t w)
{
    static const char atomName[] = "_NET_WM_NAME";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof atomName - 1, atomName), nullptr);
    std::string name;
    if (atom) {
        xcb_get_property_reply_t* p = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        if (p) {
            name.assign(static_cast<const char*>(xcb_get_property_value(p)), size_t(xcb_get_property_value_length(p)));
            std::free(p);
        }
        std::free(atom);
    }
    return name;
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [runs] [--space NAME]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    const bool space = argc > 4 && std::strcmp(argv[3], "--space") == 0;
    const std::string wanted = space ? argv[4] : "";
    // One connection for all runs: a virtual server resets when its last client leaves.
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X server (DISPLAY)\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    const xcb_keycode_t spaceKey = keycodeOf(c, 0x20);
    std::vector<double> ms, mb, chosen;
    for (int run = 0; run < runs; ++run) {
        // Events left over from the previous run do not count.
        while (xcb_generic_event_t* old = xcb_poll_for_event(c))
            std::free(old);
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execl(argv[1], argv[1], static_cast<char*>(nullptr));
            _exit(127);
        }
        const xcb_window_t first = nextMapped(c);
        std::string nextName;
        const double elapsed = first ? msSince(start) : -1;
        if (space && first) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, first, XCB_CURRENT_TIME);
            const auto pressed = std::chrono::steady_clock::now();
            xcb_test_fake_input(c, XCB_KEY_PRESS, spaceKey, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_test_fake_input(c, XCB_KEY_RELEASE, spaceKey, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_flush(c);
            double after = -1;
            while (const xcb_window_t next = nextMapped(c)) {
                after = msSince(pressed);
                nextName = windowName(c, next);
                if (nextName.find(wanted) != std::string::npos)
                    break;
            }
            chosen.push_back(after);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const long rss = statusKb(child, "VmHWM:");
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ms.push_back(elapsed);
        mb.push_back(rss / 1024.0);
        std::printf("run %2d: first window mapped after %.1f ms, peak resident %.1f MB", run + 1, elapsed, rss / 1024.0);
        if (space)
            std::printf(", \"%s\" %.1f ms after the space bar", nextName.c_str(), chosen.back());
        std::printf("\n");
    }
    xcb_disconnect(c);
    std::printf("median of %d: %.1f ms to the first mapped window, %.1f MB peak resident", runs, median(ms), median(mb));
    if (space)
        std::printf(", %.1f ms from the space bar to \"%s\"", median(chosen), wanted.c_str());
    std::printf("\n");
    return 0;
}
