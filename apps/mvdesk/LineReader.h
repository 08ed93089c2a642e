#pragma once

#include "platform/WinTypes.h"

#include <memory>
#include <string>

// The console's lines read on a thread of their own, so that the user-interface thread can
// wait for the next line and for its windows' messages at once. Blank lines and comments
// are skipped there; the lines are handed over in order, one at a time, when asked for.
// Windows only: the native window system is still while the console waits.
class LineReader {
public:
    struct Entry {
        enum Kind { Line, End } kind = End;
        std::string line;
        bool overlong = false; // the input ended at a line longer than the limit
    };

    // Reads `source` (a file, pipe or console handle) to its end, `lineLimit` bytes at most
    // a line, and closes it then when `owned`.
    LineReader(HANDLE source, bool owned, size_t lineLimit);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, or the end (given again on every later call); false while neither has
    // been read yet.
    bool TryTake(Entry& entry);
    // Signalled while TryTake has something to give.
    HANDLE Ready() const;

private:
    struct Shared;
    static void ReadLines(const std::shared_ptr<Shared>& shared, HANDLE source, size_t lineLimit);

    std::shared_ptr<Shared> shared_;
};
