#pragma once

#include <vector>

class MwView;

// A list of views with a cursor. After SetEnd(), each BeforeView() steps the cursor back
// one place and returns the view there, so Length() calls visit the list last to first.
class MwViewList {
public:
    int Length() const { return static_cast<int>(views_.size()); }
    void SetEnd() { cursor_ = Length(); }
    // Null once the cursor has passed the first view.
    MwView* BeforeView();
    void Append(MwView* view) { views_.push_back(view); }
    void Remove(MwView* view);
    void Clear() { views_.clear(); }
    MwView* At(int index) const;

private:
    std::vector<MwView*> views_;
    int cursor_ = 0;
};
