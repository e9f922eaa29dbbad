#pragma once
// The program's message boxes: title "提示", an OK button, modal to the task.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace pixmora::host {

inline constexpr const char* kMessageTitle = "提示";
inline constexpr UINT kMessageFlags = MB_OK | MB_TASKMODAL;

// Shows the text in a message box without owner and waits until it is closed.
void showMessage(std::string_view text);

// Replaces the message box, for tests: the hook receives what would be shown
// (title, text, flags) and no box appears. An empty hook restores the box.
using MessageBoxHook = std::function<void(const std::string& title, const std::string& text, UINT flags)>;
void setMessageBoxHook(MessageBoxHook hook);

}  // namespace pixmora::host
