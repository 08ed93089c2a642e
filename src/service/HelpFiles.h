#pragma once

#include <functional>

class CWinApp;

// The help files of the module and of the system, formed once on first need from the
// host's help directory. Null while no path can be formed: no application object, no
// directory configured, or a directory too long for the 260-byte path.
const char* inspInspectorHelpFile();
const char* inspSystemHelpFile();

// Runs `call` with the application's help file replaced by the module's, and puts the
// application's own back afterwards; false, without calling, when there is no application
// object or no module help file.
bool inspWithModuleHelp(const std::function<void(CWinApp& app)>& call);
