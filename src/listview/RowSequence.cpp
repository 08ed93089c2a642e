#include "RowSequence.h"

#include "InspectorRow.h"

#include <algorithm>
#include <climits>

struct RowSequence::Branch : RowSequence::Node {
    static constexpr int kCapacity = 32;
    int size = 0;
    Node* children[kCapacity];
    // Places below each child and their least depth, so that a descent reads this node only.
    int counts[kCapacity];
    int minDepths[kCapacity];
};

namespace {

using Leaf = RowSequence::Leaf;

int LeastDepth(const int* depths, int size) {
    int least = INT_MAX;
    for (int i = 0; i < size; ++i)
        least = std::min(least, depths[i]);
    return least;
}

} // namespace

void RowSequence::Summarize(const Node* node, int& count, int& least) {
    if (node->isLeaf) {
        auto* leaf = static_cast<const Leaf*>(node);
        count = leaf->size;
        least = LeastDepth(leaf->depths, leaf->size);
        return;
    }
    auto* branch = static_cast<const Branch*>(node);
    count = 0;
    for (int i = 0; i < branch->size; ++i)
        count += branch->counts[i];
    least = LeastDepth(branch->minDepths, branch->size);
}

RowSequence::~RowSequence() {
    Clear();
}

RowSequence::Leaf* RowSequence::Locate(int index, int& at) const {
    at = 0;
    if (root_ == nullptr || index < 0)
        return nullptr;
    Node* node = root_;
    while (!node->isLeaf) {
        auto* branch = static_cast<Branch*>(node);
        int k = 0;
        // An index past the end lands at the end of the last leaf.
        while (k + 1 < branch->size && index >= branch->counts[k])
            index -= branch->counts[k++];
        node = branch->children[k];
    }
    auto* leaf = static_cast<Leaf*>(node);
    at = std::min(index, leaf->size);
    return leaf;
}

InspectorRow* RowSequence::At(int index) const {
    int at = 0;
    Leaf* leaf = Locate(index, at);
    return leaf != nullptr && at < leaf->size ? leaf->rows[at] : nullptr;
}

int RowSequence::LeafStart(const Leaf* leaf) {
    int start = 0;
    const Node* node = leaf;
    for (const Branch* parent = node->parent; parent != nullptr; parent = node->parent) {
        for (int k = 0; parent->children[k] != node; ++k)
            start += parent->counts[k];
        node = parent;
    }
    return start;
}

int RowSequence::StartOf(const Leaf* leaf) {
    if (leaf->startStamp != leaf->owner->stamp_) {
        leaf->start = LeafStart(leaf);
        leaf->startStamp = leaf->owner->stamp_;
    }
    return leaf->start;
}

int RowSequence::PlaceOf(const Leaf* leaf, const InspectorRow& row) {
    int at = 0;
    while (leaf->rows[at] != &row)
        ++at;
    return at;
}

int RowSequence::IndexOf(const InspectorRow& row) {
    const Leaf* leaf = row.listLeaf;
    if (leaf == nullptr)
        return -1;
    return StartOf(leaf) + PlaceOf(leaf, row);
}

RowSequence::Leaf* RowSequence::NewLeaf() {
    auto* leaf = new Leaf;
    leaf->isLeaf = true;
    leaf->owner = this;
    return leaf;
}

void RowSequence::DeleteLeaf(Leaf* leaf) {
    (leaf->prev != nullptr ? leaf->prev->next : first_) = leaf->next;
    if (leaf->next != nullptr)
        leaf->next->prev = leaf->prev;
    delete leaf;
}

bool RowSequence::Holds(const InspectorRow& row) {
    return row.listLeaf != nullptr;
}

void RowSequence::Propagate(Node* node) {
    while (node->parent != nullptr) {
        Branch* parent = node->parent;
        int k = PlaceIn(parent, node);
        Summarize(node, parent->counts[k], parent->minDepths[k]);
        node = parent;
    }
}

