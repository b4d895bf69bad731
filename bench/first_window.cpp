// Measures a program from outside, as a system monitor would: the time from
// starting its process to its first window being mapped on the X server, and
// its resident memory a moment later. Prints every run and the medians.
//   tools/xvfb/xvfb.sh build/bench/first_window build/out/Tessaly [runs]
#include <xcb/xcb.h>

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

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
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
    std::vector<double> ms, mb;
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
        double elapsed = -1;
        while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
            const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
            std::free(e);
            if (mapped) {
                elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const long rss = statusKb(child, "VmHWM:");
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ms.push_back(elapsed);
        mb.push_back(rss / 1024.0);
        std::printf("run %2d: first window mapped after %.1f ms, peak resident %.1f MB\n", run + 1, elapsed, rss / 1024.0);
    }
    xcb_disconnect(c);
    std::printf("median of %d: %.1f ms to the first mapped window, %.1f MB peak resident\n", runs, median(ms), median(mb));
    return 0;
}
