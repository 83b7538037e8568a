// The dialog procedure of a window object: CreateDialogParam or
// DialogBoxParam hands it the object as WM_INITDIALOG's parameter; it is
// kept with the dialog (DWLP_USER), learns its handle, and gets every
// message from then on. A class befriends its own instance.
#ifndef VELMORA_APP_WIN32_WIN32_DIALOG_PROC_H
#define VELMORA_APP_WIN32_WIN32_DIALOG_PROC_H

#include <windows.h>

template <class Window>
INT_PTR CALLBACK ObjectDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<Window*>(lParam)->m_hwnd = hwnd;
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    return self != nullptr ? self->OnMessage(msg, wParam, lParam) : FALSE;
}

#endif
