#include "platform/server_scaler.h"

#include <allegro.h>
// After allegro.h: the X11 driver's own resources (display, window, lock).
#include <xalleg.h>

#include <X11/extensions/Xrender.h>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <vector>

namespace {
constexpr int pageWidth = 320;
constexpr int pageHeight = 240;

// X errors during the set-up (a server that refuses the shared memory, say)
// are noted instead of ending the program.
bool failed = false;
int noteError(Display*, XErrorEvent*) {
    failed = true;
    return 0;
}

// Allegro's own thread talks to the same connection: every call goes under its
// lock.
struct XLock {
    XLock() { XLOCK(); }
    ~XLock() { XUNLOCK(); }
};
} // namespace

struct ServerScaler::Server {
    Display* display = nullptr;
    XImage* image = nullptr;
    XShmSegmentInfo shm{};
    bool attached = false;
    Pixmap pixmap = 0;
    GC gc = nullptr;
    Picture source = 0;
    Picture target = 0;
    int factor = 1, x = 0, y = 0;
    const uint32_t* colours = nullptr;
    // The page rows as last sent, to send only those that changed.
    std::vector<uint16_t> sent;
    bool sentAny = false;

    // Converts the page's rows that changed into the shared image; the first
    // and last of them, or false when none did.
    bool convert(BITMAP* page, int& first, int& last) {
        first = pageHeight;
        last = -1;
        for (int row = 0; row < pageHeight; ++row) {
            const auto* from = (const uint16_t*)page->line[row];
            uint16_t* was = &sent[(size_t)row * pageWidth];
            if (sentAny && std::memcmp(was, from, pageWidth * 2) == 0) continue;
            std::memcpy(was, from, pageWidth * 2);
            auto* to = (uint32_t*)(image->data + (size_t)row * image->bytes_per_line);
            for (int col = 0; col < pageWidth; ++col)
                to[col] = colours[from[col]];
            if (first > row) first = row;
            last = row;
        }
        sentAny = true;
        return last >= 0;
    }

    void send(int first, int last) {
        XShmPutImage(display, pixmap, gc, image, 0, first, 0, first, pageWidth, last - first + 1,
                     False);
    }

    // The enlarged page onto a drawable's picture.
    void composite(Picture onto, int atX, int atY) {
        XRenderComposite(display, PictOpSrc, source, None, onto, 0, 0, 0, 0, atX, atY,
                         pageWidth * factor, pageHeight * factor);
    }

    bool checkScaling();
    void release();
};

// A page of many colours, scaled by the server into a picture off screen, must
// read back pixel for pixel as whole-number nearest-neighbour enlarging gives
// it. Rows and columns at the far edges are where a rounding would show.
bool ServerScaler::Server::checkScaling() {
    BITMAP* page = create_bitmap_ex(16, pageWidth, pageHeight);
    if (!page) return false;
    for (int row = 0; row < pageHeight; ++row)
        for (int col = 0; col < pageWidth; ++col)
            ((uint16_t*)page->line[row])[col] = (uint16_t)(row * 331 + col * 97 + (row ^ col));
    int first, last;
    convert(page, first, last);
    send(first, last);
    int w = pageWidth * factor, h = pageHeight * factor;
    Window window = _xwin.window;
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    Pixmap scratch =
        XCreatePixmap(display, window, (unsigned)w, (unsigned)h, (unsigned)attributes.depth);
    Picture onto = XRenderCreatePicture(
        display, scratch, XRenderFindVisualFormat(display, attributes.visual), 0, nullptr);
    composite(onto, 0, 0);
    bool same = true;
    const int strip = 2 * factor;
    struct Area {
        int x, y, w, h;
    };
    for (Area a :
         {Area{0, 0, w, strip}, Area{0, h - strip, w, strip}, Area{0, 0, strip, h},
          Area{w - strip, 0, strip, h}, Area{w / 2 - strip, h / 2 - strip, 2 * strip, 2 * strip}}) {
        XImage* got =
            XGetImage(display, scratch, a.x, a.y, (unsigned)a.w, (unsigned)a.h, AllPlanes, ZPixmap);
        if (!got) {
            same = false;
            break;
        }
        for (int j = 0; j < a.h && same; ++j)
            for (int i = 0; i < a.w && same; ++i) {
                int px = (a.x + i) / factor, py = (a.y + j) / factor;
                uint32_t want = colours[((uint16_t*)page->line[py])[px]];
                same = (XGetPixel(got, i, j) & 0xFFFFFF) == (want & 0xFFFFFF);
            }
        XDestroyImage(got);
        if (!same) break;
    }
    XRenderFreePicture(display, onto);
    XFreePixmap(display, scratch);
    destroy_bitmap(page);
    sentAny = false;
    return same;
}

