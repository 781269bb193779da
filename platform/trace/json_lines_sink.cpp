#include "trace/json_lines_sink.h"

namespace ce::trace {

JsonLinesSink::~JsonLinesSink() {
    std::fflush(out_);
    if (out_ != stdout && out_ != stderr) std::fclose(out_);
}

void JsonLinesSink::Write(const Event& event) {
    std::string line = ToJson(event);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), out_);
}

}  // namespace ce::trace
