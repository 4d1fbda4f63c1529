#include "platform/x11windows.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {

// Replies and errors of xcb are malloc'ed.
template <typename T> using XcbPtr = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> XcbPtr<T> own(T* p)
{
    return XcbPtr<T>(p, &std::free);
}

xcb_connection_t* connection()
{
    if (!IsX11Display())
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// An atom that some client has already created, or XCB_ATOM_NONE.
xcb_atom_t existingAtom(xcb_connection_t* c, const char* name)
{
    xcb_generic_error_t* error = nullptr;
    auto reply = own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(strlen(name)), name), &error));
    std::free(error);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The top-level windows of one screen: the window manager's client list when one runs (its frames
// hide the clients from the root), otherwise the root's children, bottom to top.
std::vector<xcb_window_t> topLevelWindows(xcb_connection_t* c, xcb_window_t root, xcb_atom_t clientList)
{
    std::vector<xcb_window_t> windows;
    xcb_generic_error_t* error = nullptr;
    if (clientList != XCB_ATOM_NONE) {
        auto reply = own(xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, clientList, XCB_ATOM_WINDOW, 0, 65536), &error));
        std::free(error);
        error = nullptr;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) > 0) {
            const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
            windows.assign(ids, ids + xcb_get_property_value_length(reply.get()) / 4);
            return windows;
        }
    }
    auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, root), &error));
    std::free(error);
    if (tree) {
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        windows.assign(children, children + xcb_query_tree_children_length(tree.get()));
    }
    return windows;
}

} // namespace

bool IsX11Display()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

quintptr FindProcessWindow(qint64 pid)
{
    xcb_connection_t* c = connection();
    if (!c || pid <= 0)
        return 0;
    const xcb_atom_t pidAtom = existingAtom(c, "_NET_WM_PID");
    if (pidAtom == XCB_ATOM_NONE)
        return 0; // no client has ever set it
    const xcb_atom_t clientList = existingAtom(c, "_NET_CLIENT_LIST");

    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(c)); screens.rem; xcb_screen_next(&screens)) {
        const std::vector<xcb_window_t> windows = topLevelWindows(c, screens.data->root, clientList);
        // All questions first, then all answers: one round trip instead of one per window.
        std::vector<xcb_get_property_cookie_t> pids;
        std::vector<xcb_get_window_attributes_cookie_t> attributes;
        pids.reserve(windows.size());
        attributes.reserve(windows.size());
        for (xcb_window_t w : windows) {
            pids.push_back(xcb_get_property(c, 0, w, pidAtom, XCB_ATOM_CARDINAL, 0, 1));
            attributes.push_back(xcb_get_window_attributes(c, w));
        }
        quintptr found = 0;
        for (size_t i = 0; i < windows.size(); ++i) {
            xcb_generic_error_t* error = nullptr;
            auto pidReply = own(xcb_get_property_reply(c, pids[i], &error));
            std::free(error);
            error = nullptr;
            auto attrReply = own(xcb_get_window_attributes_reply(c, attributes[i], &error));
            std::free(error);
            if (found || !pidReply || !attrReply || pidReply->format != 32 ||
                xcb_get_property_value_length(pidReply.get()) < 4)
                continue;
            const quint32 windowPid = *static_cast<const quint32*>(xcb_get_property_value(pidReply.get()));
            // Hidden helper windows (a toolkit's group leader, menus) are not the program's window.
            if (qint64(windowPid) == pid && attrReply->map_state == XCB_MAP_STATE_VIEWABLE &&
                !attrReply->override_redirect)
                found = windows[i];
        }
        if (found)
            return found;
    }
    return 0;
}

bool IsWindowAlive(quintptr window)
{
    xcb_connection_t* c = connection();
    if (!c || window == 0)
        return false;
    xcb_generic_error_t* error = nullptr;
    auto reply =
        own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, xcb_window_t(window)), &error));
    std::free(error);
    return reply != nullptr;
}

QWidget* EmbedForeignWindow(quintptr window, QWidget* parent)
{
    if (!IsX11Display() || window == 0)
        return nullptr;
    QWindow* foreign = QWindow::fromWinId(WId(window));
    if (!foreign)
        return nullptr;
    return QWidget::createWindowContainer(foreign, parent);
}
