#include <gtest/gtest.h>

#include "skin/child_paint_win.h"
#include "skin/codes.h"
#include "skin/compositor_win.h"
#include "skin/keys.h"
#include "skin/layered_procs_win.h"
#include "skin/placement.h"
#include "skin/procs_win.h"
#include "skin/props_win.h"
#include "skin/skin_window_win.h"
#include "skin/tests/layered_fixture_win.h"

using namespace skin;
using namespace skin::testing;

namespace {

WNDPROC procOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// An ordinary-window procedure installed the way button binding does it.
int ordinaryCalls = 0;
LRESULT CALLBACK ordinaryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++ordinaryCalls;
  return callStoredProc(keys::wndProc, window, message, wParam, lParam);
}

int timerStarts = 0;
UINT_PTR countTimerStart(HWND, UINT_PTR id, UINT, TIMERPROC) {
  ++timerStarts;
  return id;
}

class Layered : public LayeredTest {
 protected:
  void SetUp() override {
    LayeredTest::SetUp();
    savedStarter_ = startBlinkTimer;
    startBlinkTimer = countTimerStart;
    timerStarts = 0;
  }
  void TearDown() override {
    startBlinkTimer = savedStarter_;
    LayeredTest::TearDown();
  }
  void bind(HWND window) {
    skin_.methods->attach(&skin_, window);
    skin_.methods->refresh(&skin_);
  }
  SkinWindow skin_ = {&skinWindowMethods, nullptr};

 private:
  TimerStarter savedStarter_ = nullptr;
};

}  // namespace

TEST_F(Layered, RefreshSubclassesEachSkinnedChildOnce) {
  HWND window = makeWindow(10, 10, 200, 100);
  HWND button = makeChild(window, "BUTTON", 5, 5, 39, 20, 3);
  HWND edit = makeChild(window, "EDIT", 50, 5, 60, 20, 4);
  HWND picture = makeChild(window, "STATIC", 120, 5, 20, 20, 2);
  HWND plain = makeChild(window, "BUTTON", 150, 5, 20, 20, 0);
  const WNDPROC buttonOwn = procOf(button);
  const WNDPROC editOwn = procOf(edit);
  const WNDPROC pictureOwn = procOf(picture);
  const WNDPROC plainOwn = procOf(plain);

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    bind(window);
    EXPECT_EQ(procOf(button), layeredButtonProc);
    EXPECT_EQ(readProc(button, keys::childWndProc), buttonOwn);
    EXPECT_EQ(procOf(edit), layeredEditProc);
    EXPECT_EQ(readProc(edit, keys::childWndProc), editOwn);
    EXPECT_EQ(procOf(picture), pictureOwn);
    EXPECT_EQ(readProp(picture, keys::childWndProc), 0);
    EXPECT_EQ(procOf(plain), plainOwn);
    EXPECT_EQ(readProp(plain, keys::childWndProc), 0);
  }
  EXPECT_EQ(shots.size(), 2u);  // each refresh composes
  // The children still behave: the edit box takes text through both procedures.
  SetWindowTextA(edit, "kept");
  EXPECT_EQ(windowTextAnsi(edit), "kept");
}

TEST_F(Layered, RefreshTakesAnOrdinaryWindowProcedureAwayAgain) {
  HWND window = makeWindow(10, 10, 200, 100);
  // Bound for ordinary windows before the first refresh, as the program does.
  HWND early = makeChild(window, "BUTTON", 5, 5, 39, 20, 3);
  const WNDPROC earlyOwn = procOf(early);
  ASSERT_TRUE(subclassOnce(early, keys::wndProc, ordinaryProc));
  // The window itself subclassed the same way stays so.
  ASSERT_TRUE(subclassOnce(window, keys::wndProc, ordinaryProc));
  bind(window);
  EXPECT_EQ(procOf(early), layeredButtonProc);
  EXPECT_EQ(readProc(early, keys::childWndProc), earlyOwn);
  EXPECT_EQ(readProp(early, keys::wndProc), 0);
  EXPECT_EQ(procOf(window), ordinaryProc);
  EXPECT_NE(readProp(window, keys::wndProc), 0);

  // Bound after a refresh: the next refresh puts the layered procedure back.
  HWND late = makeChild(window, "BUTTON", 50, 5, 39, 20, 3);
  const WNDPROC lateOwn = procOf(late);
  skin_.methods->refresh(&skin_);
  ASSERT_TRUE(subclassOnce(late, keys::wndProc, ordinaryProc));
  EXPECT_EQ(readProc(late, keys::wndProc), layeredButtonProc);
  skin_.methods->refresh(&skin_);
  EXPECT_EQ(procOf(late), layeredButtonProc);
  EXPECT_EQ(readProc(late, keys::childWndProc), lateOwn);
  EXPECT_EQ(readProp(late, keys::wndProc), 0);

  ordinaryCalls = 0;
  SendMessageA(early, WM_GETTEXTLENGTH, 0, 0);
  SendMessageA(late, WM_GETTEXTLENGTH, 0, 0);
  EXPECT_EQ(ordinaryCalls, 0);
}

