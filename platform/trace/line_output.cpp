#include "trace/line_output.h"

#include <cerrno>
#include <cstring>

namespace ce::trace {

LineOutput::~LineOutput() {
    Flush();
    if (out_ && out_ != stdout && out_ != stderr) std::fclose(out_);
}

void LineOutput::Failed(int error) {
    if (failed_) return;
    failed_ = true;
    if (onFail_) onFail_(std::strerror(error));
}

void LineOutput::Write(std::string_view text) {
    if (failed_ || !out_) return;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out_) != text.size()) Failed(errno ? errno : EIO);
}

void LineOutput::Flush() {
    if (failed_ || !out_) return;
    errno = 0;
    if (std::fflush(out_) != 0) Failed(errno ? errno : EIO);
}

}  // namespace ce::trace
