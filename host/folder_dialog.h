#pragma once
// The shell's folder dialog.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace pixmora::host {

// Lets the user choose a file-system folder in a dialog modal to `owner`;
// the folder's path (UTF-8), or "" when the dialog was cancelled.
std::string browseForFolder(HWND owner, std::string_view title = "浏览文件夹");

// Replaces the dialog, for tests: the hook receives the owner and title and
// gives the folder the user would have chosen. An empty hook restores the dialog.
using FolderDialogHook = std::function<std::string(HWND owner, const std::string& title)>;
void setFolderDialogHook(FolderDialogHook hook);

}  // namespace pixmora::host
