#pragma once

#include "Desktop.h"
#include "DesktopHost.h"
#include "DesktopPad.h"
#include "InspectorModule.h"
#include "StaticModule.h"
#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "platform/NativeBackend.h"
#include "platform/NativeVersion.h"
#include "service/InspectorExports.h"
#include "service/ModuleEntry.h"
#include "service/ModuleState.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// A desktop with its host and the module, a registry file of its own, and message boxes
// recorded and answered OK.
class InspectorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        native::ResetVersionInfo();
        inspModuleAttach();
        inspModuleState().comctlLevel = 0;
        registryPath = "/tmp/mvkinsp-test-" + std::to_string(::getpid()) + ".json";
        std::remove(registryPath.c_str());
        desktop.SetModule(&module);
        host = std::make_unique<DesktopHost>(desktop, &module, registryPath);
        native::SetMessageBoxHandler([this](const native::MessageBoxRequest& r) {
            boxes.push_back(r);
            return IDOK;
        });
    }

    void TearDown() override {
        host.reset();
        desktop.SetModule(nullptr);
        native::Reset();
        std::remove(registryPath.c_str());
    }

    CMainFrame* Open(DesktopPad* pad = nullptr) {
        if (openInspector(host->MainWindow().m_hWnd, pad) != 1)
            return nullptr;
        return inspectorGetInspector(0);
    }

    static CInspectrView& View(CMainFrame* frame) { return *frame->m_pInspView; }

    // Every item as "label|cell|cell…" in list order.
    static std::vector<std::string> Items(CMainFrame* frame) {
        CListCtrl& list = View(frame).List();
        std::vector<std::string> items;
        for (int i = 0; i < list.GetItemCount(); ++i) {
            std::string line = list.GetItemText(i, 0);
            for (int c = 1; c < View(frame).insertedColumns; ++c)
                line += "|" + list.GetItemText(i, c);
            items.push_back(line);
        }
        return items;
    }

    InspectorModule module = StaticModule();
    Desktop desktop;
    std::unique_ptr<DesktopHost> host;
    std::string registryPath;
    std::vector<native::MessageBoxRequest> boxes;
};
