#pragma once
// The frame's skin: the overlay window drawn by the skin engine as a
// translucent PNG frame with its close button drawn from three state images.

namespace app {

// Start-up: the two skin objects, unbound.
void createOverlaySkins();
// Start-up: GDI+. A failure is not reported; the frame then shows nothing of its own.
void startGdiplus();
// At the frame's creation: the window becomes the layered frame, the close
// button gets its state images, and the whole is composed.
void bindOverlaySkin();
// After every size change: composed again at the new size with the button at its new place.
void recomposeOverlaySkin();
// Shutdown: the frame's skin object, then (separately) the close button's.
void destroyOverlaySkin();
void destroyCloseButtonSkin();

}  // namespace app
