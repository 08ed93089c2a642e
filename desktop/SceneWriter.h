#pragma once

#include <string>

class Desktop;

// Writes the desktop's world as a scene (docs/scene-format.md) that the loader builds back
// into the same pads, models, slots and places: every pad in the hierarchy with its ID, the
// shared models, and the pads' own models. Pads deleted undoably are left out, as are links
// to them. Texts are converted from the active code page to UTF-8. Neither writing nor the
// text it makes nests once per level of the pads or dictionaries.
class SceneWriter {
public:
    static std::string Text(Desktop& desktop);
    // Replaces the file only by a whole new one; throws SceneError naming the file and why.
    static void SaveFile(Desktop& desktop, const std::string& path);
};
