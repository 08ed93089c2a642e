#include "InspectorModule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

const std::string kModulePath = std::string(MV_BUILD_LIB_DIR) + "/libmvkinsp.so";

const std::set<std::string> kEntryPoints = {
    "initInspector",
    "openInspector",
    "AlldeleteInspector",
    "ActivateInspector",
    "DeactivateInspector",
    "inspectorUpdateWindow",
    "inspectorGetInspectorCount",
    "inspectorGetInspector",
    "inspectorChangedPaste",
    "inspectorChangedShow",
    "inspectorChangedHide",
    "inspectorChangedSize",
    "inspectorChangedPosition",
    "inspectorChangedConnect",
    "inspectorChangedSelect",
    "inspectorChangedDelete",
    "inspectorChangedOutput",
    "inspectorChangedSlotValue",
    "inspectorChangedOwnname",
    "inspectorChangedGroup",
    "inspectorChangedLine",
    "inspectorChangedLower",
    "inspectorChangedRaise",
};

// The defined dynamic symbols of the module, demangled.
std::set<std::string> ExportedSymbols() {
    std::set<std::string> names;
    std::string command = "nm -D --defined-only -C " + kModulePath;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        // "address type name"
        auto first = text.find(' ');
        auto second = text.find(' ', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        names.insert(text.substr(second + 1));
    }
    pclose(pipe);
    return names;
}

TEST(Exports, EveryEntryPointResolvesByName) {
    InspectorModule module;
    std::string error;
    ASSERT_TRUE(module.Load(kModulePath, error)) << error;
    EXPECT_TRUE(module.Complete());
}

TEST(Exports, NothingElseIsExported) {
    std::set<std::string> symbols = ExportedSymbols();
    ASSERT_FALSE(symbols.empty()) << "nm gave nothing for " << kModulePath;
    for (const std::string& name : kEntryPoints)
        EXPECT_EQ(symbols.count(name), 1u) << "missing export " << name;
    EXPECT_EQ(symbols.count("MvInspSzPlView::FindViewRedef(int, int)"), 1u);
    for (const std::string& name : symbols) {
        bool entryPoint = kEntryPoints.count(name) != 0;
        bool exportedClass = name.rfind("MvInspSzPlView::", 0) == 0 ||
                             name.find("for MvInspSzPlView") != std::string::npos;
        EXPECT_TRUE(entryPoint || exportedClass) << "unexpected export " << name;
    }
}

} // namespace
