#pragma once
// Handlers of the settings window, and the frame's move handler that locks the
// cursor again at the new place.

namespace app {

void onSettingsCreated();
void onChooseFileClicked();
void onSaveClicked();
void onSettingsCloseRequested();
void onOverlayPositionChanged();

}  // namespace app