TEST_F(Layered, AttachTwiceStartsOneBlinkTimerAndSetsExactlyTheLayeredStyle) {
  HWND window = makeWindow(10, 10, 60, 40);
  SetWindowLongPtrA(window, GWL_EXSTYLE, WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE);
  EXPECT_TRUE(skin_.methods->attach(&skin_, window));
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), WS_EX_LAYERED);
  SetWindowLongPtrA(window, GWL_EXSTYLE, WS_EX_LAYERED | WS_EX_TOOLWINDOW);
  EXPECT_TRUE(skin_.methods->attach(&skin_, window));
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), WS_EX_LAYERED);
  EXPECT_EQ(timerStarts, 1);
  EXPECT_EQ(readProp(window, keys::time), 64);

  HWND other = makeWindow(10, 10, 60, 40);
  EXPECT_TRUE(skin_.methods->attach(&skin_, other));
  EXPECT_EQ(timerStarts, 2);
  EXPECT_EQ(skin_.methods->handle(&skin_), other);
  EXPECT_EQ(readProp(window, keys::time), 64);  // the first window keeps its skin
}

namespace {

// A button 39 x 20 at (5, 5) with normal red, over blue, down green images.
class LayeredButton : public Layered {
 protected:
  void SetUp() override {
    Layered::SetUp();
    window_ = makeWindow(200, 200, 60, 40);
    button_ = makeChild(window_, "BUTTON", 5, 5, 39, 20, 3, "x", BS_PUSHBUTTON);
    setImage(button_, keys::normalImage, solidImage(39, 20, red));
    setImage(button_, keys::overlImage, solidImage(39, 20, blue));
    setImage(button_, keys::downImage, solidImage(39, 20, green));
    bind(window_);
    // The pointer over the button, so the leave notice it asks for waits.
    SetCursorPos(200 + 20, 200 + 15);
    shots.clear();
    events.clear();
  }
  // Sends a message and says what the parent showed of the button.
  void send(UINT message, WPARAM wParam = 0) { SendMessageA(button_, message, wParam, MAKELPARAM(10, 10)); }
  std::uint32_t shown() const { return last().at(20, 15); }

  HWND window_ = nullptr;
  HWND button_ = nullptr;
};

}  // namespace

