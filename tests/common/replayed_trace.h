// The trace of a run as the runner prints it, and a recorded run played again
// without a window.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "match/json_trace.h"
#include "match/record_replay.h"

namespace morvello::testing {

// The trace of a match, as the runner prints it.
class TraceText {
  public:
    TraceText() : file_(open_memstream(&data_, &size_)) { trace_.emplace(file_); }
    ~TraceText() {
        trace_.reset();  // flushes into the stream before it closes
        std::fclose(file_);
        std::free(data_);
    }
    MatchObserver& observer() { return *trace_; }
    std::string text() {
        trace_->flush();
        std::fflush(file_);
        return {data_, size_};
    }

  private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* file_;
    std::optional<JsonTrace> trace_;
};

// The record played again without a window, to its end or (choices >= 0) to
// that choice; stopped tells whether it stopped there.
inline std::string replayed(const MatchRecord& record, long choices, bool* stopped = nullptr) {
    RecordReplay table(record, choices);
    Match match(table, table, replayOptions());
    table.attach(match);
    TraceText trace;
    match.addObserver(trace.observer());
    Task<> run = match.playMatches();
    run.start();
    run.rethrowIfFailed();
    if (stopped) *stopped = table.stopped();
    return trace.text();
}

}  // namespace morvello::testing
