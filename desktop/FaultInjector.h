#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Makes chosen operations fail on demand, so that every failure path of the Inspector can be
// exercised: window creation, accelerator loading and dialog creation in the window system,
// and writes to the registry. A kind is armed to fail at its nth operation from now, once or
// from then on. While it lives, the injector is the window system's failure hook.
class FaultInjector {
public:
    enum class Kind { Window, Accelerators, Dialog, Registry };
    static constexpr int kKinds = 4;

    FaultInjector();
    ~FaultInjector();
    FaultInjector(const FaultInjector&) = delete;
    FaultInjector& operator=(const FaultInjector&) = delete;

    // `nth` counts from 1, the next operation of the kind.
    void Arm(Kind kind, int nth, bool always);
    void Disarm(Kind kind);
    void DisarmAll();
    // Counts the operation starting now; true when it is to fail.
    bool Fails(Kind kind, const std::string& what);
    int Failed(Kind kind) const { return plans_[Index(kind)].failed; }
    // Told of every failure made, with what the operation concerned.
    void SetObserver(std::function<void(Kind, const std::string&)> observer);

    // "window", "accelerators", "dialog", "registry".
    static const char* Name(Kind kind);
    static std::optional<Kind> Named(std::string_view name);
    // "window creation", ... as a sentence names the operation.
    static const char* Operation(Kind kind);

private:
    struct Plan {
        int countdown = 0; // 0: not armed
        bool always = false;
        int failed = 0;
    };
    static size_t Index(Kind kind) { return static_cast<size_t>(kind); }

    std::array<Plan, kKinds> plans_{};
    std::function<void(Kind, const std::string&)> observer_;
};
