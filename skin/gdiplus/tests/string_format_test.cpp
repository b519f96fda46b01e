#include <gtest/gtest.h>

#include "skin/gdiplus/skin_string_format_win.h"
#include "skin/gdiplus/tests/deletion_counter_win.h"

using namespace skin;
using SkinStringFormatTest = skin::testing::DeletionCounter;

TEST_F(SkinStringFormatTest, CreatesWithFlagsAndAlignments) {
  SkinStringFormat format = makeSkinStringFormat();
  format.methods->create(&format, 0x1004, true, 0, true);
  GpStringFormat* held = format.methods->handle(&format);
  ASSERT_NE(held, nullptr);
  INT flags = 0;
  GdipGetStringFormatFlags(held, &flags);
  EXPECT_EQ(flags, 0x1004);

  format.methods->setAlignments(&format, 0, 1);
  StringAlignment align = StringAlignmentFar;
  StringAlignment line = StringAlignmentFar;
  GdipGetStringFormatAlign(held, &align);
  GdipGetStringFormatLineAlign(held, &line);
  EXPECT_EQ(align, StringAlignmentNear);
  EXPECT_EQ(line, StringAlignmentCenter);
  format.methods->setAlignment(&format, 2);
  format.methods->setLineAlignment(&format, 2);
  GdipGetStringFormatAlign(held, &align);
  GdipGetStringFormatLineAlign(held, &line);
  EXPECT_EQ(align, StringAlignmentFar);
  EXPECT_EQ(line, StringAlignmentFar);

  // Omitted flags are 0; re-creating deletes the earlier format.
  format.methods->create(&format, 0x1004, false, 0, false);
  EXPECT_EQ(deletionsOf(held), 1);
  GdipGetStringFormatFlags(format.methods->handle(&format), &flags);
  EXPECT_EQ(flags, 0);

  GpStringFormat* last = format.methods->handle(&format);
  format.methods->release(&format);
  format.methods->destroy(&format);
  EXPECT_EQ(deletionsOf(last), 1);
  EXPECT_EQ(format.methods->handle(&format), nullptr);
}
