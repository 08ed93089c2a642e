#pragma once

#include <list>
#include <memory>
#include <vector>

class CMainFrame;

// The open Inspector frames, newest first, at most kCapacity. The list exists only while
// at least one frame is registered. It does not own the frames: each belongs to its window.
class InspectorRegistry {
public:
    static constexpr int kCapacity = 10;

    bool Exists() const { return list_ != nullptr; }
    int Count() const;
    // Null when there is no list or the index is out of range.
    CMainFrame* At(int index) const;
    bool Contains(const CMainFrame* frame) const;
    void AddHead(CMainFrame* frame);
    // Unregisters the frame if it is registered; destroys the list when it empties.
    void Remove(CMainFrame* frame);
    void Clear() { list_.reset(); }
    // The frames in registry order, for walks that act on them.
    std::vector<CMainFrame*> Frames() const;
    // The frames oldest first, as a copy built by adding each frame at its head.
    std::vector<CMainFrame*> Snapshot() const;

private:
    std::unique_ptr<std::list<CMainFrame*>> list_;
};
