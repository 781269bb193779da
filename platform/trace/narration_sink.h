// A readable account of a run: what the user saw and did, and what the
// program asked of the terminal, one line an event.
#pragma once
#include <cstdio>
#include <string>

#include "trace/line_output.h"
#include "trace/transcript.h"

namespace ce::trace {

class NarrationSink : public Sink {
public:
    // Takes ownership of the stream unless it is stdout or stderr; `onFail`
    // hears once when the stream stops taking lines.
    explicit NarrationSink(std::FILE* out, LineOutput::OnFail onFail = {}) : out_(out, std::move(onFail)) {}
    ~NarrationSink() override;
    void Write(const Event& event) override;
    void Flush() override;

    // The line for one event; empty for events told together with others.
    static std::string Line(const Event& event);

private:
    void FlushDebug();
    LineOutput out_;
    std::u16string debug_;  // consecutive debug output, told as one line
    int64_t debugTime_ = 0;
};

}  // namespace ce::trace
