// Where the window opens on screens of several sizes, and that at its
// smallest every grid, the tree and both channel lists can still be seen.
#include "app/FrameGeometry.h"
#include "tests/gui/EditorFixture.h"

#include <QSplitter>
#include <QTreeView>

namespace {

TEST(FrameGeometry, UsualSizeCentredWhenThereIsRoomElseTheAvailableArea) {
    // A full-HD screen with a panel at the bottom; with a title bar of 30
    // and borders of 4, the whole frame is centred.
    const QRect hd(0, 0, 1920, 1040);
    const QMargins decoration(4, 30, 4, 4);
    EXPECT_EQ(InitialFrameGeometry(hd), QRect(448, 136, 1024, 768));
    const QRect framed = InitialFrameGeometry(hd, decoration);
    EXPECT_EQ(framed.size(), QSize(1024, 768));
    EXPECT_TRUE(hd.contains(framed.marginsAdded(decoration)));

    // 1366 x 768 at 200 %: 683 x 384 logical pixels, less than the usual size.
    const QRect small(0, 0, 683, 384);
    EXPECT_EQ(InitialFrameGeometry(small), small);
    const QRect smallFramed = InitialFrameGeometry(small, decoration);
    EXPECT_EQ(smallFramed, QRect(4, 30, 675, 350));
    // The minimum fits the smallest of them with its frame.
    EXPECT_LE(kFrameMinimumSize.width(), smallFramed.width());
    EXPECT_LE(kFrameMinimumSize.height(), smallFramed.height());

    // 1280 x 720: full width would fit, height does not. A second screen to
    // the right, its panel on top.
    EXPECT_EQ(InitialFrameGeometry(QRect(0, 0, 1280, 720)), QRect(128, 0, 1024, 720));
    EXPECT_EQ(InitialFrameGeometry(QRect(1920, 28, 1366, 740)), QRect(1920 + 171, 28, 1024, 740));
}

class SmallWindow : public Editor {};

TEST_F(SmallWindow, OpensHalfAndHalfAndAtItsSmallestEveryPaneStillShows) {
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    // Whatever the screen gave the window (1024 wide, or less on a small or
    // scaled screen), the channel lists get as much as the left panes.
    const auto* outer = qobject_cast<QSplitter*>(frame->centralWidget());
    ASSERT_NE(outer, nullptr);
    const QList<int> sizes = outer->sizes();
    ASSERT_EQ(sizes.size(), 2);
    const int half = frame->width() / 2;
    EXPECT_NEAR(sizes[0], half, outer->handleWidth() + 4) << frame->width();
    EXPECT_NEAR(sizes[1], half, outer->handleWidth() + 4) << frame->width();

    const QSize least = frame->minimumSizeHint().expandedTo(frame->minimumSize());
    EXPECT_LE(least.width(), 683) << "fits a 1366 x 768 screen at 200 %";
    EXPECT_LE(least.height(), 384 - 30);

    auto everyPaneShows = [&](const char* when) {
        QCoreApplication::processEvents();
        for (const char* name : {"SatGrid", "TPGrid", "BroadcastGrid", "TVGrid", "RadioGrid"}) {
            const QWidget& grid = Find<QWidget>(name);
            EXPECT_TRUE(grid.isVisible() && grid.width() > 20 && grid.height() > 20 &&
                        !grid.visibleRegion().isEmpty())
                << name << " " << when << ": " << grid.width() << " x " << grid.height();
        }
        EXPECT_FALSE(Find<QWidget>("FavTree").visibleRegion().isEmpty()) << when;
        // Some rows of the channel lists are there to see.
        EXPECT_GT(TV().viewport()->height(), 0) << when;
    };

    frame->resize(520, 400);
    everyPaneShows("at 520 x 400");
    EXPECT_EQ(frame->size(), QSize(520, 400));

    // The window stops shrinking at its minimum.
    frame->resize(200, 150);
    QCoreApplication::processEvents();
    EXPECT_GE(frame->width(), kFrameMinimumSize.width());
    EXPECT_GE(frame->height(), kFrameMinimumSize.height());
    everyPaneShows("at the minimum");

    // A splitter bar dragged all the way leaves the other pane its minimum.
    for (QSplitter* splitter : frame->findChildren<QSplitter*>()) {
        splitter->setSizes({0, 10000});
        everyPaneShows("bar dragged to the start");
        splitter->setSizes({10000, 0});
        everyPaneShows("bar dragged to the end");
    }
}

} // namespace
