#include "layout/layout_mode.h"

#include <gtest/gtest.h>

#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::FakeView;
using fixtures::NewDocument;
using fixtures::RecordingServices;
using fixtures::RecordingSink;

// A free layout with one image placed by hand, shown in a view.
struct FreeLayout {
  DocumentPtr d = NewDocument();
  FakeView view;
  ImageObject* image = nullptr;
  FreeLayout() {
    d->Free = 1;
    image = AddBox(*d, 800, 800);
    image->Origin = {1500, 2000};
    image->NeedsRedraw = 0;
    d->View = &view;
  }
  ~FreeLayout() { d->View = nullptr; }
};

TEST(ChangeLayoutMode, GoingFreeNeverAsks) {
  DocumentPtr d = NewDocument();
  AddBox(*d, 800, 800);
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  RecordingServices services;
  EXPECT_TRUE(ChangeLayoutMode(*d, true, services));
  EXPECT_EQ(d->Free, 1);
  EXPECT_EQ(d->Modified, 1);
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(services.recorded, std::vector<int16_t>{kChangeLayoutMode});
  EXPECT_EQ(services.relabels, 1);

  EXPECT_FALSE(ChangeLayoutMode(*d, true, services));  // already free
  EXPECT_EQ(services.recorded.size(), 1u);
}

TEST(ChangeLayoutMode, GoingAutomaticAsksBeforeDiscardingPositions) {
  FreeLayout f;
  RecordingSink sink;
  ScopedMessageSink scope(&sink);

  sink.answer = MessageAnswer::Cancel;
  EXPECT_FALSE(ChangeLayoutMode(*f.d, false));
  EXPECT_EQ(f.d->Free, 1);
  EXPECT_EQ(f.image->Origin, (LPoint{1500, 2000}));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.Showed(kDiscardPositionsQuestion));
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::OkCancel);

  sink.answer = MessageAnswer::Ok;
  EXPECT_TRUE(ChangeLayoutMode(*f.d, false));
  EXPECT_EQ(f.d->Free, 0);
  EXPECT_EQ(f.image->Origin, (LPoint{45 + (2886 - 800) / 2, 45}));
  EXPECT_GE(f.view.invalidations, 1);
  EXPECT_EQ(f.d->Modified, 1);
}

TEST(ChangeLayoutMode, WithoutAViewImagesStayFree) {
  FreeLayout f;
  f.d->View = nullptr;
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  EXPECT_FALSE(ChangeLayoutMode(*f.d, false));
  EXPECT_EQ(f.d->Free, 1);
  EXPECT_TRUE(sink.shown.empty());

  // Without images there is nothing to discard, so nothing to ask.
  ObjectListFree(f.d->Objects);
  EXPECT_TRUE(ChangeLayoutMode(*f.d, false));
  EXPECT_EQ(f.d->Free, 0);
  EXPECT_TRUE(sink.shown.empty());
}

TEST(ConfirmPageChange, AsksOnlyWhenThePageLeavesTooLittleRoom) {
  FreeLayout f;
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  EXPECT_TRUE(ConfirmPageChange(*f.d, 2500, 4209, kRearrangeWarningWidth));  // the image ends at 2300
  EXPECT_TRUE(sink.shown.empty());

  sink.answer = MessageAnswer::No;
  EXPECT_FALSE(ConfirmPageChange(*f.d, 2200, 4209, kRearrangeWarningWidth));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.Showed(kRearrangeWarningWidth));
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(f.image->NeedsRedraw, 0);

  sink.answer = MessageAnswer::Yes;
  EXPECT_TRUE(ConfirmPageChange(*f.d, 2976, 2500, kRearrangeWarningHeight));  // the image ends at 2800
  EXPECT_EQ(f.image->NeedsRedraw, 1);
}

TEST(LayoutExceedsPage, AutomaticLayoutNeedsRoomForTheFlow) {
  DocumentPtr d = NewDocument();
  for (int i = 0; i < 6; ++i) AddBox(*d, 1260, 1260);
  EXPECT_FALSE(LayoutExceedsPage(*d, 2976, 4209));
  // A shorter page holds one row; the page budget still has room for three.
  EXPECT_FALSE(LayoutExceedsPage(*d, 2976, 2500));
  d->Banner = 1;
  EXPECT_TRUE(LayoutExceedsPage(*d, 2976, 2500));
  d->Banner = 0;
  EXPECT_TRUE(LayoutExceedsPage(*d, 1200, 4209));  // an image wider than the printable width
}

TEST(AcceptPrintableArea, WarnsWhenObjectsWouldLieOutside) {
  FreeLayout f;
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  EXPECT_TRUE(AcceptPrintableArea(*f.d, {45, 45, 2931, 4009}));
  EXPECT_FALSE(AcceptPrintableArea(*f.d, {45, 45, 2200, 4009}));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.Showed(kLayoutExceedsPrintableArea));
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);

  // Automatic layout flows its images anew; only their size counts.
  f.d->Free = 0;
  EXPECT_TRUE(AcceptPrintableArea(*f.d, {45, 45, 2200, 4009}));
  EXPECT_FALSE(AcceptPrintableArea(*f.d, {45, 45, 800, 4009}));
}

}  // namespace
}  // namespace tl