TEST_F(LayeredButton, EnterPressReleaseLeave) {
  send(WM_MOUSEMOVE);
  EXPECT_EQ(readDrawState(button_), 1);
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_EQ(shown(), blue);
  send(WM_MOUSEMOVE);  // moving on inside: no recomposition
  EXPECT_EQ(shots.size(), 1u);

  send(WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_EQ(readDrawState(button_), 2);
  ASSERT_EQ(shots.size(), 2u);
  EXPECT_EQ(shown(), green);

  send(WM_LBUTTONUP);
  EXPECT_EQ(readDrawState(button_), 1);
  ASSERT_EQ(shots.size(), 3u);
  EXPECT_EQ(shown(), blue);
  // The click reaches the parent after the released look is presented.
  EXPECT_EQ(events, (std::vector<std::string>{"present", "present", "present", "click"}));

  send(WM_MOUSELEAVE);
  EXPECT_EQ(readDrawState(button_), 0);
  ASSERT_EQ(shots.size(), 4u);
  EXPECT_EQ(shown(), red);
  pump();
  EXPECT_EQ(readDrawState(button_), 0);
}

TEST_F(LayeredButton, DisabledShowsTheDisabledOrTheNormalImage) {
  EnableWindow(button_, FALSE);
  EXPECT_EQ(readDrawState(button_), 3);
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_EQ(shown(), red);  // no disabled image: the normal one
  EnableWindow(button_, TRUE);
  EXPECT_EQ(readDrawState(button_), 0);
  setImage(button_, keys::disableImage, solidImage(39, 20, black));
  EnableWindow(button_, FALSE);
  EXPECT_EQ(shown(), black);
  EnableWindow(button_, TRUE);
  EXPECT_EQ(shown(), red);
  EXPECT_EQ(shots.size(), 4u);
}

TEST_F(LayeredButton, OtherMessagesPassWithoutComposition) {
  SetWindowTextA(button_, "new");
  send(WM_KEYUP, VK_SPACE);
  EXPECT_TRUE(shots.empty());
  char text[8] = {};
  GetWindowTextA(button_, text, sizeof text);
  EXPECT_STREQ(text, "new");
}

namespace {

// Window A with a skinned edit box 100 x 24 at (10, 20) and a plain edit box;
// window B skinned as well. The windows stay hidden: the focus moves within
// them all the same, and hidden windows are quick to destroy under Wine.
class LayeredEdit : public Layered {
 protected:
  void SetUp() override {
    Layered::SetUp();
    font_ = makeTestFont(-14);
    a_ = makeWindow(300, 300, 160, 80);
    edit_ = makeChild(a_, "EDIT", 10, 20, 100, 24, 4, "", ES_AUTOHSCROLL);
    plain_ = makeChild(a_, "EDIT", 10, 50, 100, 20, 0);
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    writeProp(edit_, keys::backColor, 0x00FFFFFF);
    writeProp(edit_, keys::backAlpha, 255);
    b_ = makeWindow(10, 10, 60, 40);
    bind(b_);
    bind(a_);
    SetForegroundWindow(a_);
    SetFocus(plain_);
    pump();
    shots.clear();
    events.clear();
  }
  void TearDown() override {
    Layered::TearDown();
    DeleteObject(font_);
  }
  void tick(HWND window, UINT_PTR id = 64) { onBlinkTimer(window, WM_TIMER, id, 0); }

  HFONT font_ = nullptr;
  HWND a_ = nullptr, b_ = nullptr, edit_ = nullptr, plain_ = nullptr;
};

}  // namespace

TEST_F(LayeredEdit, FocusKeepsTheCanvasAndTheBlinkDrawsTheCaretLineEveryOtherTick) {
  SetFocus(edit_);
  ASSERT_EQ(GetFocus(), edit_);
  EXPECT_EQ(skinFocus.focusedParent, a_);
  EXPECT_EQ(skinFocus.focusedEdit, edit_);
  EXPECT_EQ(skinFocus.caretPhase, 0);
  ASSERT_FALSE(shots.empty());
  EXPECT_FALSE(last().caret);
  ASSERT_NE(skinFocus.keptCanvas, nullptr);
  EXPECT_EQ(last().image, skinFocus.keptCanvas);  // the canvas just composed
  const Shot composed = last();

  POINT caret = {};
  GetCaretPos(&caret);
  const PixelPoint top = caretLineTop(10, 20, 24, caret.x);

  tick(a_);
  EXPECT_EQ(skinFocus.caretPhase, 1);
  ASSERT_TRUE(last().caret);
  for (int y = top.y; y < top.y + caretLineLength; ++y) EXPECT_EQ(last().at(top.x, y), black) << y;
  EXPECT_NE(composed.at(top.x, top.y + 5), black);

  tick(a_);
  EXPECT_EQ(skinFocus.caretPhase, 0);
  EXPECT_FALSE(last().caret);
  EXPECT_EQ(last().pixels, composed.pixels);  // the kept canvas is free of the line
  tick(a_);
  EXPECT_TRUE(last().caret);
}

TEST_F(LayeredEdit, TheBlinkOfAnotherWindowOrTimerDoesNothing) {
  SetFocus(edit_);
  const size_t before = shots.size();
  tick(b_);
  tick(a_, 63);
  EXPECT_EQ(shots.size(), before);
  EXPECT_EQ(skinFocus.caretPhase, 0);
}

TEST_F(LayeredEdit, TypingRecomposesAfterKeyDownAndAfterTheCharacter) {
  SetFocus(edit_);
  shots.clear();
  SendMessageA(edit_, WM_KEYDOWN, 'A', 0x001E0001);
  ASSERT_EQ(shots.size(), 1u);
  const Shot before = last();
  SendMessageA(edit_, WM_CHAR, 'a', 0x001E0001);
  ASSERT_EQ(shots.size(), 2u);
  EXPECT_EQ(windowTextAnsi(edit_), "a");
  EXPECT_NE(last().pixels, before.pixels);  // the second one shows the new text
  EXPECT_EQ(last().image, skinFocus.keptCanvas);
  SendMessageA(edit_, WM_KEYUP, 'A', 0xC01E0001);
  SendMessageA(edit_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(shots.size(), 2u);  // messages the procedure does not name
}

TEST_F(LayeredEdit, FocusToAPlainControlStopsTheLine) {
  SetFocus(edit_);
  tick(a_);
  ASSERT_TRUE(last().caret);
  SetFocus(plain_);
  EXPECT_EQ(skinFocus.focusedParent, nullptr);
  EXPECT_EQ(skinFocus.focusedEdit, nullptr);
  EXPECT_FALSE(last().caret);  // recomposed without the line
  const size_t before = shots.size();
  tick(a_);
  tick(a_);
  EXPECT_EQ(shots.size(), before);
}

TEST_F(LayeredEdit, TheRealTimerBlinks) {
  startBlinkTimer = [](HWND window, UINT_PTR id, UINT period, TIMERPROC proc) {
    return SetTimer(window, id, period, proc);
  };
  HWND window = makeWindow(300, 300, 160, 80);
  HWND edit = makeChild(window, "EDIT", 10, 20, 100, 24, 4);
  bind(window);
  SetForegroundWindow(window);
  SetFocus(edit);
  ASSERT_EQ(skinFocus.focusedEdit, edit);
  // Two ticks of 500 ms: the line, then none.
  const DWORD start = GetTickCount();
  size_t blinks = 0;
  while (GetTickCount() - start < 5000 && blinks < 2) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    const size_t seen = shots.size();
    pump();
    for (size_t i = seen; i < shots.size(); ++i) {
      if (shots[i].window == window && (blinks > 0 || shots[i].caret)) ++blinks;
    }
  }
  ASSERT_EQ(blinks, 2u);
  EXPECT_FALSE(last().caret);
}
