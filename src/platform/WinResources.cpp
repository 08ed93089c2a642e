#include "WinResources.h"

#include "NativeBackend.h"

const MenuTemplate* FindMenuResource(HINSTANCE instance, UINT id) {
    const ResourceModule* resources = native::ModuleResources(instance);
    return resources != nullptr ? resources->FindMenu(native::GetLanguage(), id) : nullptr;
}

const AcceleratorTable* FindAcceleratorResource(HINSTANCE instance, UINT id) {
    const ResourceModule* resources = native::ModuleResources(instance);
    return resources != nullptr ? resources->FindAccelerators(id) : nullptr;
}

const DialogTemplate* FindDialogResource(HINSTANCE instance, UINT id) {
    const ResourceModule* resources = native::ModuleResources(instance);
    return resources != nullptr ? resources->FindDialog(native::GetLanguage(), id) : nullptr;
}

const ToolbarTemplate* FindToolbarResource(HINSTANCE instance, UINT id) {
    const ResourceModule* resources = native::ModuleResources(instance);
    return resources != nullptr ? resources->FindToolbar(id) : nullptr;
}

const ImageResource* FindImageResource(HINSTANCE instance, UINT id, bool icon) {
    const ResourceModule* resources = native::ModuleResources(instance);
    if (resources == nullptr)
        return nullptr;
    Language language = native::GetLanguage();
    return icon ? resources->FindIcon(language, id) : resources->FindBitmap(language, id);
}
