// Any text as the registry file: reading it either refuses the whole file or keeps every
// value that decodes; setting a value and writing the document back keeps all of them and
// reads back the new value byte for byte.

#include "RegistryDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    RegistryDocument document;
    std::string error;
    if (!document.Parse(text, error)) {
        if (error.empty() || !document.Contents().empty())
            std::abort();
        return 0;
    }
    RegistryDocument::Keys before = document.Contents();
    // The value set is the input's own bytes, whatever they are.
    const std::string key = "Software\\Korvell\\Mosvane\\4.1\\InspEnv";
    std::string value = text.substr(0, 64);
    document.Set(key, "InspArg", value);
    RegistryDocument reread;
    if (!reread.Parse(document.Text(), error))
        std::abort();
    RegistryDocument::Keys after = reread.Contents();
    if (after[key]["InspArg"] != value)
        std::abort();
    for (const auto& [name, values] : before) {
        for (const auto& [valueName, bytes] : values) {
            if (!(name == key && valueName == "InspArg") && after[name][valueName] != bytes)
                std::abort();
        }
    }
    return 0;
}
