#pragma once

class MvSimplePad;

// The Insert/Replace dialog as the Insert/Replace command and a drop in the list use it.
class InsertReplaceRunner {
public:
    virtual ~InsertReplaceRunner() = default;

    // Asks how `from` is re-pasted relative to `to`, then does it. Returns 1 when a replace
    // removed the pad of the Inspector's root row; otherwise the caller selects rows again.
    virtual int Run(MvSimplePad* from, MvSimplePad* to) = 0;
};
