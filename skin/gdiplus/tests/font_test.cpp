#include <gtest/gtest.h>

#include <cstring>

#include "skin/gdiplus/skin_font_family_win.h"
#include "skin/gdiplus/skin_font_win.h"
#include "skin/gdiplus/tests/deletion_counter_win.h"
#include "skin/gdiplus/tests/face_win.h"

using namespace skin;
using skin::testing::DeletionCounter;

namespace {

using skin::testing::testFace;
const char* face() {
  return testFace();
}

HFONT makeGdiFont(LONG height, LONG weight, BYTE italic, BYTE underline, BYTE strikeOut,
                  const char* faceName = face()) {
  LOGFONTA record = {};
  record.lfHeight = height;
  record.lfWeight = weight;
  record.lfItalic = italic;
  record.lfUnderline = underline;
  record.lfStrikeOut = strikeOut;
  std::strncpy(record.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&record);
}

}  // namespace

TEST(SkinFont, FromAGdiFontTakesStyleBitsFaceAndPixelSize) {
  const struct {
    LONG height, weight;
    BYTE italic, underline, strikeOut;
    INT style;
    REAL size;
  } cases[] = {
      {-12, 700, 1, 0, 0, 3, 12.0f},  // bold italic from a character height
      {12, 600, 0, 0, 0, 1, 12.0f},   // 600 is bold too; a cell height gives the same size
      {-16, 800, 0, 0, 0, 0, 16.0f},  // heavier than 700 is not bold
      {-12, 400, 0, 0, 0, 0, 12.0f}, {-12, 400, 255, 0, 0, 0, 12.0f},  // only the byte 1 means italic
      {-12, 400, 0, 1, 0, 4, 12.0f}, {-12, 400, 0, 255, 0, 0, 12.0f},
      {-12, 400, 0, 0, 1, 8, 12.0f}, {-12, 400, 0, 0, 255, 0, 12.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "weight " << c.weight << " italic " << int(c.italic) << " underline "
                                      << int(c.underline) << " strikeout " << int(c.strikeOut));
    HFONT gdiFont = makeGdiFont(c.height, c.weight, c.italic, c.underline, c.strikeOut);
    ASSERT_NE(gdiFont, nullptr);
    SkinFont font = makeSkinFont();
    GpFont* made = font.methods->createFromFontHandle(&font, gdiFont);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(font.methods->handle(&font), made);
    INT style = -1;
    REAL size = 0;
    INT unit = -1;
    EXPECT_EQ(font.methods->getStyle(&font, &style), Ok);
    EXPECT_EQ(font.methods->getSize(&font, &size), Ok);
    EXPECT_EQ(font.methods->getUnit(&font, &unit), Ok);
    EXPECT_EQ(style, c.style);
    EXPECT_EQ(size, c.size);
    EXPECT_EQ(unit, 2);  // pixels
    font.methods->destroy(&font);
    DeleteObject(gdiFont);
  }
}

TEST(SkinFont, FromNoGdiFontChangesNothing) {
  HFONT gdiFont = makeGdiFont(-12, 400, 0, 0, 0);
  SkinFont font = makeSkinFont();
  GpFont* held = font.methods->createFromFontHandle(&font, gdiFont);
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(font.methods->createFromFontHandle(&font, nullptr), nullptr);
  EXPECT_EQ(font.methods->handle(&font), held);
  font.methods->destroy(&font);
  DeleteObject(gdiFont);
}

TEST(SkinFont, FromAFaceNoFontCarriesOrZeroHeightMakesNone) {
  for (HFONT gdiFont : {makeGdiFont(-12, 400, 0, 0, 0, "No Such Face Anywhere"), makeGdiFont(0, 400, 0, 0, 0)}) {
    SkinFont font = makeSkinFont();
    EXPECT_EQ(font.methods->createFromFontHandle(&font, gdiFont), nullptr);
    EXPECT_EQ(font.methods->handle(&font), nullptr);
    DeleteObject(gdiFont);
  }
}

TEST(SkinFont, FromAWindowUsesTheFontItReports) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  SkinFont font = makeSkinFont();
  // A window that answers WM_GETFONT with 0 (the system font) makes no font.
  SendMessageA(edit, WM_SETFONT, 0, FALSE);
  EXPECT_EQ(font.methods->createFromWindow(&font, edit), nullptr);
  EXPECT_EQ(font.methods->handle(&font), nullptr);

  HFONT gdiFont = makeGdiFont(-13, 700, 0, 0, 0);
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(gdiFont), FALSE);
  ASSERT_NE(font.methods->createFromWindow(&font, edit), nullptr);
  REAL size = 0;
  INT style = 0;
  font.methods->getSize(&font, &size);
  font.methods->getStyle(&font, &style);
  EXPECT_EQ(size, 13.0f);
  EXPECT_EQ(style, 1);
  font.methods->destroy(&font);
  DestroyWindow(edit);
  DeleteObject(gdiFont);
}

