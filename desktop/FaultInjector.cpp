#include "FaultInjector.h"

#include "platform/NativeBackend.h"

namespace {

struct KindName {
    FaultInjector::Kind kind;
    const char* name;
    const char* operation;
};

const KindName kKindNames[] = {
    {FaultInjector::Kind::Window, "window", "window creation"},
    {FaultInjector::Kind::Accelerators, "accelerators", "accelerator loading"},
    {FaultInjector::Kind::Dialog, "dialog", "dialog creation"},
    {FaultInjector::Kind::Registry, "registry", "registry write"},
};

} // namespace

FaultInjector::FaultInjector() {
    native::SetFailureHook([this](native::Failure failure, const std::string& what) {
        switch (failure) {
        case native::Failure::WindowCreation:
            return Fails(Kind::Window, what);
        case native::Failure::AcceleratorLoading:
            return Fails(Kind::Accelerators, what);
        case native::Failure::DialogCreation:
            return Fails(Kind::Dialog, what);
        }
        return false;
    });
}

FaultInjector::~FaultInjector() {
    native::SetFailureHook(nullptr);
}

void FaultInjector::Arm(Kind kind, int nth, bool always) {
    Plan& plan = plans_[Index(kind)];
    plan.countdown = nth < 1 ? 1 : nth;
    plan.always = always;
}

void FaultInjector::Disarm(Kind kind) {
    plans_[Index(kind)].countdown = 0;
}

void FaultInjector::DisarmAll() {
    for (Plan& plan : plans_)
        plan.countdown = 0;
}

bool FaultInjector::Fails(Kind kind, const std::string& what) {
    Plan& plan = plans_[Index(kind)];
    if (plan.countdown == 0 || --plan.countdown > 0)
        return false;
    if (plan.always)
        plan.countdown = 1;
    ++plan.failed;
    if (observer_)
        observer_(kind, what);
    return true;
}

void FaultInjector::SetObserver(std::function<void(Kind, const std::string&)> observer) {
    observer_ = std::move(observer);
}

const char* FaultInjector::Name(Kind kind) {
    return kKindNames[Index(kind)].name;
}

const char* FaultInjector::Operation(Kind kind) {
    return kKindNames[Index(kind)].operation;
}

std::optional<FaultInjector::Kind> FaultInjector::Named(std::string_view name) {
    for (const KindName& entry : kKindNames) {
        if (name == entry.name)
            return entry.kind;
    }
    return std::nullopt;
}
