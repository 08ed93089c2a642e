#include "DesktopSession.h"

#include "Desktop.h"
#include "DesktopHost.h"
#include "DesktopPad.h"
#include "InspectorModule.h"
#include "SceneError.h"
#include "SceneLoader.h"
#include "platform/CWnd.h"
#include "platform/NativeBackend.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Where the demo desktop's help files are: the module's and the desktop's own.
constexpr char kDemoHelpDirectory[] = "C:\\Mosvane\\Help";

#ifdef _WIN32
// The DLL lies beside the program.
constexpr char kModuleFromProgram[] = "mvkinsp.dll";
constexpr char kPathSeparators[] = "\\/";
#else
constexpr char kModuleFromProgram[] = "../lib/libmvkinsp.so";
constexpr char kPathSeparators[] = "/";
#endif

std::string ModulePath(const std::string& program) {
    if (const char* path = std::getenv("MVDESK_MODULE"))
        return path;
    std::string directory = program.substr(0, program.find_last_of(kPathSeparators) + 1);
    return directory + kModuleFromProgram;
}

// Deeper lines are indented no further and say how deep they are, so that printing a deep
// tree costs time and memory linear in its pads.
constexpr int kIndentedLevels = 32;

std::string Describe(DesktopPad* pad, int depth, long long x, long long y) {
    std::string line(static_cast<size_t>(std::min(depth, kIndentedLevels)) * 2, ' ');
    if (depth > kIndentedLevels)
        line += "(level " + std::to_string(depth) + ") ";
    const char* name = pad->get_own_name();
    line += std::string(name ? name : "") + " [" + pad->get_class_name() + "] #" +
            std::to_string(pad->GetCreatePadID()) + " (" + std::to_string(x) + "," +
            std::to_string(y) + " " + std::to_string(pad->Width()) + "x" +
            std::to_string(pad->Height()) + ")";
    if (!pad->Visible())
        line += " hidden";
    if (!pad->HasOwnView())
        line += " no-view";
    if (pad->Selected())
        line += " selected";
    if (pad->get_protection() != 0)
        line += " protection=" + std::to_string(pad->get_protection());
    if (pad->get_groupDepth() > 0)
        line += " group=" + std::to_string(pad->get_groupDepth());
    if (pad->SlotName())
        line += " slot=" + *pad->SlotName();
    return line;
}

} // namespace

DesktopSession::DesktopSession() = default;

DesktopSession::~DesktopSession() {
    Close();
}

bool DesktopSession::Start(const Options& options, const std::string& program, std::string& error) {
    Language language = options.japanese ? Language::Japanese : Language::English;
    native::SetLanguage(language);
    // On Windows the process's locale decides the language and cannot be switched.
    if (native::GetLanguage() != language) {
        error = options.japanese ? "the Japanese resources need a Japanese locale (code page 932)"
                                 : "the English resources need a locale with code page 1252";
        return false;
    }
    module_ = std::make_unique<InspectorModule>();
    if (!module_->Load(ModulePath(program), error))
        return false;
    desktop_ = std::make_unique<Desktop>();
    desktop_->SetModule(module_.get());
    try {
        if (options.scene.empty())
            SceneLoader::LoadDemo(*desktop_);
        else
            SceneLoader::LoadFile(*desktop_, options.scene);
    } catch (const SceneError& e) {
        error = e.what();
        return false;
    }
    host_ = std::make_unique<DesktopHost>(*desktop_, module_.get(), options.registry);
    std::optional<std::string> help = options.helpDirectory;
    if (!help && options.scene.empty())
        help = kDemoHelpDirectory;
    host_->SetHelpDirectory(help);
    return true;
}

void DesktopSession::Close() {
    host_.reset();
    if (desktop_)
        desktop_->SetModule(nullptr);
    desktop_.reset();
}

HWND DesktopSession::MainWindow() const {
    return host_ ? host_->MainWindow().m_hWnd : nullptr;
}

void DesktopSession::DescribePads(const std::function<void(const std::string&)>& print) const {
    struct Item {
        DesktopPad* pad;
        int depth;
        long long x; // the parent's desktop position
        long long y;
    };
    std::vector<Item> open;
    for (DesktopPad* pad : desktop_->TopLevelPads())
        open.push_back({pad, 0, 0, 0});
    while (!open.empty()) {
        Item item = open.back();
        open.pop_back();
        long long x = item.x + item.pad->RelX();
        long long y = item.y + item.pad->RelY();
        print(Describe(item.pad, item.depth, x, y));
        for (int i = item.pad->ChildCount() - 1; i >= 0; --i)
            open.push_back({item.pad->Child(i), item.depth + 1, x, y});
    }
}
