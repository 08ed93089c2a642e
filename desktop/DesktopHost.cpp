#include "DesktopHost.h"

#include "Desktop.h"
#include "DesktopPad.h"
#include "DesktopWindow.h"
#include "InspectorModule.h"
#include "SceneError.h"
#include "SceneLoader.h"
#include "SceneWriter.h"
#include "host/MvPadList.h"
#include "platform/Afx.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/CodePage.h"
#include "platform/NativeBackend.h"

#include <algorithm>

namespace {

constexpr char kMainTitle[] = "Mosvane Desktop";
constexpr char kHelpFile[] = "mvdesk.hlp";

bool IsKeywordCommand(UINT command) {
    return command == HELP_PARTIALKEY;
}

// Runs a scene file's reading or writing: `line` is "DONE PATH" or the error that stopped it.
template <typename Work>
bool SceneFileWork(Work work, const char* done, const std::string& path, std::string& line) {
    try {
        work();
    } catch (const SceneError& e) {
        line = e.what();
        return false;
    }
    line = std::string(done) + " " + path;
    return true;
}

} // namespace

DesktopHost::DesktopHost(Desktop& desktop, InspectorModule* module, const std::string& registryPath)
    : desktop_(desktop), module_(module), registry_(registryPath),
      mainWindow_(MakeDesktopWindow(*this)) {
    if (AfxGetApp() == nullptr) {
        app_ = std::make_unique<CWinApp>();
        app_->helpFilePath = kHelpFile;
        app_->m_pszHelpFilePath = app_->helpFilePath.c_str();
    }
    mainWindow_->CreateEx(0, AfxRegisterWndClass(0), kMainTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          0, 0, 1024, 740, nullptr, nullptr);
    native::SetHelpHandler([this](HWND, const std::string& file, UINT command,
                                  std::uintptr_t data) {
        const char* keyword = IsKeywordCommand(command) ? reinterpret_cast<const char*>(data) : "";
        helpLog_.push_back({file, command, data, keyword ? keyword : "", inPopupHelp_});
        if (helpListener_)
            helpListener_(helpLog_.back());
    });
    observer_ = desktop_.AddObserver([this](const DesktopChange& change) {
        if (change.kind == ChangeKind::Freeing)
            std::erase(padProperty_.pads, change.pad);
    });
    MvInstallHostServices(this);
    if (module_ != nullptr && module_->initInspector != nullptr)
        module_->initInspector();
}

DesktopHost::~DesktopHost() {
    if (module_ != nullptr && module_->AlldeleteInspector != nullptr)
        module_->AlldeleteInspector();
    for (auto& window : toolWindows_)
        window->DestroyWindow();
    // Closing the application's main window tells the help system it is no longer needed.
    WinHelpA(mainWindow_->m_hWnd, nullptr, HELP_QUIT, 0);
    mainWindow_->DestroyWindow();
    desktop_.RemoveObserver(observer_);
    native::SetHelpHandler(nullptr);
    if (MvGetHostServices() == this)
        MvInstallHostServices(nullptr);
}

int DesktopHost::OpenInspector(DesktopPad* pad) {
    return TOOLSOpenInspector(mainWindow_->m_hWnd, pad);
}

void DesktopHost::Report(const std::string& line, bool error) {
    if (lineListener_)
        lineListener_(line, error);
}

void DesktopHost::OpenInspectorByUser(DesktopPad* pad) {
    if (OpenInspector(pad) == 0)
        Report("open refused");
}

bool DesktopHost::SaveScene(const std::string& path, std::string& line) {
    return SceneFileWork([&] { SceneWriter::SaveFile(desktop_, path); }, "saved", path, line);
}

bool DesktopHost::LoadScene(const std::string& path, std::string& line) {
    if (modalDepth_ > 0) {
        line = "a dialog is open; close it before loading a scene";
        return false;
    }
    return SceneFileWork([&] { SceneLoader::LoadFile(desktop_, path); }, "loaded", path, line);
}

void DesktopHost::ShowHelpTopics() {
    CWinApp* app = AfxGetApp();
    const char* file =
        app != nullptr && app->m_pszHelpFilePath != nullptr ? app->m_pszHelpFilePath : kHelpFile;
    WinHelpA(mainWindow_->m_hWnd, file, HELP_FINDER, 0);
}

void DesktopHost::RequestQuit() {
    quitRequested_ = true;
    if (quitListener_)
        quitListener_();
}

void DesktopHost::SetHelpDirectory(std::optional<std::string> directory) {
    if (app_) {
        app_->helpFilePath = directory ? *directory + "\\" + kHelpFile : kHelpFile;
        app_->m_pszHelpFilePath = app_->helpFilePath.c_str();
    }
    SetEnvironment("Mosvane", "SysHelpPath", std::move(directory));
}

void DesktopHost::SetEnvironment(const std::string& section, const std::string& key,
                                 std::optional<std::string> value) {
    if (value)
        environment_[{section, key}] = std::move(*value);
    else
        environment_.erase({section, key});
}

std::vector<HWND> DesktopHost::ToolWindows() const {
    std::vector<HWND> tools;
    HWND main = mainWindow_->m_hWnd;
    if (main == nullptr)
        return tools;
    for (HWND hwnd : native::TopLevelWindows()) {
        if (GetWindow(hwnd, GW_OWNER) == main && IsWindowVisible(hwnd))
            tools.push_back(hwnd);
    }
    return tools;
}

