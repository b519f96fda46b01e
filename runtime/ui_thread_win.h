#pragma once
// The one door between threads: work for the UI thread is handed over by a
// synchronous send to the runtime's hidden window, so it has been done when the
// call returns. On the UI thread itself the work runs directly.

#include <windows.h>

#include <functional>
#include <optional>
#include <type_traits>

namespace runtime::detail {

// Called once by initRuntime on the thread that becomes the UI thread.
void startUiThread();

// The runtime's hidden top-level window: the door, and the owner of windows
// that have no taskbar button.
HWND hiddenWindow();

bool onUiThread();
void runOnUiThread(const std::function<void()>& work);

template <class F>
auto onUi(F&& f) -> decltype(f()) {
  using R = decltype(f());
  if constexpr (std::is_void_v<R>) {
    runOnUiThread(std::function<void()>(f));
  } else {
    std::optional<R> result;
    runOnUiThread([&] { result.emplace(f()); });
    return std::move(*result);
  }
}

}  // namespace runtime::detail
