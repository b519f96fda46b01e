// The two windows of chartframe as layouts. Geometry is in pixels: a window's
// outer size, each control's outer rectangle in its window's client coordinates.
#include "layouts.h"

#include "app/overlay_win.h"
#include "app/settings_win.h"

namespace app {

namespace {

using namespace runtime;

WindowLayout makeOverlayWindow() {
  WindowLayout w;
  w.name = "overlay";
  w.width = 327;
  w.height = 229;
  w.borderStyle = 1;  // resizable; with no title and no control box it has no caption
  w.controlBox = false;
  w.alwaysOnTop = true;
  w.showInTaskbar = false;
  w.dragAnywhere = true;
  w.onCreated = onOverlayCreated;
  w.onPositionChanged = onOverlayPositionChanged;
  w.onSizeChanged = onOverlaySizeChanged;
  w.onCloseRequested = onOverlayCloseRequested;

  ControlLayout spare = button("小", 261, -3, 28, 20);  // never shown, no handler
  spare.visible = false;
  spare.text = "-";
  ControlLayout close = button("按钮1", 289, -3, 39, 20);
  close.text = "X";
  close.onClicked = onCloseClicked;
  ControlLayout f1Target = label("标签1", 80, 72, 32, 32);  // receives F1
  f1Target.onFeedback = onCaptureHotkey;
  ControlLayout sampler = timer("时钟1");
  sampler.left = 224, sampler.top = 56;
  sampler.onPeriodic = onSampleTimer;
  ControlLayout idle = timer("时钟2");
  idle.left = 232, idle.top = 120;

  w.controls = {label("标签2", 80, 120, 56, 32), f1Target, idle, sampler, spare, close};
  return w;
}

WindowLayout makeSettingsWindow() {
  WindowLayout w;
  w.name = "settings";
  w.width = 380;
  w.height = 172;
  w.onCreated = onSettingsCreated;
  w.onCloseRequested = onSettingsCloseRequested;

  ControlLayout chooseFile = button("按钮2", 152, 24, 104, 32);
  chooseFile.text = "TXT存放目录";
  chooseFile.onClicked = onChooseFileClicked;

  ControlLayout dialog = commonDialog("通用对话框1");
  dialog.left = 288, dialog.top = 40, dialog.width = 64, dialog.height = 48;
  dialog.dialog.dialogType = 1;  // save file
  dialog.dialog.fileName = "123";
  dialog.dialog.filter = ".txt";
  dialog.dialog.defaultExtension = ".txt";
  dialog.dialog.fileMustExist = true;
  dialog.dialog.overwritePrompt = true;
  dialog.dialog.pathMustExist = true;

  ControlLayout save = button("按钮1", 136, 88, 72, 48);
  save.text = "保存";
  save.onClicked = onSaveClicked;

  ControlLayout yCaption = label("标签2", 8, 56, 48, 16);
  yCaption.text = "Y轴数值";
  ControlLayout xCaption = label("标签1", 8, 16, 48, 24);
  xCaption.text = "X轴数值";

  w.controls = {chooseFile,
                dialog,
                save,
                yCaption,
                xCaption,
                editBox("编辑框2", 56, 48, 64, 24),
                editBox("编辑框1", 56, 16, 64, 24)};
  return w;
}

}  // namespace

const WindowLayout overlayWindow = makeOverlayWindow();
const WindowLayout settingsWindow = makeSettingsWindow();

}  // namespace app
