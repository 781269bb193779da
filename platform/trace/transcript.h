// The terminal's transcript: every platform call and screen change, stamped
// with terminal time and handed to each attached sink in order.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "trace/event.h"

namespace ce::trace {

class Sink {
public:
    virtual ~Sink() = default;
    virtual void Write(const Event& event) = 0;
    virtual void Flush() {}
};

class Transcript {
public:
    using TimeSource = std::function<int64_t()>;
    explicit Transcript(TimeSource now) : now_(std::move(now)) {}

    void Attach(std::shared_ptr<Sink> sink) { sinks_.push_back(std::move(sink)); }
    void DetachAll() { sinks_.clear(); }
    void Emit(Event event);
    void Flush();

private:
    TimeSource now_;
    std::vector<std::shared_ptr<Sink>> sinks_;
};

}  // namespace ce::trace
