#pragma once

#include "platform/WinTypes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Desktop;
class DesktopHost;
struct InspectorModule;

// Everything a console session runs on: the Inspector module loaded from its shared
// library, the desktop with its scene, and the desktop host.
class DesktopSession {
public:
    struct Options {
        bool japanese = false;
        std::string scene;    // empty: the demo scene
        std::string registry; // empty: the default registry file
        // The help directory; the demo scene has one by default, a scene file none.
        std::optional<std::string> helpDirectory;
    };

    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // `program` is argv[0]; the module is found beside the program's lib directory unless
    // MVDESK_MODULE names it.
    bool Start(const Options& options, const std::string& program, std::string& error);
    // Closes the Inspectors and windows; the session can only be destroyed afterwards.
    void Close();

    // True from a successful Start until Close.
    bool Running() const { return host_ != nullptr; }
    Desktop& GetDesktop() { return *desktop_; }
    DesktopHost& Host() { return *host_; }
    InspectorModule& Module() { return *module_; }
    HWND MainWindow() const;
    // The pad tree, topmost pad first, one line each, in the desktop's code page.
    void DescribePads(const std::function<void(const std::string&)>& print) const;

private:
    std::unique_ptr<InspectorModule> module_;
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<DesktopHost> host_;
};
