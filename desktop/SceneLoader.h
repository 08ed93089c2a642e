#pragma once

#include <string>
#include <string_view>

class Desktop;

// Loads a pad world from a JSON scene (see docs/scene-format.md) into a desktop, replacing
// whatever it held. The whole scene is checked before the desktop is touched, so a scene
// that fails leaves the desktop as it was. Texts are converted from UTF-8 to the active code
// page. The pads on the desktop are reported to the module as pasted, bottom first.
class SceneLoader {
public:
    // Throw SceneError; `sourceName` names the text in messages.
    static void LoadFile(Desktop& desktop, const std::string& path);
    static void LoadText(Desktop& desktop, std::string_view text, const std::string& sourceName);
    // The scene built into the library.
    static void LoadDemo(Desktop& desktop);
};
