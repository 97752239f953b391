// The window events that ask the view for its whole screen again.
#include <gtest/gtest.h>

#include "display/COrbView.h"
#include "support/ViewRig.h"

namespace orb {
namespace {

class RepaintRequests : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.Build();
        rig.Paint();
        ASSERT_EQ(rig.state->m_repaintFrame, 0);
        rig.state->m_repaintBrowse = 0;
        invalidationsBefore = rig.host.invalidations;
    }

    orbtest::ViewRig rig;
    int invalidationsBefore = 0;
};

TEST_F(RepaintRequests, DisturbingTheWindowRepaintsEverything) {
    void (COrbView::*handlers[])() = {&COrbView::OnRButtonDown, &COrbView::OnSize,
                                      &COrbView::OnMove, &COrbView::OnShowWindow,
                                      &COrbView::OnSetFocus};
    int expected = invalidationsBefore;
    for (auto handler : handlers) {
        rig.state->m_repaintFrame = 0;
        rig.state->m_repaintBrowse = 0;
        (rig.view.get()->*handler)();
        EXPECT_EQ(rig.state->m_repaintFrame, 1);
        EXPECT_EQ(rig.state->m_repaintBrowse, 1);
        EXPECT_EQ(rig.host.invalidations, ++expected);
    }
}

TEST_F(RepaintRequests, LosingFocusAsksForTheNextPaintWithoutCausingOne) {
    rig.view->OnKillFocus();
    EXPECT_EQ(rig.state->m_repaintFrame, 1);
    EXPECT_EQ(rig.state->m_repaintBrowse, 1);
    EXPECT_EQ(rig.host.invalidations, invalidationsBefore);
}

}  // namespace
}  // namespace orb
