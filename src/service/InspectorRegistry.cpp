#include "InspectorRegistry.h"

#include <algorithm>

int InspectorRegistry::Count() const {
    return list_ ? static_cast<int>(list_->size()) : 0;
}

CMainFrame* InspectorRegistry::At(int index) const {
    if (!list_ || index < 0 || index >= Count())
        return nullptr;
    auto it = list_->begin();
    std::advance(it, index);
    return *it;
}

bool InspectorRegistry::Contains(const CMainFrame* frame) const {
    return list_ && frame != nullptr &&
           std::find(list_->begin(), list_->end(), frame) != list_->end();
}

void InspectorRegistry::AddHead(CMainFrame* frame) {
    if (!list_)
        list_ = std::make_unique<std::list<CMainFrame*>>();
    list_->push_front(frame);
}

void InspectorRegistry::Remove(CMainFrame* frame) {
    if (!list_ || frame == nullptr || list_->empty())
        return;
    auto it = std::find(list_->begin(), list_->end(), frame);
    if (it != list_->end())
        list_->erase(it);
    if (list_->empty())
        list_.reset();
}

std::vector<CMainFrame*> InspectorRegistry::Frames() const {
    if (!list_)
        return {};
    return {list_->begin(), list_->end()};
}

std::vector<CMainFrame*> InspectorRegistry::Snapshot() const {
    if (!list_)
        return {};
    return {list_->rbegin(), list_->rend()};
}