int RowSequence::PlaceIn(const Branch* parent, const Node* child) {
    int place = 0;
    while (parent->children[place] != child)
        ++place;
    return place;
}

void RowSequence::AddAfter(Node* node, int count, Node* right) {
    if (node->parent == nullptr) {
        auto* top = new Branch;
        top->size = 1;
        top->children[0] = node;
        top->counts[0] = count;
        top->minDepths[0] = INT_MAX;
        node->parent = top;
        root_ = top;
    }
    AddChild(node->parent, PlaceIn(node->parent, node) + 1, right);
}

void RowSequence::AddChild(Branch* parent, int at, Node* child) {
    Branch* right = nullptr;
    if (parent->size == Branch::kCapacity) {
        right = new Branch;
        int half = parent->size / 2;
        right->size = parent->size - half;
        for (int i = 0; i < right->size; ++i) {
            right->children[i] = parent->children[half + i];
            right->counts[i] = parent->counts[half + i];
            right->minDepths[i] = parent->minDepths[half + i];
            right->children[i]->parent = right;
        }
        parent->size = half;
        AddAfter(parent, 0, right);
        if (at > half) {
            at -= half;
            std::swap(parent, right);
        }
    }
    for (int i = parent->size; i > at; --i) {
        parent->children[i] = parent->children[i - 1];
        parent->counts[i] = parent->counts[i - 1];
        parent->minDepths[i] = parent->minDepths[i - 1];
    }
    parent->children[at] = child;
    parent->counts[at] = 0;
    parent->minDepths[at] = INT_MAX;
    ++parent->size;
    child->parent = parent;
    Propagate(child);
    if (right != nullptr)
        Propagate(right);
}

RowSequence::Leaf* RowSequence::SplitLeaf(Leaf* leaf) {
    Leaf* right = NewLeaf();
    int half = leaf->size / 2;
    right->size = leaf->size - half;
    for (int i = 0; i < right->size; ++i) {
        right->rows[i] = leaf->rows[half + i];
        right->depths[i] = leaf->depths[half + i];
        if (right->rows[i] != nullptr)
            right->rows[i]->listLeaf = right;
    }
    leaf->size = half;
    right->next = leaf->next;
    right->prev = leaf;
    if (leaf->next != nullptr)
        leaf->next->prev = right;
    leaf->next = right;
    AddAfter(leaf, leaf->size, right);
    Propagate(leaf);
    return right;
}

void RowSequence::InsertOne(int index, InspectorRow* row, int depth) {
    ++stamp_;
    if (root_ == nullptr)
        root_ = first_ = NewLeaf();
    int at = 0;
    Leaf* leaf = Locate(index, at);
    if (leaf->size == Leaf::kCapacity) {
        Leaf* right = SplitLeaf(leaf);
        if (at > leaf->size) {
            at -= leaf->size;
            leaf = right;
        }
    }
    for (int i = leaf->size; i > at; --i) {
        leaf->rows[i] = leaf->rows[i - 1];
        leaf->depths[i] = leaf->depths[i - 1];
    }
    leaf->rows[at] = row;
    leaf->depths[at] = depth;
    ++leaf->size;
    ++size_;
    if (row != nullptr)
        row->listLeaf = leaf;
    Propagate(leaf);
}

void RowSequence::Insert(int index, const std::vector<InspectorRow*>& rows) {
    index = std::clamp(index, 0, Size());
    for (InspectorRow* row : rows)
        InsertOne(index++, row, row->depth);
}

void RowSequence::RemoveNode(Node* node) {
    while (true) {
        Branch* parent = node->parent;
        if (node->isLeaf) {
            DeleteLeaf(static_cast<Leaf*>(node));
        } else {
            delete static_cast<Branch*>(node);
        }
        if (parent == nullptr) {
            root_ = nullptr;
            return;
        }
        int k = PlaceIn(parent, node);
        for (int i = k + 1; i < parent->size; ++i) {
            parent->children[i - 1] = parent->children[i];
            parent->counts[i - 1] = parent->counts[i];
            parent->minDepths[i - 1] = parent->minDepths[i];
        }
        if (--parent->size > 0) {
            Propagate(parent);
            break;
        }
        node = parent;
    }
    // A root with one child gives way to it.
    while (root_ != nullptr && !root_->isLeaf && static_cast<Branch*>(root_)->size == 1) {
        auto* top = static_cast<Branch*>(root_);
        root_ = top->children[0];
        root_->parent = nullptr;
        delete top;
    }
}

