// The owner's position comes from the X server, in Qt's device-independent
// pixels, even when Qt has not seen the owner move: a window manager that
// reparents a window into its frame and moves the frame need not tell the
// window. Runs on an X server of its own (Xvfb, no window manager), at more
// than one scale; anywhere else it fails rather than pass unseen.

#include "ui/owner_frame.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {

std::string text(QRect r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

TEST(OwnerFrameOnX11, ComesFromTheServerWhereQtHasNotSeenTheMove) {
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb") << "needs an X server";
    // A window manager of our own, connected before the owner exists so that
    // the owner goes first, out of the frame this connection takes along.
    const std::unique_ptr<xcb_connection_t, Disconnect> wm(xcb_connect(nullptr, nullptr));
    ASSERT_EQ(xcb_connection_has_error(wm.get()), 0);
    QWidget owner;
    owner.resize(200, 100);
    owner.move(300, 200);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    EXPECT_EQ(text(ui::ownerFrame(owner, {0, 37, 0, 0})), "300,163 200x137");

    // The manager frames the owner: a frame window at (500, 400), device-
    // independent, that the owner is moved into. Qt hears nothing of it.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(wm.get())).data;
    const qreal scale = owner.screen()->devicePixelRatio();
    const xcb_window_t frame = xcb_generate_id(wm.get());
    xcb_create_window(wm.get(), XCB_COPY_FROM_PARENT, frame, screen->root,
                      static_cast<int16_t>(500 * scale), static_cast<int16_t>(400 * scale), 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_reparent_window(wm.get(), static_cast<xcb_window_t>(owner.winId()), frame, 0, 0);
    std::free(xcb_get_input_focus_reply(wm.get(), xcb_get_input_focus(wm.get()), nullptr));
    QTest::qWait(100);

    ASSERT_EQ(text(owner.geometry()), "300,200 200x100") << "Qt saw the move after all";
    EXPECT_EQ(text(ui::ownerFrame(owner, {})), "500,400 200x100");
    EXPECT_EQ(text(ui::ownerFrame(owner, {0, 37, 0, 0})), "500,363 200x137");
}

} // namespace
