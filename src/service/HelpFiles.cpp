#include "HelpFiles.h"

#include "ModuleState.h"
#include "host/MvHostServices.h"
#include "platform/Afx.h"
#include "platform/CWinApp.h"

#include <cstring>
#include <string>

namespace {

constexpr std::size_t kPathLimit = 260;
constexpr std::size_t kFileNameRoom = 13;

const char* FormedPath(std::string& cache, const char* fileName) {
    if (!cache.empty())
        return cache.c_str();
    if (AfxGetApp() == nullptr)
        return nullptr;
    const char* directory = MwGetEnvironment("Mosvane", "SysHelpPath");
    if (directory == nullptr || *directory == '\0' ||
        std::strlen(directory) + kFileNameRoom >= kPathLimit)
        return nullptr;
    cache = std::string(directory) + "\\" + fileName;
    return cache.c_str();
}

} // namespace

const char* inspInspectorHelpFile() {
    return FormedPath(inspModuleState().inspectorHelpPath, "mvkinsp.hlp");
}

const char* inspSystemHelpFile() {
    return FormedPath(inspModuleState().systemHelpPath, "mvhelp.hlp");
}

bool inspWithModuleHelp(const std::function<void(CWinApp& app)>& call) {
    CWinApp* app = AfxGetApp();
    const char* helpFile = inspInspectorHelpFile();
    if (app == nullptr || helpFile == nullptr)
        return false;
    const char* saved = app->m_pszHelpFilePath;
    app->m_pszHelpFilePath = helpFile;
    call(*app);
    app->m_pszHelpFilePath = saved;
    return true;
}
