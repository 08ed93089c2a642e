#pragma once

#include <string_view>

// The demo scene, the same text as desktop/scenes/demo.json, built into the library.
std::string_view DemoSceneText();
