// The dialog manager's keyboard (Tab, mnemonics, Enter, Escape) for the
// modeless windows the panel owns. The panel runs in DialogBox, whose loop
// calls IsDialogMessage for the panel only; it passes every message to a
// message filter hook (MSGF_DIALOGBOX) first, and the one hook here hands
// a message meant for one of these windows to IsDialogMessage for it.
#ifndef VELMORA_APP_WIN32_WIN32_DIALOG_KEYS_H
#define VELMORA_APP_WIN32_WIN32_DIALOG_KEYS_H

#include <windows.h>

// From WM_INITDIALOG until WM_NCDESTROY of `dialog`.
void KeepDialogKeys(HWND dialog);
void DropDialogKeys(HWND dialog);

#endif