TEST(SkinFont, FromNameAndHeightOnAGraphics) {
  SkinFont font = makeSkinFont();
  EXPECT_EQ(font.methods->createFromName(&font, face(), 20.0f, 2, 2), Ok);
  ASSERT_NE(font.methods->handle(&font), nullptr);
  INT style = 0;
  font.methods->getStyle(&font, &style);
  EXPECT_EQ(style, 2);

  HDC dc = CreateCompatibleDC(nullptr);
  GpGraphics* graphics = nullptr;
  ASSERT_EQ(GdipCreateFromHDC(dc, &graphics), Ok);
  REAL height = 0;
  EXPECT_EQ(font.methods->getHeight(&font, graphics, &height), Ok);
  EXPECT_GT(height, 20.0f);  // the line spacing exceeds the em size
  GdipDeleteGraphics(graphics);
  DeleteDC(dc);

  // A size that is not positive makes no font, as Windows refuses it.
  EXPECT_NE(font.methods->createFromName(&font, face(), 0.0f, 0, 2), Ok);
  EXPECT_EQ(font.methods->handle(&font), nullptr);
  font.methods->destroy(&font);
}

using SkinFontDeletion = DeletionCounter;

TEST_F(SkinFontDeletion, SetHandleDeletesTheHeldFontOnceAndReleaseTwiceDeletesOnce) {
  SkinFont font = makeSkinFont();
  ASSERT_EQ(font.methods->createFromName(&font, face(), 12.0f, 0, 2), Ok);
  GpFont* first = font.methods->handle(&font);
  GpFont* second = nullptr;
  ASSERT_EQ(GdipCloneFont(first, &second), Ok);

  font.methods->setHandle(&font, second);
  EXPECT_EQ(deletionsOf(first), 1);
  EXPECT_EQ(font.methods->handle(&font), second);

  font.methods->release(&font);
  font.methods->release(&font);
  EXPECT_EQ(deletionsOf(second), 1);
  EXPECT_EQ(font.methods->handle(&font), nullptr);

  font.methods->setHandle(&font, nullptr);  // an empty object stays empty
  font.methods->destroy(&font);
  EXPECT_EQ(font.methods->handle(&font), nullptr);
}

TEST_F(SkinFontDeletion, NameCreationDeletesItsTemporaryFamilyAndAFailedOneTheEarlierFont) {
  SkinFont font = makeSkinFont();
  const char* name = face();
  const int before = totalDeletions();
  ASSERT_EQ(font.methods->createFromName(&font, name, 12.0f, 0, 2), Ok);
  EXPECT_EQ(totalDeletions() - before, 1);  // the temporary family
  GpFont* earlier = font.methods->handle(&font);
  EXPECT_NE(font.methods->createFromName(&font, "No Such Face Anywhere", 12.0f, 0, 2), Ok);
  EXPECT_EQ(deletionsOf(earlier), 1);
  EXPECT_EQ(font.methods->handle(&font), nullptr);
}

TEST_F(SkinFontDeletion, ACopyOwnsItsOwnFont) {
  SkinFont font = makeSkinFont();
  ASSERT_EQ(font.methods->createFromName(&font, face(), 12.0f, 0, 2), Ok);
  SkinFont* twin = font.methods->copy(&font);
  ASSERT_NE(twin, nullptr);
  EXPECT_EQ(twin->methods, font.methods);
  ASSERT_NE(twin->font, font.font);
  GpFont* original = font.font;
  GpFont* cloned = twin->font;
  font.methods->destroy(&font);
  twin->methods->destroy(twin);
  delete twin;
  EXPECT_EQ(deletionsOf(original), 1);
  EXPECT_EQ(deletionsOf(cloned), 1);

  SkinFont empty = makeSkinFont();
  EXPECT_EQ(empty.methods->copy(&empty), nullptr);
}

TEST_F(SkinFontDeletion, FamilyFromNameAndReleaseTwice) {
  SkinFontFamily family = makeSkinFontFamily();
  EXPECT_EQ(family.methods->createFromName(&family, face()), Ok);
  GpFontFamily* held = family.methods->handle(&family);
  ASSERT_NE(held, nullptr);
  family.methods->release(&family);
  family.methods->release(&family);
  EXPECT_EQ(deletionsOf(held), 1);
  EXPECT_NE(family.methods->createFromName(&family, ""), Ok);
  EXPECT_EQ(family.methods->handle(&family), nullptr);
}
