#pragma once

#include "host/MvHostServices.h"
#include "host/MwView.h"

#include <string>
#include <vector>

// Host services for module tests: records the calls the module makes, in order.
class RecordingHost : public MvHostServices {
public:
    explicit RecordingHost(MwView* baseWindow = nullptr) : base(baseWindow) {
        MvInstallHostServices(this);
    }
    ~RecordingHost() override { MvInstallHostServices(nullptr); }

    void SetModalOpen(int open) override {
        calls.push_back("SetModalOpen(" + std::to_string(open) + ")");
    }
    char MwSetTimerStop(char stop) override {
        calls.push_back("MwSetTimerStop(" + std::to_string(int(stop)) + ")");
        char previous = timerStop;
        timerStop = stop;
        return previous;
    }
    void SetScrollFromInspect() override { calls.push_back("SetScrollFromInspect"); }
    void MwSendSystemEvent(int event) override {
        calls.push_back("MwSendSystemEvent(" + std::to_string(event) + ")");
    }
    void SetPadProperty(MvPadList*, const char* title, int open) override {
        calls.push_back(std::string("SetPadProperty(") + (title ? title : "") + "," +
                        std::to_string(open) + ")");
    }
    int TOOLSOpenInspector(HWND, MvSimplePad*) override { return 1; }
    int TOOLSOpenConnector(HWND, MvSimplePad*) override { return 1; }
    int TOOLSOpenDocumentor(HWND, MvPadList*) override { return 1; }
    int TOOLSGetToolCount() override { return 0; }
    CWnd* TOOLSGetTool(int) override { return nullptr; }
    void TOOLSActivateTool(int) override {}
    void DlgNewWindow(CWnd*) override {}
    int MwIsMbyteLead(const char* p) override {
        auto b = static_cast<unsigned char>(*p);
        return japanese && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
    }
    const char* MwGetEnvironment(const char*, const char*) override { return nullptr; }
    void MwPopupOnlineHelp(const char*, const char*) override {}
    bool RegistryOpenKey(const std::string&) override { return false; }
    bool RegistryRead(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    bool RegistryWrite(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    MwView* GetBaseWindow() override { return base; }
    int ToolHelpInsert(MvSimplePad*, MvSimplePad*, int, int, int, int, int) override { return 0; }
    int ToolHelpReplace(MvSimplePad*, MvSimplePad*, void*, int) override { return 0; }

    MwView* base;
    bool japanese = false;
    char timerStop = 0;
    std::vector<std::string> calls;
};
