// Writes each event as one JSON line.
#pragma once
#include <cstdio>

#include "trace/line_output.h"
#include "trace/transcript.h"

namespace ce::trace {

class JsonLinesSink : public Sink {
public:
    // Takes ownership of the stream unless it is stdout or stderr; `onFail`
    // hears once when the stream stops taking lines.
    explicit JsonLinesSink(std::FILE* out, LineOutput::OnFail onFail = {}) : out_(out, std::move(onFail)) {}
    void Write(const Event& event) override;
    void Flush() override { out_.Flush(); }

private:
    LineOutput out_;
};

}  // namespace ce::trace
