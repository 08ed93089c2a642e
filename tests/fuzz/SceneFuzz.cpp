// Any text as a scene: loading gives a desktop or one SceneError, never anything else, and
// the world it builds can be cleared and freed.

#include "Desktop.h"
#include "SceneError.h"
#include "SceneLoader.h"
#include "platform/NativeBackend.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte chooses the code page the texts are converted into.
    native::SetLanguage(size > 0 && data[0] % 2 == 1 ? Language::Japanese : Language::English);
    std::string_view text(reinterpret_cast<const char*>(data), size);
    Desktop desktop;
    try {
        SceneLoader::LoadText(desktop, text, "fuzz.json");
    } catch (const SceneError&) {
        return 0;
    }
    desktop.Clear();
    return 0;
}