void DesktopHost::SetModalOpen(int open) {
    modalLog_.push_back(open);
    modalDepth_ = open != 0 ? modalDepth_ + 1 : std::max(0, modalDepth_ - 1);
}

char DesktopHost::MwSetTimerStop(char stop) {
    char previous = timerStop_;
    timerStop_ = stop;
    return previous;
}

void DesktopHost::SetPadProperty(MvPadList* pads, const char* title, int open) {
    padProperty_.pads.clear();
    for (int i = 0; pads != nullptr && i < pads->length(); ++i)
        padProperty_.pads.push_back(pads->at(i));
    padProperty_.title = title ? std::optional<std::string>(title) : std::nullopt;
    padProperty_.open = open;
    ++padProperty_.calls;
}

int DesktopHost::TOOLSOpenInspector(HWND window, MvSimplePad* pad) {
    int result = 0;
    if (module_ != nullptr && module_->openInspector != nullptr)
        result = module_->openInspector(window, pad);
    toolRequests_.push_back({"Inspector", window, pad ? pad->GetCreatePadID() : 0, 0, result});
    return result;
}

int DesktopHost::TOOLSOpenConnector(HWND window, MvSimplePad* pad) {
    auto* desktopPad = static_cast<DesktopPad*>(pad);
    int result = 0;
    if (desktop_.IsLive(desktopPad) && !desktopPad->RefusesConnector()) {
        const char* name = pad->get_own_name();
        result = OpenToolWindow(std::string("Connection Editor - ") + (name ? name : "")) ? 1 : 0;
    }
    toolRequests_.push_back({"Connector", window, pad ? pad->GetCreatePadID() : 0, 0, result});
    return result;
}

int DesktopHost::TOOLSOpenDocumentor(HWND window, MvPadList* pads) {
    int result = OpenToolWindow("Document Generator") ? 1 : 0;
    toolRequests_.push_back({"Documentor", window, 0, pads ? pads->length() : -1, result});
    return result;
}

int DesktopHost::TOOLSGetToolCount() {
    return static_cast<int>(ToolWindows().size());
}

CWnd* DesktopHost::TOOLSGetTool(int index) {
    std::vector<HWND> tools = ToolWindows();
    if (index < 0 || index >= static_cast<int>(tools.size()))
        return nullptr;
    return CWnd::FromHandle(tools[static_cast<size_t>(index)]);
}

void DesktopHost::TOOLSActivateTool(int index) {
    std::vector<HWND> tools = ToolWindows();
    if (index < 0 || index >= static_cast<int>(tools.size()))
        return;
    HWND tool = tools[static_cast<size_t>(index)];
    if (IsIconic(tool))
        ShowWindow(tool, SW_RESTORE);
    SetActiveWindow(tool);
}

void DesktopHost::DlgNewWindow(CWnd* window) {
    newWindowDialogs_.push_back(window ? window->m_hWnd : nullptr);
}

int DesktopHost::MwIsMbyteLead(const char* position) {
    if (position == nullptr)
        return 0;
    return codepage::IsLeadByte(native::ActiveCodePage(), static_cast<unsigned char>(*position))
               ? 1
               : 0;
}

const char* DesktopHost::MwGetEnvironment(const char* section, const char* key) {
    if (section == nullptr || key == nullptr)
        return nullptr;
    auto it = environment_.find({section, key});
    return it == environment_.end() ? nullptr : it->second.c_str();
}

void DesktopHost::MwPopupOnlineHelp(const char* helpFile, const char* keyword) {
    // The keyword search of the help system; an empty keyword opens it blank.
    inPopupHelp_ = true;
    WinHelpA(mainWindow_->m_hWnd, helpFile, HELP_PARTIALKEY,
             reinterpret_cast<std::uintptr_t>(keyword ? keyword : ""));
    inPopupHelp_ = false;
}

bool DesktopHost::RegistryOpenKey(const std::string& path) {
    return registry_.OpenKey(path);
}

bool DesktopHost::RegistryRead(const std::string& path, const std::string& name,
                               std::string& text) {
    return registry_.Read(path, name, text);
}

bool DesktopHost::RegistryWrite(const std::string& path, const std::string& name,
                                const std::string& text) {
    if (faults_.Fails(FaultInjector::Kind::Registry, name))
        return false;
    return registry_.Write(path, name, text);
}

MwView* DesktopHost::GetBaseWindow() {
    return &desktop_.BaseView();
}

int DesktopHost::ToolHelpInsert(MvSimplePad* to, MvSimplePad* from, int asParent, int x, int y,
                                int width, int height) {
    return desktop_.Insert(static_cast<DesktopPad*>(to), static_cast<DesktopPad*>(from), asParent,
                           x, y, width, height);
}

int DesktopHost::ToolHelpReplace(MvSimplePad* to, MvSimplePad* from, void*, int) {
    return desktop_.Replace(static_cast<DesktopPad*>(to), static_cast<DesktopPad*>(from));
}

HWND DesktopHost::OpenToolWindow(const std::string& title) {
    std::erase_if(toolWindows_, [](const auto& window) { return window->m_hWnd == nullptr; });
    int offset = 24 * static_cast<int>(toolWindows_.size() % 10);
    auto window = std::make_unique<CWnd>();
    if (!window->CreateEx(0, AfxRegisterWndClass(0), title.c_str(),
                          WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 120 + offset,
                          120 + offset, 400, 300, mainWindow_->m_hWnd, nullptr))
        return nullptr;
    HWND hwnd = window->m_hWnd;
    toolWindows_.push_back(std::move(window));
    return hwnd;
}
