#include "trace/json_lines_sink.h"

namespace ce::trace {

void JsonLinesSink::Write(const Event& event) {
    std::string line = ToJson(event);
    line += '\n';
    out_.Write(line);
}

}  // namespace ce::trace
