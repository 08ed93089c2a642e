#include "LineReader.h"

LineReader::~LineReader() = default;

#ifdef _WIN32

#include "CommandLine.h"
#include "platform/NativeBackend.h"

#include <deque>
#include <mutex>
#include <thread>

// The reading thread may still wait in ReadFile when the console is done (a terminal or a
// pipe kept open); it is left to end with the process and keeps what it uses alive itself.
struct LineReader::Shared {
    std::mutex mutex;
    std::deque<Entry> entries; // an End entry, once there, stays last
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);

    ~Shared() { CloseHandle(ready); }

    void Push(Entry entry) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            entries.push_back(std::move(entry));
            SetEvent(ready);
        }
        // A message box or a menu waiting in a loop of the system's own may take it.
        native::InputArrived();
    }
};

void LineReader::ReadLines(const std::shared_ptr<Shared>& shared, HANDLE source, size_t lineLimit) {
    std::string line;
    char buffer[4096];
    DWORD got = 0;
    // Each finished line, without the carriage return of a CR LF ending, comments and blank
    // lines dropped.
    auto finish = [&]() {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string kept = StripComment(line);
        line.clear();
        if (!kept.empty())
            shared->Push(Entry{Entry::Line, std::move(kept), false});
    };
    while (ReadFile(source, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        for (DWORD i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                finish();
                continue;
            }
            if (line.size() == lineLimit) {
                shared->Push(Entry{Entry::End, {}, true});
                return;
            }
            line.push_back(buffer[i]);
        }
    }
    if (!line.empty())
        finish();
    shared->Push(Entry{Entry::End, {}, false});
}

LineReader::LineReader(HANDLE source, bool owned, size_t lineLimit)
    : shared_(std::make_shared<Shared>()) {
    std::thread([shared = shared_, source, owned, lineLimit]() {
        ReadLines(shared, source, lineLimit);
        if (owned)
            CloseHandle(source);
    }).detach();
}

bool LineReader::TryTake(Entry& entry) {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    auto& entries = shared_->entries;
    if (entries.empty())
        return false;
    entry = entries.front();
    if (entry.kind == Entry::Line) {
        entries.pop_front();
        if (entries.empty())
            ResetEvent(shared_->ready);
    }
    return true;
}

HANDLE LineReader::Ready() const {
    return shared_->ready;
}

#endif
