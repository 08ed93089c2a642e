#pragma once

#include "platform/WinTypes.h"

// Joins the module to the application framework, its resources found through the module
// handle. The library entry does it when the module is loaded; a failure fails the load.
bool inspModuleAttach(HINSTANCE moduleHandle);

#ifndef _WIN32
// With the native window system the module registers its resources itself and then attaches;
// the shared library does it when it is loaded, a test that links the module does it itself.
bool inspModuleAttach();
#endif
