// Resource modules, the language that selects among their strings, and loading from them.

#include "platform/native/WindowManager.h"

#include <algorithm>
#include <cstring>

using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

} // namespace

int LoadStringA(HINSTANCE instance, UINT id, char* buffer, int bufferSize) {
    if (buffer == nullptr || bufferSize <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    WindowManager& manager = Manager();
    const ResourceModule* resources = manager.modules.Resources(instance);
    const char* text =
        resources != nullptr ? resources->FindString(manager.settings.language, id) : nullptr;
    if (text == nullptr) {
        return 0;
    }
    std::size_t length = std::min(std::strlen(text), static_cast<std::size_t>(bufferSize - 1));
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

HMODULE GetModuleHandleA(const char* name) {
    return name != nullptr ? Manager().modules.FindByName(name) : nullptr;
}

HICON LoadIconA(HINSTANCE instance, UINT id) {
    WindowManager& manager = Manager();
    const ResourceModule* resources = manager.modules.Resources(instance);
    if (resources == nullptr || !resources->HasIcon(id)) {
        return nullptr;
    }
    HICON icon = manager.modules.FindIcon(instance, id);
    if (icon == nullptr) {
        icon = reinterpret_cast<HICON>(manager.NewHandleValue());
        manager.modules.AddIcon(instance, id, icon);
    }
    return icon;
}

namespace native {

void SetLanguage(Language language) {
    Manager().settings.language = language;
}

Language GetLanguage() {
    return Manager().settings.language;
}

int ActiveCodePage() {
    return GetLanguage() == Language::Japanese ? 932 : 1252;
}

HINSTANCE RegisterModule(const std::string& name, const ResourceModule* resources) {
    auto instance = reinterpret_cast<HINSTANCE>(Manager().NewHandleValue());
    Manager().modules.Add(instance, name, resources);
    return instance;
}

void UnregisterModule(HINSTANCE instance) {
    Manager().modules.Remove(instance);
}

const ResourceModule* ModuleResources(HINSTANCE instance) {
    return Manager().modules.Resources(instance);
}

std::string ModuleName(HINSTANCE instance) {
    return Manager().modules.Name(instance);
}

} // namespace native
