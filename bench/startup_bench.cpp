// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// How long the game takes to start as a player starts it: the built program folder's vantrell,
// run as a process of its own on an X display, from the process start to the first picture it
// puts in a window, against a bare Qt window showing one of its pictures (startup_bare), in
// alternating pairs. The first paint is seen from outside, through the X server's DAMAGE
// extension, so the game runs exactly as shipped. Memory is the peak resident size at that point.
//
//   startup_bench [pairs [program]]   (41 pairs by default, each swapping who goes first; the
//                                      program is the build's game/vantrell unless named)
//
// It starts a private Xvfb and no window manager. Whatever else the children need comes from
// this process's environment: the session bus, and through it the desktop's accessibility switch.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "startup_bench: %s\n", what);
    std::exit(1);
}

// Descriptors not marked close-on-exec stay open in the child: Xvfb's -displayfd pipe.
pid_t spawn(const std::vector<std::string>& command, const std::vector<std::string>& environment) {
    std::vector<char*> argv, envp;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    for (const std::string& e : environment)
        envp.push_back(const_cast<char*>(e.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    // The children's chatter would cost a terminal's time; a bench measures the game, not it.
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), envp.data()) != 0)
        fail(("cannot start " + command[0]).c_str());
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

struct Start {
    double ms = -1;
    long rssKb = 0;
    double cpuMs = 0; // user and system time: what the start costs, whatever else runs
    long faults = 0;  // pages the kernel had to map in (minor faults), a good part of its time
    double lastPaintMs = -1; // within a second of the first, on the warm-up runs only
};

class Display {
  public:
    explicit Display(const std::string& name) : name_(name) {
        connection_ = xcb_connect(name.c_str(), nullptr);
        if (xcb_connection_has_error(connection_)) fail("cannot open the X display");
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present) fail("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_, 1, 1), nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }

    // Starts the program and waits for the first drawing into a window it created.
    Start time(const std::vector<std::string>& command, const std::vector<std::string>& environment,
               bool countPaints) {
        std::set<xcb_window_t> ours;
        Start start;
        const Clock::time_point begin = Clock::now();
        const pid_t child = spawn(command, environment);
        Clock::time_point end = begin + std::chrono::seconds(30);
        while (Clock::now() < end) {
            xcb_generic_event_t* event = next(end);
            if (!event) continue;
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation: the window has drawn nothing before it is mapped.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (created->parent == root_) {
                    ours.insert(created->window);
                    xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                    xcb_flush(connection_);
                }
            } else if (type == damageEvent_) {
                const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (ours.count(damage->drawable)) {
                    if (start.ms < 0) {
                        start.ms =
                            std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
                        // Watched one second further on the warm-up runs: drawing again at once
                        // (as the X server reports a shared-memory image) is one paint; later,
                        // the first was not yet the menu.
                        end = countPaints ? Clock::now() + std::chrono::seconds(1) : Clock::now();
                    }
                    start.lastPaintMs =
                        std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
                }
            }
            free(event);
        }
        kill(child, SIGKILL);
        int status = 0;
        rusage usage{};
        while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
        }
        start.rssKb = usage.ru_maxrss;
        start.faults = usage.ru_minflt + usage.ru_majflt;
        start.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                      (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        // A killed client's last events (its windows destroyed) are left behind, not counted.
        xcb_flush(connection_);
        while (xcb_generic_event_t* late = xcb_poll_for_event(connection_))
            free(late);
        return start;
    }

  private:
    xcb_generic_event_t* next(Clock::time_point until) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) return event;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&fd, 1, int(std::max<long>(0, left.count())));
        if (xcb_connection_has_error(connection_)) fail("lost the X display");
        return xcb_poll_for_event(connection_);
    }

    std::string name_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    int damageEvent_ = 0;
};

