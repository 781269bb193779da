#include "trace/transcript.h"

namespace ce::trace {

void Transcript::Emit(Event event) {
    if (sinks_.empty()) return;
    event.t = now_();
    for (const auto& sink : sinks_) sink->Write(event);
}

void Transcript::Flush() {
    for (const auto& sink : sinks_) sink->Flush();
}

}  // namespace ce::trace