void RowSequence::Erase(int first, int count) {
    ++stamp_;
    while (count > 0) {
        int at = 0;
        Leaf* leaf = Locate(first, at);
        if (leaf == nullptr || at >= leaf->size)
            return;
        int n = std::min(count, leaf->size - at);
        for (int i = at; i < at + n; ++i) {
            if (leaf->rows[i] != nullptr)
                leaf->rows[i]->listLeaf = nullptr;
        }
        for (int i = at + n; i < leaf->size; ++i) {
            leaf->rows[i - n] = leaf->rows[i];
            leaf->depths[i - n] = leaf->depths[i];
        }
        leaf->size -= n;
        size_ -= n;
        count -= n;
        if (leaf->size == 0)
            RemoveNode(leaf);
        else
            Propagate(leaf);
    }
}

void RowSequence::Blank(int first, int count) {
    int at = 0;
    Leaf* leaf = Locate(first, at);
    BlankFrom(leaf, at, count);
}

std::pair<int, int> RowSequence::BlankRow(const InspectorRow& row, bool withBelow) {
    Leaf* leaf = row.listLeaf;
    int at = PlaceOf(leaf, row);
    int first = StartOf(leaf) + at;
    int count = withBelow ? SubtreeEndFrom(leaf, at) - first : 1;
    BlankFrom(leaf, at, count);
    return {first, count};
}

void RowSequence::BlankFrom(Leaf* leaf, int at, int count) {
    for (; leaf != nullptr && count > 0; leaf = leaf->next, at = 0) {
        for (; at < leaf->size && count > 0; ++at, --count) {
            if (leaf->rows[at] != nullptr) {
                leaf->rows[at]->listLeaf = nullptr;
                leaf->rows[at] = nullptr;
            }
        }
    }
}

int RowSequence::SubtreeEnd(int index) const {
    int at = 0;
    const Leaf* leaf = Locate(index, at);
    if (leaf == nullptr || at >= leaf->size)
        return Size();
    return SubtreeEndFrom(leaf, at);
}

int RowSequence::SubtreeEndFrom(const Leaf* leaf, int at) const {
    int depth = leaf->depths[at];
    for (int i = at + 1; i < leaf->size; ++i) {
        if (leaf->depths[i] <= depth)
            return StartOf(leaf) + i;
    }
    for (const Node* node = leaf; node->parent != nullptr; node = node->parent) {
        Branch* parent = node->parent;
        int k = PlaceIn(parent, node);
        for (int j = k + 1; j < parent->size; ++j) {
            if (parent->minDepths[j] > depth)
                continue;
            Node* below = parent->children[j];
            while (!below->isLeaf) {
                auto* branch = static_cast<Branch*>(below);
                int c = 0;
                while (branch->minDepths[c] > depth)
                    ++c;
                below = branch->children[c];
            }
            auto* found = static_cast<Leaf*>(below);
            int i = 0;
            while (found->depths[i] > depth)
                ++i;
            return StartOf(found) + i;
        }
    }
    return Size();
}

void RowSequence::Assign(const std::vector<InspectorRow*>& rows) {
    Clear();
    std::vector<Node*> level;
    Leaf* last = nullptr;
    for (size_t i = 0; i < rows.size(); i += Leaf::kCapacity) {
        Leaf* leaf = NewLeaf();
        leaf->size = static_cast<int>(std::min<size_t>(Leaf::kCapacity, rows.size() - i));
        for (int k = 0; k < leaf->size; ++k) {
            leaf->rows[k] = rows[i + static_cast<size_t>(k)];
            leaf->depths[k] = leaf->rows[k]->depth;
            leaf->rows[k]->listLeaf = leaf;
        }
        leaf->prev = last;
        (last != nullptr ? last->next : first_) = leaf;
        last = leaf;
        level.push_back(leaf);
    }
    BuildBranches(std::move(level));
    size_ = static_cast<int>(rows.size());
}

