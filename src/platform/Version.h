#pragma once

// File version information of system files, in the shape of the Win32 version API.

#ifdef _WIN32
#include "win32/Win32Api.h"
#else

#include "WinTypes.h"

struct VS_FIXEDFILEINFO {
    DWORD dwSignature = 0xFEEF04BD;
    DWORD dwStrucVersion = 0x00010000;
    DWORD dwFileVersionMS = 0;
    DWORD dwFileVersionLS = 0;
    DWORD dwProductVersionMS = 0;
    DWORD dwProductVersionLS = 0;
};

UINT GetSystemDirectoryA(char* buffer, UINT size);
DWORD GetFileVersionInfoSizeA(const char* fileName, DWORD* handle);
BOOL GetFileVersionInfoA(const char* fileName, DWORD handle, DWORD size, void* data);
BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length);

#endif
