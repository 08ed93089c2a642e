#pragma once

// The help files of the module and of the system, formed once on first need from the
// host's help directory. Null while no path can be formed: no application object, no
// directory configured, or a directory too long for the 260-byte path.
const char* inspInspectorHelpFile();
const char* inspSystemHelpFile();
