// Any text as a scene: loading gives a desktop or one SceneError, never anything else, and
// the world it builds can be cleared and freed. A scene the reader vouches for is one the
// document parser and checker accept, with the same plan.

#include "Desktop.h"
#include "JsonText.h"
#include "PlanDifference.h"
#include "SceneChecker.h"
#include "SceneError.h"
#include "SceneLoader.h"
#include "SceneReader.h"
#include "platform/NativeBackend.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void Disagree(const std::string& what) {
    std::fprintf(stderr, "the reader and the document disagree: %s\n", what.c_str());
    std::abort();
}

void CompareWithTheDocument(std::string_view text, int codePage) {
    ScenePlan read;
    if (!SceneReader(codePage).Read(text, read))
        return;
    nlohmann::json root;
    JsonProblem problem;
    if (!ParseJson(text, root, problem))
        Disagree("the parser refuses it: " + problem.message);
    ScenePlan checked;
    try {
        checked = SceneChecker("fuzz.json", codePage).Check(root);
    } catch (const SceneError& error) {
        Disagree(std::string("the checker refuses it: ") + error.what());
    }
    std::string difference = PlanDifference(read, checked);
    if (!difference.empty())
        Disagree(difference);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte chooses the code page the texts are converted into.
    native::SetLanguage(size > 0 && data[0] % 2 == 1 ? Language::Japanese : Language::English);
    std::string_view text(reinterpret_cast<const char*>(data), size);
    Desktop desktop;
    CompareWithTheDocument(text, desktop.CodePage());
    try {
        SceneLoader::LoadText(desktop, text, "fuzz.json");
    } catch (const SceneError&) {
        return 0;
    }
    desktop.Clear();
    return 0;
}
