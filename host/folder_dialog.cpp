#include "host/folder_dialog.h"

#include <objbase.h>
#include <shlobj.h>

#include "imaging/runtime_binding.h"
#include "imaging/text_conversion.h"

namespace pixmora::host {
namespace {

PIXMORA_BIND(L"shell32.dll", SHBrowseForFolderW);
PIXMORA_BIND(L"shell32.dll", SHGetPathFromIDListW);
PIXMORA_BIND(L"ole32.dll", CoInitializeEx);
PIXMORA_BIND(L"ole32.dll", CoUninitialize);
PIXMORA_BIND(L"ole32.dll", CoTaskMemFree);

// Only file-system folders, not below the domain, with a status line.
constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT;

FolderDialogHook& hook() {
    static FolderDialogHook instance;
    return instance;
}

}  // namespace

std::string browseForFolder(HWND owner, std::string_view title) {
    if (hook()) return hook()(owner, std::string(title));
    // The dialog needs COM on this thread, in a single-threaded apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring wideTitle = toWideText(title);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = nullptr;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = kBrowseFlags;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    wchar_t path[MAX_PATH + 1] = {};
    if (item) {
        SHGetPathFromIDListW(item, path);
        CoTaskMemFree(item);
    }
    path[MAX_PATH] = L'\0';
    if (SUCCEEDED(com)) CoUninitialize();
    return wideToText(path);
}

void setFolderDialogHook(FolderDialogHook newHook) { hook() = std::move(newHook); }

}  // namespace pixmora::host