struct Series {
    std::vector<double> ms;
    std::vector<double> rss;
    std::vector<double> cpu;
    std::vector<double> faults;
    static double median(std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    const int pairs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 41;

    // A private X server, on the first free display it finds.
    int ready[2];
    if (pipe(ready) != 0) fail("no pipe");
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "DISPLAY=", 8) && std::strncmp(*e, "QT_QPA_PLATFORM=", 16) &&
            std::strncmp(*e, "WAYLAND_DISPLAY=", 16))
            environment.push_back(*e);
    const pid_t server = spawn({"/usr/bin/Xvfb", "-displayfd", std::to_string(ready[1]), "-screen",
                                "0", "1280x1024x24", "-nolisten", "tcp"},
                               environment);
    close(ready[1]);
    char number[16] = {};
    if (read(ready[0], number, sizeof number - 1) <= 0) fail("Xvfb did not start");
    close(ready[0]);
    const std::string display = ":" + std::to_string(std::atoi(number));
    environment.push_back("DISPLAY=" + display);
    environment.push_back("QT_QPA_PLATFORM=xcb");

    int code = 0;
    {
        Display x(display);
        const std::vector<std::string> game{argc > 2 ? argv[2] : VANTRELL_PROGRAM_DIR "/vantrell"};
        const std::vector<std::string> bare{VANTRELL_BARE_WINDOW,
                                            VANTRELL_PROGRAM_DIR "/Graphics/StartBackground.GIF"};
        // The first runs fill the file cache and start whatever the session starts on demand.
        double settled[2] = {};
        for (int warm = 0; warm < 2; ++warm) {
            const Start b = x.time(bare, environment, true), g = x.time(game, environment, true);
            settled[0] = b.lastPaintMs - b.ms;
            settled[1] = g.lastPaintMs - g.ms;
        }
        Series g, b;
        std::vector<double> pairRatios;
        for (int i = 0; i < pairs; ++i) {
            Start pair[2];
            for (int k = 0; k < 2; ++k) {
                const bool gameTurn = (k == 0) == (i % 2 == 1);
                const Start s = x.time(gameTurn ? game : bare, environment, false);
                if (s.ms < 0) {
                    std::fprintf(stderr, "startup_bench: %s painted nothing within 30 s\n",
                                 gameTurn ? "the game" : "the bare window");
                    code = 1;
                    continue;
                }
                Series& into = gameTurn ? g : b;
                into.ms.push_back(s.ms);
                into.rss.push_back(double(s.rssKb));
                into.cpu.push_back(s.cpuMs);
                into.faults.push_back(double(s.faults));
                pair[gameTurn] = s;
            }
            if (pair[0].ms > 0 && pair[1].ms > 0) pairRatios.push_back(pair[1].ms / pair[0].ms);
        }
        if (g.ms.empty() || b.ms.empty()) fail("nothing measured");
        const auto line = [](const char* name, const Series& s, double settled) {
            std::printf("  %-12s %7.1f ms  (%.1f, %.1f)   cpu %6.1f ms   %5.1f MB   %5.0f faults"
                        "   (last drawing +%.1f ms)\n",
                        name, Series::median(s.ms), *std::min_element(s.ms.begin(), s.ms.end()),
                        *std::max_element(s.ms.begin(), s.ms.end()), Series::median(s.cpu),
                        Series::median(s.rss) / 1024, Series::median(s.faults), settled);
        };
        std::printf("process start to first paint on Xvfb, median of %d pairs (fastest, slowest)\n",
                    pairs);
        line("game", g, settled[1]);
        line("bare window", b, settled[0]);
        std::printf("  ratio        %7.2f  (median of the pairs' own ratios %.2f)   cpu %.2f   "
                    "memory %.2f\n",
                    Series::median(g.ms) / Series::median(b.ms), Series::median(pairRatios),
                    Series::median(g.cpu) / Series::median(b.cpu),
                    Series::median(g.rss) / Series::median(b.rss));
    }
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    return code;
}
