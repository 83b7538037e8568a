#include "app/win32/win32_dialog_keys.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<HWND> g_dialogs;  // the modeless windows open now
HHOOK g_filter = nullptr;     // while there is one

LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX)
        for (const HWND dialog : g_dialogs)
            if ((msg->hwnd == dialog || ::IsChild(dialog, msg->hwnd) != FALSE) &&
                ::IsDialogMessageW(dialog, msg) != FALSE)
                return TRUE;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void KeepDialogKeys(HWND dialog) {
    if (std::ranges::find(g_dialogs, dialog) != g_dialogs.end()) return;
    g_dialogs.push_back(dialog);
    if (g_filter == nullptr) g_filter = ::SetWindowsHookExW(WH_MSGFILTER, FilterProc, nullptr, ::GetCurrentThreadId());
}

void DropDialogKeys(HWND dialog) {
    std::erase(g_dialogs, dialog);
    if (!g_dialogs.empty() || g_filter == nullptr) return;
    ::UnhookWindowsHookEx(g_filter);
    g_filter = nullptr;
}
