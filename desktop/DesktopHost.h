#pragma once

#include "FaultInjector.h"
#include "HostRecords.h"
#include "RegistryStore.h"
#include "host/MvHostServices.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CWinApp;
class CWnd;
class Desktop;
class DesktopPad;
struct InspectorModule;

// The desktop host: the services the Inspector module asks of its host, a main window
// ("Mosvane Desktop") that owns every tool window, an application object, and the registry.
// Constructing it installs it as the process's host services and help handler and starts
// the module (initInspector); destroying it closes the module's Inspectors, its windows,
// and uninstalls it. Requests it cannot act on are recorded so that a console or a test can
// show them.
class DesktopHost : public MvHostServices {
public:
    // An empty registry path takes RegistryStore::DefaultPath().
    DesktopHost(Desktop& desktop, InspectorModule* module, const std::string& registryPath = "");
    ~DesktopHost() override;
    DesktopHost(const DesktopHost&) = delete;
    DesktopHost& operator=(const DesktopHost&) = delete;

    // Opens an Inspector on a pad (null: the desktop), owned by the main window.
    int OpenInspector(DesktopPad* pad);
    CWnd& MainWindow() { return *mainWindow_; }
    Desktop& GetDesktop() { return desktop_; }

    // What the desktop's own window does prints what the console's words for it print: the
    // line listener gets each line (UTF-8), and whether it reports an error.
    using LineListener = std::function<void(const std::string& line, bool error)>;
    void SetLineListener(LineListener listener) { lineListener_ = std::move(listener); }
    void Report(const std::string& line, bool error = false);
    // Opens an Inspector as a person at the desktop asks for one; "open refused" when the
    // module refuses.
    void OpenInspectorByUser(DesktopPad* pad);
    // Write the desktop to a scene file, or replace the desktop's world by one. On success
    // `line` is what to print, on failure why. A scene is not loaded while a dialog of the
    // module is open, as the dialog may be working on the pads.
    bool SaveScene(const std::string& path, std::string& line);
    bool LoadScene(const std::string& path, std::string& line);
    // The desktop's own help file, opened on its contents.
    void ShowHelpTopics();
    // The person asked to leave (File > Exit, closing the desktop window); whoever runs the
    // session ends it when it next can, as the console's `quit` does.
    void RequestQuit();
    bool QuitRequested() const { return quitRequested_; }
    void SetQuitListener(std::function<void()> listener) { quitListener_ = std::move(listener); }
    RegistryStore& Registry() { return registry_; }
    // Failures made on demand; registry writes of the module go through it.
    FaultInjector& Faults() { return faults_; }
    // The directory MwGetEnvironment("Mosvane", "SysHelpPath") gives; nullopt: none. The
    // application's own help file lies there too.
    void SetHelpDirectory(std::optional<std::string> directory);
    void SetEnvironment(const std::string& section, const std::string& key,
                        std::optional<std::string> value);
    // Visible top-level windows owned by the main window, oldest first.
    std::vector<HWND> ToolWindows() const;

    int ModalDepth() const { return modalDepth_; }
    const std::vector<int>& ModalLog() const { return modalLog_; }
    bool TimersStopped() const { return timerStop_ != 0; }
    int ScrollRefreshes() const { return scrollRefreshes_; }
    const std::vector<int>& SystemEvents() const { return systemEvents_; }
    const PadPropertyState& PadProperty() const { return padProperty_; }
    const std::vector<ToolRequest>& ToolRequests() const { return toolRequests_; }
    const std::vector<HWND>& NewWindowDialogs() const { return newWindowDialogs_; }
    const std::vector<HelpCall>& HelpLog() const { return helpLog_; }
    // Told of every call into the help system as it happens.
    void SetHelpListener(std::function<void(const HelpCall&)> listener) {
        helpListener_ = std::move(listener);
    }

    void SetModalOpen(int open) override;
    char MwSetTimerStop(char stop) override;
    void SetScrollFromInspect() override { ++scrollRefreshes_; }
    void MwSendSystemEvent(int event) override { systemEvents_.push_back(event); }
    void SetPadProperty(MvPadList* pads, const char* title, int open) override;

    int TOOLSOpenInspector(HWND window, MvSimplePad* pad) override;
    int TOOLSOpenConnector(HWND window, MvSimplePad* pad) override;
    int TOOLSOpenDocumentor(HWND window, MvPadList* pads) override;
    int TOOLSGetToolCount() override;
    CWnd* TOOLSGetTool(int index) override;
    void TOOLSActivateTool(int index) override;
    void DlgNewWindow(CWnd* window) override;

    int MwIsMbyteLead(const char* position) override;
    const char* MwGetEnvironment(const char* section, const char* key) override;
    void MwPopupOnlineHelp(const char* helpFile, const char* keyword) override;

    bool RegistryOpenKey(const std::string& path) override;
    bool RegistryRead(const std::string& path, const std::string& name, std::string& text) override;
    bool RegistryWrite(const std::string& path, const std::string& name,
                       const std::string& text) override;

    MwView* GetBaseWindow() override;
    int ToolHelpInsert(MvSimplePad* to, MvSimplePad* from, int asParent, int x, int y, int width,
                       int height) override;
    int ToolHelpReplace(MvSimplePad* to, MvSimplePad* from, void* reserved, int flags) override;

private:
    HWND OpenToolWindow(const std::string& title);

    Desktop& desktop_;
    InspectorModule* module_;
    FaultInjector faults_;
    RegistryStore registry_;
    std::unique_ptr<CWinApp> app_;
    std::unique_ptr<CWnd> mainWindow_;
    std::vector<std::unique_ptr<CWnd>> toolWindows_;
    std::map<std::pair<std::string, std::string>, std::string> environment_;
    int observer_ = 0;

    int modalDepth_ = 0;
    std::vector<int> modalLog_;
    char timerStop_ = 0;
    int scrollRefreshes_ = 0;
    std::vector<int> systemEvents_;
    PadPropertyState padProperty_;
    std::vector<ToolRequest> toolRequests_;
    std::vector<HWND> newWindowDialogs_;
    std::vector<HelpCall> helpLog_;
    std::function<void(const HelpCall&)> helpListener_;
    LineListener lineListener_;
    std::function<void()> quitListener_;
    bool quitRequested_ = false;
    bool inPopupHelp_ = false;
};