void RowSequence::BuildBranches(std::vector<Node*> level) {
    if (level.size() == 1)
        level.front()->parent = nullptr;
    while (level.size() > 1) {
        std::vector<Node*> above;
        for (size_t i = 0; i < level.size(); i += Branch::kCapacity) {
            auto* branch = new Branch;
            branch->size = static_cast<int>(std::min<size_t>(Branch::kCapacity, level.size() - i));
            for (int k = 0; k < branch->size; ++k) {
                Node* child = level[i + static_cast<size_t>(k)];
                branch->children[k] = child;
                child->parent = branch;
                Summarize(child, branch->counts[k], branch->minDepths[k]);
            }
            above.push_back(branch);
        }
        level = std::move(above);
    }
    root_ = level.empty() ? nullptr : level.front();
}

void RowSequence::FreeBranches(Node* node) {
    if (node->isLeaf)
        return;
    auto* branch = static_cast<Branch*>(node);
    for (int i = 0; i < branch->size; ++i)
        FreeBranches(branch->children[i]);
    delete branch;
}

void RowSequence::EraseRuns(const std::vector<std::pair<int, int>>& runs) {
    // Each run erased on its own costs a descent and a climb, about what a pass over this
    // many places costs; runs spread all over a long list (a share of its rows deleted) go
    // in one pass over the leaves instead. The rows that stay keep their leaves.
    constexpr size_t kPlacesPerRun = 256;
    if (root_ == nullptr || runs.size() * kPlacesPerRun < static_cast<size_t>(size_)) {
        for (auto run = runs.rbegin(); run != runs.rend(); ++run)
            Erase(run->first, run->second - run->first);
        return;
    }
    ++stamp_;
    FreeBranches(root_);
    std::vector<Node*> kept;
    size_t r = 0;
    int start = 0;
    for (Leaf* leaf = first_; leaf != nullptr;) {
        Leaf* next = leaf->next;
        int end = start + leaf->size;
        while (r < runs.size() && runs[r].second <= start)
            ++r;
        if (r < runs.size() && runs[r].first < end) {
            int size = 0;
            for (int i = 0; i < leaf->size; ++i) {
                int index = start + i;
                while (r < runs.size() && runs[r].second <= index)
                    ++r;
                if (r < runs.size() && runs[r].first <= index) {
                    if (leaf->rows[i] != nullptr)
                        leaf->rows[i]->listLeaf = nullptr;
                    continue;
                }
                leaf->rows[size] = leaf->rows[i];
                leaf->depths[size] = leaf->depths[i];
                ++size;
            }
            size_ -= leaf->size - size;
            leaf->size = size;
        }
        start = end;
        if (leaf->size == 0)
            DeleteLeaf(leaf);
        else
            kept.push_back(leaf);
        leaf = next;
    }
    BuildBranches(std::move(kept));
}

void RowSequence::Free(Node* node) {
    if (node->isLeaf) {
        delete static_cast<Leaf*>(node);
        return;
    }
    auto* branch = static_cast<Branch*>(node);
    // The height of the tree is logarithmic in its size.
    for (int i = 0; i < branch->size; ++i)
        Free(branch->children[i]);
    delete branch;
}

void RowSequence::Clear() {
    ++stamp_;
    for (Leaf* leaf = first_; leaf != nullptr; leaf = leaf->next) {
        for (int i = 0; i < leaf->size; ++i) {
            if (leaf->rows[i] != nullptr)
                leaf->rows[i]->listLeaf = nullptr;
        }
    }
    if (root_ != nullptr)
        Free(root_);
    root_ = nullptr;
    first_ = nullptr;
    size_ = 0;
}
