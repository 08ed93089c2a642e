#pragma once

// Joins the module to the application framework and registers its resources. The shared
// library does it when it is loaded; a test that links the module does it itself.
bool inspModuleAttach();
