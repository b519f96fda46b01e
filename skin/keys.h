#pragma once
// The window-property keys of the skin engine. Every piece of per-window state
// lives in the windows' property lists under these texts; host code that sets
// its own controls' types, colours and images uses the same texts, so they are
// fixed letter for letter (the spellings "OverlImage", "OrderColor" and
// "IsFoucs" included). Each text appears here and nowhere else in the engine.

namespace skin::keys {

// On a layered window: 64, the id of its caret-blink timer, once the timer runs.
inline constexpr char time[] = "PngControl_Time";
// On a layered window: its back image; on a picture or edit-box child: its image.
inline constexpr char backImage[] = "PngControl_BackImage";
// On a child: its ControlType; absent means not skinned.
inline constexpr char type[] = "PngControl_Type";
// On a skinned child: its BackType.
inline constexpr char backType[] = "PngControl_BackType";
// On an edit-box child: fill colour (COLORREF, -1 = no fill) and its alpha.
inline constexpr char backColor[] = "PngControl_BackColor";
inline constexpr char backAlpha[] = "PngControl_BackAlpha";
// On an edit-box child: 1-pixel border colour (-1 = no border) and its alpha.
inline constexpr char orderColor[] = "PngControl_OrderColor";
inline constexpr char orderAlpha[] = "PngControl_OrderAlpha";
// On an edit-box child: the text colour.
inline constexpr char textColor[] = "PngControl_TextColor";
// On a button child: its DrawState.
inline constexpr char drawState[] = "Orvex_DrawState";
// On a button child: the images for DrawState 0 (also the fallback), 1, 2 and 3.
inline constexpr char normalImage[] = "PngControl_NormalImage";
inline constexpr char overlImage[] = "PngControl_OverlImage";
inline constexpr char downImage[] = "PngControl_DownImage";
inline constexpr char disableImage[] = "PngControl_DisableImage";
// On a window subclassed for ordinary-window skinning: the procedure replaced.
inline constexpr char wndProc[] = "PngControl_WndProc";
// On a child of a layered window: the procedure the layered child procedure replaced.
inline constexpr char childWndProc[] = "PngControl_ChildWndProc";
// On a button in an ordinary window: the cached background bitmap.
inline constexpr char cacheBitmap[] = "PngControl_CacheBitmap";
// On a button in an ordinary window: 1 while it has the keyboard focus.
inline constexpr char isFoucs[] = "PngControl_IsFoucs";
// On a button: 1 once it is a tool of the shared tooltip window.
inline constexpr char toolTips[] = "Orvex_ToolTips";

}  // namespace skin::keys
