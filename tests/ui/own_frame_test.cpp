// The title bar and borders the game draws itself on Wayland desktops that
// leave them to the window, tried on a plain window offscreen.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "support/settle.h"
#include "ui/desktop/wayland/frame_button.h"
#include "ui/desktop/wayland/own_frame.h"

namespace mepo {

namespace {

struct FramedWindow : ::testing::Test {
    void SetUp() override {
        window.setWindowTitle(QStringLiteral("Mepo(Tazu造型版)"));
        frame = new OwnFrame(window, OwnFrame::Kind::Window);
        window.resize(400, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    FrameButton* button(FrameButton::Kind k) const { return frame->button(static_cast<int>(k)); }
    QWidget window;
    OwnFrame* frame = nullptr;
};

}  // namespace

TEST_F(FramedWindow, EveryEdgeAndCornerResizesTheTopOnesToo) {
    const int w = window.width(), h = window.height(), b = OwnFrame::kBorder;
    const Qt::Edges L = Qt::LeftEdge, R = Qt::RightEdge, T = Qt::TopEdge, B = Qt::BottomEdge;
    struct Case {
        QPoint at;
        Qt::Edges edges;
    };
    for (Case c : {Case{{0, 0}, T | L}, Case{{10, 1}, T | L}, Case{{1, 10}, T | L}, Case{{w / 2, 1}, T},
                   Case{{w - 1, 0}, T | R}, Case{{w - 10, 1}, T | R}, Case{{w - 1, h / 2}, R}, Case{{w - 1, h - 1}, B | R},
                   Case{{w / 2, h - 1}, B}, Case{{0, h - 10}, B | L}, Case{{0, h / 2}, L},
                   // Inside: the title bar below its top edge, and the client area.
                   Case{{w / 2, b + 2}, {}}, Case{{w / 2, h / 2}, {}}})
        EXPECT_EQ(frame->edgesAt(c.at), c.edges) << c.at.x() << "," << c.at.y();
    // The title bar's top edge is the bar's own: the press there resizes.
    EXPECT_EQ(window.childAt(w / 2, 1), frame->titleBar());
    window.showMaximized();
    ASSERT_TRUE(test::settle([&] { return window.isMaximized(); }, 2000));
    EXPECT_EQ(frame->edgesAt({0, 0}), Qt::Edges());
}

TEST_F(FramedWindow, APressMovesTheWindowOnlyOnceThePointerHasMoved) {
    QWidget* bar = frame->titleBar();
    const QPoint at(bar->width() / 3, bar->height() / 2);
    const int slop = QApplication::startDragDistance();
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QTest::mouseMove(bar, at + QPoint(slop / 2, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at + QPoint(slop / 2, 0));
    EXPECT_EQ(frame->movesAsked(), 0);
    // A double click arrives whole and maximises.
    QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
    ASSERT_TRUE(test::settle([&] { return window.isMaximized(); }, 2000));
    QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
    ASSERT_TRUE(test::settle([&] { return !window.isMaximized(); }, 2000));
    EXPECT_EQ(frame->movesAsked(), 0);
    // A drag becomes the compositor's move.
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QMouseEvent drag(QEvent::MouseMove, at + QPoint(slop + 1, 0), bar->mapToGlobal(at + QPoint(slop + 1, 0)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &drag);
    EXPECT_EQ(frame->movesAsked(), 1);
}

TEST_F(FramedWindow, ButtonsAndBarHaveNamesAScreenReaderReads) {
    auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    EXPECT_EQ(name(frame->titleBar()), QStringLiteral("Mepo(Tazu造型版)"));
    EXPECT_EQ(name(button(FrameButton::Kind::Minimise)), QStringLiteral("最小化"));
    EXPECT_EQ(name(button(FrameButton::Kind::Maximise)), QStringLiteral("最大化"));
    EXPECT_EQ(name(button(FrameButton::Kind::Close)), QStringLiteral("关闭"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button(FrameButton::Kind::Close))->role(), QAccessible::Button);
    EXPECT_EQ(button(FrameButton::Kind::Close)->toolTip(), QStringLiteral("关闭"));
    window.showMaximized();
    ASSERT_TRUE(test::settle([&] { return window.isMaximized(); }, 2000));
    EXPECT_EQ(name(button(FrameButton::Kind::Maximise)), QStringLiteral("还原"));
    EXPECT_EQ(button(FrameButton::Kind::Maximise)->toolTip(), QStringLiteral("还原"));
    window.setWindowTitle(QStringLiteral("另一个"));
    EXPECT_EQ(name(frame->titleBar()), QStringLiteral("另一个"));
    // A box's frame has a close button alone.
    QWidget box;
    OwnFrame boxFrame(box, OwnFrame::Kind::Box);
    EXPECT_EQ(boxFrame.button(static_cast<int>(FrameButton::Kind::Minimise)), nullptr);
    EXPECT_NE(boxFrame.button(static_cast<int>(FrameButton::Kind::Close)), nullptr);
}

}  // namespace mepo
