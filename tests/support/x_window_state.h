// What the X server and the window manager hold about the windows on a display, read by a
// connection of the test's own: the managed windows in stacking order, each one's title,
// frame extents and place on the screen, its state (_NET_WM_STATE, WM_STATE iconic), the
// window it is transient for and the actions the manager allows it; and a picture of the
// whole screen.
// Thread contract: one thread; the connection lives as long as the object.
#pragma once

#include <xcb/xcb.h>

#include <QImage>
#include <QMargins>
#include <QRect>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace corvell::test {

class XWindowState {
  public:
    explicit XWindowState(const std::string& display) : c_(xcb_connect(display.c_str(), nullptr)) {
        if (xcb_connection_has_error(c_) == 0) {
            screen_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        }
    }
    ~XWindowState() { xcb_disconnect(c_); }
    XWindowState(const XWindowState&) = delete;
    XWindowState& operator=(const XWindowState&) = delete;

    bool connected() const { return screen_ != nullptr; }
    xcb_window_t root() const { return screen_->root; }
    QSize screenSize() const { return {screen_->width_in_pixels, screen_->height_in_pixels}; }

    // The managed windows, bottom first (_NET_CLIENT_LIST_STACKING).
    std::vector<xcb_window_t> stacking() { return cards(root(), "_NET_CLIENT_LIST_STACKING"); }

    // The managed window whose title is `title` (or starts with it, when `prefix`) whose first
    // type is `type` (NORMAL, DIALOG, ... of _NET_WM_WINDOW_TYPE_; empty: any); 0 if none.
    xcb_window_t clientTitled(const std::string& title, bool prefix = false,
                              const std::string& type = {}) {
        for (xcb_window_t w : stacking()) {
            const std::string t = this->title(w);
            if (!(prefix ? t.rfind(title, 0) == 0 : t == title)) continue;
            const std::vector<std::string> types = atomNames(w, "_NET_WM_WINDOW_TYPE");
            if (type.empty() || (!types.empty() && types[0] == "_NET_WM_WINDOW_TYPE_" + type)) {
                return w;
            }
        }
        return 0;
    }

    std::string title(xcb_window_t w) {
        std::string t = text(w, "_NET_WM_NAME");
        return t.empty() ? text(w, "WM_NAME") : t;
    }

    // Left, top, right, bottom as the manager gives them (_NET_FRAME_EXTENTS); none before.
    std::optional<QMargins> frameExtents(xcb_window_t w) {
        const std::vector<uint32_t> v = cards(w, "_NET_FRAME_EXTENTS");
        if (v.size() != 4) return std::nullopt;
        return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                        static_cast<int>(v[3]));
    }

    // The client window's rectangle on the screen.
    QRect clientRect(xcb_window_t w) {
        xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr);
        xcb_translate_coordinates_reply_t* t = xcb_translate_coordinates_reply(
            c_, xcb_translate_coordinates(c_, w, root(), 0, 0), nullptr);
        QRect r;
        if (g != nullptr && t != nullptr) r = QRect(t->dst_x, t->dst_y, g->width, g->height);
        std::free(g);
        std::free(t);
        return r;
    }

    // The window with the manager's frame around it: title bar and border included.
    QRect frameRect(xcb_window_t w) {
        return clientRect(w).marginsAdded(frameExtents(w).value_or(QMargins()));
    }

    // Atom names of a list property (_NET_WM_STATE, _NET_WM_ALLOWED_ACTIONS).
    std::vector<std::string> atomNames(xcb_window_t w, const char* property) {
        std::vector<std::string> out;
        for (uint32_t a : cards(w, property, XCB_ATOM_ATOM)) out.push_back(atomName(a));
        return out;
    }
    bool hasAtom(xcb_window_t w, const char* property, const std::string& name) {
        for (const std::string& n : atomNames(w, property)) {
            if (n == name) return true;
        }
        return false;
    }

    // WM_STATE: 1 normal, 3 iconic, 0 withdrawn (or none).
    int wmState(xcb_window_t w) {
        const std::vector<uint32_t> v = cards(w, "WM_STATE", atom("WM_STATE"));
        return v.empty() ? 0 : static_cast<int>(v[0]);
    }
    bool viewable(xcb_window_t w) {
        xcb_get_window_attributes_reply_t* a =
            xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, w), nullptr);
        const bool shown = a != nullptr && a->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(a);
        return shown;
    }
    xcb_window_t transientFor(xcb_window_t w) {
        const std::vector<uint32_t> v = cards(w, "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW);
        return v.empty() ? 0 : v[0];
    }
    xcb_window_t activeWindow() {
        const std::vector<uint32_t> v = cards(root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
        return v.empty() ? 0 : v[0];
    }
    // Where `w` is in the stacking order (higher is nearer the user); -1 when not managed.
    int stackIndex(xcb_window_t w) {
        const std::vector<xcb_window_t> s = stacking();
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == w) return static_cast<int>(i);
        }
        return -1;
    }

    // The whole screen as the user sees it.
    QImage screenshot() {
        const QSize size = screenSize();
        xcb_get_image_reply_t* r =
            xcb_get_image_reply(c_,
                                xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, root(), 0, 0,
                                              static_cast<uint16_t>(size.width()),
                                              static_cast<uint16_t>(size.height()), ~0u),
                                nullptr);
        QImage image;
        if (r != nullptr && r->depth == 24 &&
            xcb_get_image_data_length(r) == size.width() * size.height() * 4) {
            image = QImage(xcb_get_image_data(r), size.width(), size.height(), QImage::Format_RGB32)
                        .copy();
        }
        std::free(r);
        return image;
    }

    xcb_atom_t atom(const char* name) {
        const auto known = atoms_.find(name);
        if (known != atoms_.end()) return known->second;
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = r != nullptr ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(r);
        atoms_[name] = a;
        return a;
    }

  private:
    std::vector<uint32_t> cards(xcb_window_t w, const char* property,
                                xcb_atom_t type = XCB_ATOM_ANY) {
        std::vector<uint32_t> out;
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, w, atom(property), type, 0, 1024), nullptr);
        if (r != nullptr && r->format == 32) {
            const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r));
            out.assign(v, v + xcb_get_property_value_length(r) / 4);
        }
        std::free(r);
        return out;
    }
    std::string text(xcb_window_t w, const char* property) {
        std::string out;
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, w, atom(property), XCB_ATOM_ANY, 0, 1024), nullptr);
        if (r != nullptr && r->format == 8) {
            out.assign(static_cast<const char*>(xcb_get_property_value(r)),
                       static_cast<std::size_t>(xcb_get_property_value_length(r)));
        }
        std::free(r);
        return out;
    }
    std::string atomName(xcb_atom_t a) {
        xcb_get_atom_name_reply_t* r =
            xcb_get_atom_name_reply(c_, xcb_get_atom_name(c_, a), nullptr);
        std::string out;
        if (r != nullptr) {
            out.assign(xcb_get_atom_name_name(r),
                       static_cast<std::size_t>(xcb_get_atom_name_name_length(r)));
        }
        std::free(r);
        return out;
    }

    xcb_connection_t* c_;
    xcb_screen_t* screen_ = nullptr;
    std::map<std::string, xcb_atom_t> atoms_;
};

}  // namespace corvell::test
