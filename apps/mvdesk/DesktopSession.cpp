#include "DesktopSession.h"

#include "Desktop.h"
#include "DesktopHost.h"
#include "DesktopPad.h"
#include "InspectorModule.h"
#include "SceneError.h"
#include "SceneLoader.h"
#include "platform/CWnd.h"
#include "platform/NativeBackend.h"

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

void Describe(DesktopPad* pad, int depth, std::vector<std::string>& lines) {
    MwRectangle region = pad->Region();
    const char* name = pad->get_own_name();
    std::string line = std::string(static_cast<size_t>(depth) * 2, ' ') + (name ? name : "") +
                       " [" + pad->get_class_name() + "] #" +
                       std::to_string(pad->GetCreatePadID()) + " (" + std::to_string(region.X()) +
                       "," + std::to_string(region.Y()) + " " + std::to_string(region.Width()) +
                       "x" + std::to_string(region.Height()) + ")";
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
    lines.push_back(line);
    for (int i = 0; i < pad->ChildCount(); ++i)
        Describe(pad->Child(i), depth + 1, lines);
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

std::vector<std::string> DesktopSession::DescribePads() const {
    std::vector<std::string> lines;
    const std::vector<DesktopPad*>& pads = desktop_->TopLevelPads();
    for (auto it = pads.rbegin(); it != pads.rend(); ++it)
        Describe(*it, 0, lines);
    return lines;
}
