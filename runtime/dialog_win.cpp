// The common dialog control: the system's open and save file dialogs.
#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include <algorithm>
#include <string>

#include "rules.h"
#include "state_win.h"
#include "ui_thread_win.h"
#include "wide_win.h"
#include "window.h"

namespace runtime {

bool openCommonDialog(Target t) {
  using namespace detail;
  return onUi([&] {
    if (!t.window) return false;
    WindowState& s = stateOf(t.window);
    ControlState* c = findControl(s, t.control);
    if (!s.hwnd)
      fatalError("Runtime error: the common dialog of \"" + s.layout->name +
                 "\" was used while its window is not loaded.");
    if (!c || c->layout->kind != ControlKind::commonDialog) return false;
    const FileDialogSettings& d = c->layout->dialog;

    std::wstring file = toWide(c->fileName);
    file.resize(std::max<std::size_t>(file.size() + 1, 32768), L'\0');  // room for a long chosen path
    const std::wstring title = toWide(c->title);
    const std::wstring folder = toWide(c->initialDirectory);
    const std::wstring filter = toWide(dialogFilter(d.filter));
    const std::wstring extension = toWide(dialogDefaultExtension(d.defaultExtension));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = s.hwnd;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    if (!title.empty()) ofn.lpstrTitle = title.c_str();
    if (!folder.empty()) ofn.lpstrInitialDir = folder.c_str();
    if (!filter.empty()) {
      ofn.lpstrFilter = filter.c_str();
      ofn.nFilterIndex = static_cast<DWORD>(dialogFilterIndex(d.filterIndex));
    }
    if (!extension.empty()) ofn.lpstrDefExt = extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (d.createPrompt) ofn.Flags |= OFN_CREATEPROMPT;
    if (d.fileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    if (d.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (d.pathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
    if (d.noChangeDir) ofn.Flags |= OFN_NOCHANGEDIR;

    // Modal: the dialog's own loop keeps dispatching, so timers and hotkeys go on.
    const BOOL ok = d.dialogType == 1 ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return false;
    c->fileName = fromWide(file.c_str());
    return true;
  });
}

}  // namespace runtime
