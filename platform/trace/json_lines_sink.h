// Writes each event as one JSON line.
#pragma once
#include <cstdio>

#include "trace/transcript.h"

namespace ce::trace {

class JsonLinesSink : public Sink {
public:
    // Takes ownership of the stream unless it is stdout or stderr.
    explicit JsonLinesSink(std::FILE* out) : out_(out) {}
    ~JsonLinesSink() override;
    void Write(const Event& event) override;
    void Flush() override { std::fflush(out_); }

private:
    std::FILE* out_;
};

}  // namespace ce::trace
