#pragma once

// Joins the module to the application framework and registers its resources; leaves again.
// The shared library does both when it is loaded and unloaded.
bool inspModuleAttach();
void inspModuleDetach();