void ServerScaler::Server::release() {
    if (source) XRenderFreePicture(display, source);
    if (target) XRenderFreePicture(display, target);
    if (gc) XFreeGC(display, gc);
    if (pixmap) XFreePixmap(display, pixmap);
    if (attached) XShmDetach(display, &shm);
    if (image) {
        image->data = nullptr;
        XDestroyImage(image);
    }
    if (shm.shmaddr) shmdt(shm.shmaddr);
    XSync(display, False);
}

bool ServerScaler::start(int factor, int x, int y, const uint32_t* colours) {
    stop();
    if (!_xwin.display || !_xwin.window || !screen || bitmap_color_depth(screen) != 32 ||
        !_xwin.matching_formats || factor < 1 || !colours)
        return false;
    XLock lock;
    Display* display = _xwin.display;
    int eventBase, errorBase;
    if (!XRenderQueryExtension(display, &eventBase, &errorBase) || !XShmQueryExtension(display))
        return false;
    XWindowAttributes attributes;
    XGetWindowAttributes(display, _xwin.window, &attributes);
    XRenderPictFormat* format = XRenderFindVisualFormat(display, attributes.visual);
    if (!format) return false;

    server = new Server();
    Server& s = *server;
    s.display = display;
    s.factor = factor;
    s.x = x;
    s.y = y;
    s.colours = colours;
    s.sent.assign((size_t)pageWidth * pageHeight, 0);
    XSync(display, False);
    failed = false;
    auto previous = XSetErrorHandler(noteError);
    s.image = XShmCreateImage(display, attributes.visual, (unsigned)attributes.depth, ZPixmap,
                              nullptr, &s.shm, pageWidth, pageHeight);
    if (s.image && s.image->bits_per_pixel == 32) {
        s.shm.shmid =
            shmget(IPC_PRIVATE, (size_t)s.image->bytes_per_line * pageHeight, IPC_CREAT | 0600);
        if (s.shm.shmid >= 0) {
            void* at = shmat(s.shm.shmid, nullptr, 0);
            if (at != (void*)-1) {
                s.shm.shmaddr = s.image->data = (char*)at;
                s.shm.readOnly = False;
                s.attached = XShmAttach(display, &s.shm);
                XSync(display, False);
            }
            // Gone once both sides let go of it.
            shmctl(s.shm.shmid, IPC_RMID, nullptr);
        }
    }
    bool ok = s.attached && !failed;
    if (ok) {
        s.pixmap =
            XCreatePixmap(display, _xwin.window, pageWidth, pageHeight, (unsigned)attributes.depth);
        XGCValues values;
        values.graphics_exposures = False;
        s.gc = XCreateGC(display, s.pixmap, GCGraphicsExposures, &values);
        s.source = XRenderCreatePicture(display, s.pixmap, format, 0, nullptr);
        s.target = XRenderCreatePicture(display, _xwin.window, format, 0, nullptr);
        XFixed step = XDoubleToFixed(1.0 / factor);
        XTransform scale = {{{step, 0, 0}, {0, step, 0}, {0, 0, XDoubleToFixed(1)}}};
        XRenderSetPictureTransform(display, s.source, &scale);
        XRenderSetPictureFilter(display, s.source, (char*)FilterNearest, nullptr, 0);
        XSync(display, False);
        ok = !failed && s.checkScaling();
        XSync(display, False);
        ok = ok && !failed;
    }
    if (!ok) s.release();
    XSetErrorHandler(previous);
    if (!ok) {
        delete server;
        server = nullptr;
        return false;
    }
    running = true;
    return true;
}

void ServerScaler::stop() {
    if (!server) return;
    if (_xwin.display) {
        XLock lock;
        server->release();
    }
    delete server;
    server = nullptr;
    running = false;
}

void ServerScaler::present(BITMAP* page) {
    if (!running || !page || bitmap_color_depth(page) != 16) return;
    Server& s = *server;
    {
        // The shared image may be written again only once the server has read
        // it: by now, a frame later, it has, and the round trip is short.
        XLock lock;
        XSync(s.display, False);
    }
    int first, last;
    bool changed = s.convert(page, first, last);
    XLock lock;
    if (changed) s.send(first, last);
    // Every frame, so that a part of the window uncovered since (which the
    // library repaints from its own, older picture) is right again at once.
    s.composite(s.target, s.x, s.y);
    XFlush(s.display);
}
