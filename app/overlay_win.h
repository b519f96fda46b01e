#pragma once
// Handlers of the overlay window: wiring at creation, cursor sampling, the F1
// capture, the close button's place and the program's end.

#include <cstdint>

namespace app {

void onOverlayCreated();
void onSampleTimer();
std::int32_t onCaptureHotkey(std::int32_t hotkeyId, std::int32_t unused);
void onOverlaySizeChanged();
void onCloseClicked();
void onOverlayCloseRequested();

}  // namespace app
