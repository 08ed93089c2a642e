#pragma once

#include "JsonPullReader.h"
#include "ScenePlan.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Checks a scene while it reads its text, without a document, into the plan the document
// checker (SceneChecker) would give, holding each text once. It vouches only for scenes it
// accepts: on any fault, and on a scene laid out otherwise than the writer lays it out (models
// after the pads, a pad's children before its other keys, a value before its type, a
// dictionary's entries before an entry's other keys), it gives up without saying why, and the
// loader hands the text to the document parser and checker, which give the plan or the error
// with its place. Pads and dictionaries are read with explicit stacks, so a scene of any depth
// is read in time and memory linear in its size.
class SceneReader {
public:
    explicit SceneReader(int codePage);

    // True with the plan in `scene`; false when the reader does not vouch for the text, with
    // `scene` in no particular state.
    bool Read(std::string_view text, ScenePlan& scene);

private:
    struct Unsure {};
    [[noreturn]] static void GiveUp() { throw Unsure{}; }

    // A pad's own keys, up to and including the start of its children. True when it has
    // children, which the caller reads next.
    bool Pad(int parent, int parentX, int parentY, int& desktopX, int& desktopY);
    void Pads();
    void Models();
    ModelPlan Slots();
    // A slot's or an entry's value of `plan.type`; a dictionary's entries follow it in the
    // plan. `plan` is appended to the plan's values.
    void Value(ValuePlan plan);
    void Scalar(ValuePlan& plan);
    MvSlotType Type();
    // A string converted to the active code page.
    PlanText Text();
    // The string just read, converted.
    PlanText Convert(std::string_view utf8);
    PlanText NullableText();
    long long Integer(long long low, long long high);
    unsigned Protection();
    int FindPath(std::string_view path) const;
    void Resolve();
    void AssignIds();

    int codePage_;
    // ASCII text reads the same in the active code page, and is stored unconverted.
    bool asciiKept_ = false;
    JsonPullReader* json_ = nullptr;
    ScenePlan* scene_ = nullptr;
    // Explicit IDs with their pads; the pads that stand for another, by path or by ID.
    std::vector<std::pair<unsigned, int>> explicitIds_;
    std::vector<std::pair<int, std::string>> pathReferences_;
    std::vector<std::pair<int, long long>> idReferences_;
    // The own names, in UTF-8, of the pads whose names are not stored as the scene gives them.
    std::unordered_map<int, std::string> utf8Names_;
    // A pad's children, for paths: those of pad i are children_[firstChild_[i] ...
    // firstChild_[i + 1]), those on the desktop after the last pad's.
    std::vector<std::uint32_t> firstChild_;
    std::vector<int> children_;
};
