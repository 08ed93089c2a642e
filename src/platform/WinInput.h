#pragma once

// The keyboard state as Win32 reports it.

#ifdef _WIN32
#include "win32/Win32Api.h"
#else

#include "WinTypes.h"

inline constexpr WORD VK_SHIFT = 0x10;
inline constexpr WORD VK_CONTROL = 0x11;
inline constexpr WORD VK_MENU = 0x12; // Alt

// Negative (high bit set) while the key is down, as of the keyboard message last taken from
// the queue. Only Shift, Ctrl and Alt are tracked.
short GetKeyState(int virtualKey);

inline constexpr UINT MAPVK_VK_TO_VSC = 0;
// The scan code a key of the keyboard sends (MAPVK_VK_TO_VSC), as a keystroke message carries
// it in bits 16 to 23 of its lParam; 0 for a key the keyboard lacks and for other mappings.
UINT MapVirtualKeyA(UINT code, UINT mapType);

#endif
