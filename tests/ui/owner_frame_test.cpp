// The rectangle a window is centred over when it starts over its owner, on
// X11 and Wayland desktops: the owner's client area in the new window's
// frame, never the owner's frame as Qt last read it. The offscreen platform
// gives every window a 2 px frame, so Qt's frame and the one asked for differ.

#include "ui/owner_frame.h"

#include <QMargins>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string text(QRect r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

TEST(OwnerFrame, IsTheOwnersClientAreaInTheNewWindowsFrame) {
    QWidget owner;
    owner.resize(725, 440);
    owner.move(277, 233);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    ASSERT_NE(owner.frameGeometry(), owner.geometry()) << "the owner has a frame of its own";
    struct Row {
        const char* name;
        QMargins frame;
    };
    const Row rows[] = {
        {"not yet framed", {}},
        {"a title bar", {0, 37, 0, 0}},
        {"a frame all round", {8, 31, 8, 8}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(text(ui::ownerFrame(owner, row.frame)),
                  text(owner.geometry().marginsAdded(row.frame)))
            << row.name;
}

} // namespace
