#pragma once

#include <cstdint>
#include <utility>
#include <vector>

struct InspectorRow;

// The rows of a list in list order, each with its depth. A B+-tree that counts: the row at
// an index, the index of a row, inserting and erasing a run of k rows all cost O(k + log n),
// so a change of a few rows in a long list moves nothing else. A row knows the leaf that
// holds it (`InspectorRow::listLeaf`); a row is in at most one sequence.
//
// A place may be blank: its row left (and may be freed) while the place and its depth stay,
// so that the indexes of the other rows do not move until the places are erased.
class RowSequence {
public:
    RowSequence() = default;
    ~RowSequence();
    RowSequence(const RowSequence&) = delete;
    RowSequence& operator=(const RowSequence&) = delete;

    int Size() const { return size_; }
    // Null for a blank place or an index out of range.
    InspectorRow* At(int index) const;
    // The index of a row in the sequence that holds it, -1 when none holds it.
    static int IndexOf(const InspectorRow& row);
    static bool Holds(const InspectorRow& row);

    void Assign(const std::vector<InspectorRow*>& rows);
    void Insert(int index, const std::vector<InspectorRow*>& rows);
    void Erase(int first, int count);
    // Erases the places of `runs`: [first, end) pairs in order that do not overlap.
    void EraseRuns(const std::vector<std::pair<int, int>>& runs);
    // The rows at [first, first + count) leave their places blank.
    void Blank(int first, int count);
    // `row`, which the sequence holds, leaves its place blank, and with `withBelow` the rows
    // listed below it too; the first place and the count of places blanked. The places are
    // found from the row's leaf, without a descent.
    std::pair<int, int> BlankRow(const InspectorRow& row, bool withBelow);
    // The first index after `index` whose depth is at most the depth at `index`: the end of
    // the rows listed below the row at `index`. Size() when there is none.
    int SubtreeEnd(int index) const;
    void Clear();

    // Calls visit(index, row) for each place from `first` on, in order, while it returns true;
    // row is null for a blank place.
    template <typename Visit> void ForEach(int first, Visit visit) const;

    struct Leaf;

private:
    struct Node;
    struct Branch;

    // The leaf holding `index`, and the index's place in it.
    Leaf* Locate(int index, int& at) const;
    // The place of `row` in the leaf that holds it.
    static int PlaceOf(const Leaf* leaf, const InspectorRow& row);
    static int LeafStart(const Leaf* leaf);
    // LeafStart, kept with the leaf until the places move.
    static int StartOf(const Leaf* leaf);
    static void BlankFrom(Leaf* leaf, int at, int count);
    int SubtreeEndFrom(const Leaf* leaf, int at) const;
    // Roots the leaves, in order, under new branches; the old branches are gone.
    void BuildBranches(std::vector<Node*> level);
    static void FreeBranches(Node* node);
    Leaf* NewLeaf();
    // Takes the leaf out of the chain of leaves and frees it; its parent is the caller's.
    void DeleteLeaf(Leaf* leaf);
    // The places below `node` and their least depth.
    static void Summarize(const Node* node, int& count, int& least);
    // Counts and least depths from `node` up to the root, after `node` changed.
    void Propagate(Node* node);
    void InsertOne(int index, InspectorRow* row, int depth);
    Leaf* SplitLeaf(Leaf* leaf);
    void AddChild(Branch* parent, int at, Node* child);
    static int PlaceIn(const Branch* parent, const Node* child);
    // Adds `right` after `node` in its parent, growing a root above `node` when it has none;
    // `count` is what that root counts below `node` until the counts are summed again.
    void AddAfter(Node* node, int count, Node* right);
    void RemoveNode(Node* node);
    void Free(Node* node);

    Node* root_ = nullptr;
    Leaf* first_ = nullptr;
    int size_ = 0;
    // Counts the changes that move places.
    std::uint64_t stamp_ = 1;
};

struct RowSequence::Node {
    Branch* parent = nullptr;
    bool isLeaf = false;
};

struct RowSequence::Leaf : RowSequence::Node {
    static constexpr int kCapacity = 64;
    const RowSequence* owner = nullptr;
    // The index of the first place, as of the owner's change `startStamp`: rows of one leaf
    // asked in turn cost a look at the leaf alone.
    mutable std::uint64_t startStamp = 0;
    mutable int start = 0;
    int size = 0;
    Leaf* next = nullptr;
    Leaf* prev = nullptr;
    InspectorRow* rows[kCapacity];
    int depths[kCapacity];
};

template <typename Visit> void RowSequence::ForEach(int first, Visit visit) const {
    int at = 0;
    for (const Leaf* leaf = Locate(first, at); leaf != nullptr; leaf = leaf->next, at = 0) {
        for (; at < leaf->size; ++at, ++first) {
            if (!visit(first, leaf->rows[at]))
                return;
        }
    }
}
