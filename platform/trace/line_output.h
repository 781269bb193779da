// Where a sink writes its lines: a stream that may fail, as a pipe does when
// its reader goes away. Writing stops at the first failure, which is told
// once; the run itself goes on.
#pragma once
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace ce::trace {

class LineOutput {
public:
    using OnFail = std::function<void(const std::string& why)>;
    // Takes ownership of the stream unless it is stdout or stderr.
    LineOutput(std::FILE* out, OnFail onFail) : out_(out), onFail_(std::move(onFail)) {}
    ~LineOutput();
    LineOutput(const LineOutput&) = delete;
    LineOutput& operator=(const LineOutput&) = delete;

    void Write(std::string_view text);
    void Flush();
    bool failed() const { return failed_; }

private:
    void Failed(int error);

    std::FILE* out_;
    OnFail onFail_;
    bool failed_ = false;
};

}  // namespace ce::trace
