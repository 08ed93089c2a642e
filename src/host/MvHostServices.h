#pragma once

#include "platform/WinTypes.h"

#include <string>

class MvPadList;
class MvSimplePad;
class MwView;
class CWnd;

// What the desktop host and the pad framework provide to the Inspector. The host installs
// one implementation with MvInstallHostServices(); the free functions below forward to it.
class MvHostServices {
public:
    virtual ~MvHostServices() = default;

    virtual void SetModalOpen(int open) = 0;
    virtual char MwSetTimerStop(char stop) = 0;
    virtual void SetScrollFromInspect() = 0;
    virtual void MwSendSystemEvent(int event) = 0;
    virtual void SetPadProperty(MvPadList* pads, const char* title, int open) = 0;

    virtual int TOOLSOpenInspector(HWND window, MvSimplePad* pad) = 0;
    virtual int TOOLSOpenConnector(HWND window, MvSimplePad* pad) = 0;
    virtual int TOOLSOpenDocumentor(HWND window, MvPadList* pads) = 0;
    virtual int TOOLSGetToolCount() = 0;
    virtual CWnd* TOOLSGetTool(int index) = 0;
    virtual void TOOLSActivateTool(int index) = 0;
    virtual void DlgNewWindow(CWnd* window) = 0;

    virtual int MwIsMbyteLead(const char* position) = 0;
    // Null when the value is not configured.
    virtual const char* MwGetEnvironment(const char* section, const char* key) = 0;
    virtual void MwPopupOnlineHelp(const char* helpFile, const char* keyword) = 0;

    // The registry module: keys are paths below HKEY_CURRENT_USER.
    virtual bool RegistryOpenKey(const std::string& path) = 0;
    virtual bool RegistryRead(const std::string& path, const std::string& name,
                              std::string& text) = 0;
    virtual bool RegistryWrite(const std::string& path, const std::string& name,
                               const std::string& text) = 0;

    // The pad framework's globals.
    virtual MwView* GetBaseWindow() = 0;
    virtual int ToolHelpInsert(MvSimplePad* to, MvSimplePad* from, int asParent, int x, int y,
                               int width, int height) = 0;
    virtual int ToolHelpReplace(MvSimplePad* to, MvSimplePad* from, void* reserved, int flags) = 0;
};

// Installs the host (null uninstalls). Without a host every service is a harmless no-op.
void MvInstallHostServices(MvHostServices* services);
MvHostServices* MvGetHostServices();

void SetModalOpen(int open);
char MwSetTimerStop(char stop);
void SetScrollFromInspect();
void MwSendSystemEvent(int event);
void SetPadProperty(MvPadList* pads, const char* title, int open);
int TOOLSOpenInspector(HWND window, MvSimplePad* pad);
int TOOLSOpenConnector(HWND window, MvSimplePad* pad);
int TOOLSOpenDocumentor(HWND window, MvPadList* pads);
int TOOLSGetToolCount();
CWnd* TOOLSGetTool(int index);
void TOOLSActivateTool(int index);
void DlgNewWindow(CWnd* window);
int MwIsMbyteLead(const char* position);
const char* MwGetEnvironment(const char* section, const char* key);
void MwPopupOnlineHelp(const char* helpFile, const char* keyword);

class MwGWrap {
public:
    static MwView* GetBaseWindow();
};

class MvToolHelp {
public:
    static int insert(MvSimplePad* to, MvSimplePad* from, int asParent, int x, int y, int width,
                      int height);
    static int replace(MvSimplePad* to, MvSimplePad* from, void* reserved, int flags);
};
