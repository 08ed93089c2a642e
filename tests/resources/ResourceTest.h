#pragma once

#include "platform/CodePage.h"
#include "platform/NativeBackend.h"
#include "platform/WinResources.h"
#include "resources/InspResources.h"
#include "resources/TextCodec.h"
#include "service/ModuleEntry.h"
#include "service/ModuleState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The module attached to a fresh window system, as the desktop loads it.
class ResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        ASSERT_TRUE(inspModuleAttach());
        module = inspModuleState().moduleHandle;
    }

    static std::string Utf8(const std::string& text, Language language) {
        return codepage::ToUtf8(text, LanguageCodePage(language));
    }

    // A menu text as a tooltip or caption shows it: no mnemonic and no trailing "...".
    static std::string Plain(std::string text) {
        size_t at = text.find("(&");
        if (at != std::string::npos)
            text.erase(at, 4);
        if ((at = text.find('&')) != std::string::npos)
            text.erase(at, 1);
        if (text.size() > 3 && text.compare(text.size() - 3, 3, "...") == 0)
            text.resize(text.size() - 3);
        return text;
    }

    static const MenuItemTemplate* FindMenuItem(const std::vector<MenuItemTemplate>& items,
                                                UINT id) {
        for (const MenuItemTemplate& item : items) {
            if (!item.IsPopup() && item.id == id)
                return &item;
            if (const MenuItemTemplate* found = FindMenuItem(item.children, id))
                return found;
        }
        return nullptr;
    }

    HINSTANCE module = nullptr;
};

inline const Language kLanguages[] = {Language::English, Language::Japanese};

inline const char* LanguageName(Language language) {
    return language == Language::Japanese ? "Japanese" : "English";
}
