/* Starts a program and reports, in milliseconds since the start, when its main window was mapped
 * and when something was first drawn on it.
 *
 * The main window is the first top-level window, at least 64 x 64 pixels, mapped with a name
 * (WM_NAME) that begins with WINDOW, or whose class or instance (WM_CLASS) is WINDOW; the small
 * helper windows toolkits map (leaders, selection owners) are passed over. "Drawn" means the
 * window's pixels are no longer one colour: the server's own background fill and a toolkit's first
 * clear do not count, the first picture of menus, toolbar or table does. The tool subscribes to the
 * root window's structure events and to damage reports of every new top-level window, so it learns
 * of both the moment they happen, without polling; after each damage report on the main window it
 * reads the window's pixels once.
 *
 * usage: mapwait WINDOW TIMEOUT-SECONDS PROGRAM [ARGS...]
 * prints: "<pid> <map ms> <paint ms> <child pid> <cpu ms>" and leaves the program running. <pid>
 * is the process that owns the window (_NET_WM_PID), which differs from the started child when
 * that is a wrapper; <cpu ms> the CPU time that process had used when the drawing was seen; -1
 * stands for what was not seen in time.
 */
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static xcb_get_property_reply_t* property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t atom) {
    return xcb_get_property_reply(c, xcb_get_property(c, 0, w, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                  NULL);
}

static xcb_atom_t intern(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), NULL);
    const xcb_atom_t atom = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return atom;
}

/* Whether the window's name begins with the pattern, or its class or instance is the pattern. */
static int window_matches(xcb_connection_t* c, xcb_window_t w, const char* pattern) {
    const size_t want = strlen(pattern);
    int ok = 0;
    xcb_get_property_reply_t* r = property(c, w, XCB_ATOM_WM_NAME);
    if (r) {
        const int len = xcb_get_property_value_length(r);
        ok = len >= (int)want && memcmp(xcb_get_property_value(r), pattern, want) == 0;
        free(r);
    }
    if (!ok && (r = property(c, w, XCB_ATOM_WM_CLASS))) {
        /* Two strings, each ended by a zero byte: the instance, then the class. */
        const char* value = xcb_get_property_value(r);
        const int len = xcb_get_property_value_length(r);
        for (int at = 0; at < len && !ok;) {
            const int n = strnlen(value + at, len - at);
            ok = (size_t)n == want && memcmp(value + at, pattern, want) == 0;
            at += n + 1;
        }
        free(r);
    }
    return ok;
}

static int big_enough(xcb_connection_t* c, xcb_window_t w) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), NULL);
    const int ok = g && g->width >= 64 && g->height >= 64;
    free(g);
    return ok;
}

/* The CPU time in milliseconds all threads of the process have used so far (their scheduler
 * statistics, in nanoseconds), or -1 when the process is gone. Unlike the times since the start,
 * it hardly depends on how busy the machine is with other work. */
static double cpu_ms(int pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", pid);
    DIR* tasks = opendir(path);
    if (!tasks)
        return -1;
    double total = 0;
    struct dirent* t;
    while ((t = readdir(tasks))) {
        if (t->d_name[0] == '.')
            continue;
        snprintf(path, sizeof path, "/proc/%d/task/%.16s/schedstat", pid, t->d_name);
        FILE* f = fopen(path, "r");
        unsigned long long ns = 0;
        if (f && fscanf(f, "%llu", &ns) == 1)
            total += ns / 1e6;
        if (f)
            fclose(f);
    }
    closedir(tasks);
    return total;
}

/* Whether the window shows more than one colour. */
static int drawn_on(xcb_connection_t* c, xcb_window_t w) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), NULL);
    if (!g)
        return 0;
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, g->width, g->height, 0x00ffffff), NULL);
    free(g);
    if (!image)
        return 0;
    const uint8_t* data = xcb_get_image_data(image);
    const int len = xcb_get_image_data_length(image);
    int varied = 0;
    /* 24-bit visuals come as four bytes a pixel; comparing bytes four apart covers both. */
    for (int i = 4; i < len && !varied; ++i)
        varied = data[i] != data[i % 4];
    free(image);
    return varied;
}

/* The process that owns the window (_NET_WM_PID), else the started child. */
static int owner_of(xcb_connection_t* c, xcb_window_t w, xcb_atom_t wm_pid, int child) {
    int owner = child;
    xcb_get_property_reply_t* r = property(c, w, wm_pid);
    if (r && xcb_get_property_value_length(r) == 4)
        owner = *(const uint32_t*)xcb_get_property_value(r);
    free(r);
    return owner;
}

enum { kMaxWindows = 256 };

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: %s WINDOW TIMEOUT-SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const char* pattern = argv[1];
    const double timeout = atof(argv[2]) * 1000.0;
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        fprintf(stderr, "mapwait: the display has no damage extension\n");
        return 2;
    }
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));
    const xcb_atom_t wm_pid = intern(c, "_NET_WM_PID");
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const double start = now_ms();
    pid_t child = fork();
    if (child == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    xcb_window_t windows[kMaxWindows];
    xcb_damage_damage_t damages[kMaxWindows];
    int known = 0;
    xcb_window_t main_window = 0;
    xcb_damage_damage_t main_damage = 0;
    double mapped = -1, painted = -1, cpu = -1;
    struct pollfd pfd = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (painted < 0) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            double left = timeout - (now_ms() - start);
            if (left <= 0 || xcb_connection_has_error(c))
                break;
            poll(&pfd, 1, (int)left + 1);
            continue;
        }
        const double t = now_ms() - start;
        const int type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            xcb_create_notify_event_t* ce = (xcb_create_notify_event_t*)e;
            if (ce->parent == screen->root && known < kMaxWindows) {
                windows[known] = ce->window;
                damages[known] = xcb_generate_id(c);
                xcb_damage_create(c, damages[known], ce->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(c);
                ++known;
            }
        } else if (type == XCB_MAP_NOTIFY && !main_window) {
            xcb_map_notify_event_t* me = (xcb_map_notify_event_t*)e;
            if (big_enough(c, me->window) && window_matches(c, me->window, pattern)) {
                main_window = me->window;
                mapped = t;
                for (int i = 0; i < known; ++i)
                    if (windows[i] == main_window)
                        main_damage = damages[i];
                /* Whatever was reported before the map is not on the screen; a drawing since
                 * the map has its report queued behind this event. */
                if (main_damage)
                    xcb_damage_subtract(c, main_damage, XCB_NONE, XCB_NONE);
                xcb_flush(c);
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && main_window) {
            xcb_damage_notify_event_t* de = (xcb_damage_notify_event_t*)e;
            if (de->drawable == main_window) {
                /* Report again at the next drawing, then look at what this one left. */
                xcb_damage_subtract(c, de->damage, XCB_NONE, XCB_NONE);
                xcb_flush(c);
                if (drawn_on(c, main_window)) {
                    painted = t;
                    cpu = cpu_ms(owner_of(c, main_window, wm_pid, child));
                }
            }
        }
        free(e);
    }
    const int owner = main_window ? owner_of(c, main_window, wm_pid, child) : child;
    printf("%d %.1f %.1f %d %.0f\n", owner, mapped, painted, (int)child, cpu);
    xcb_disconnect(c);
    return painted < 0;
}
