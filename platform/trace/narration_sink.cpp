#include "trace/narration_sink.h"

#include <cinttypes>

#include "text/utf.h"

namespace ce::trace {

namespace {

std::string Quote(const Value* v) {
    if (!v || v->kind != Value::Kind::Text) return "\"\"";
    // Zero units show as \0, a long run of them as \0×<count>.
    std::u16string shown;
    const std::u16string& t = v->text;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == 0) {
            size_t run = 1;
            while (i + run < t.size() && t[i + run] == 0) ++run;
            if (run >= 4) {
                std::string count = std::to_string(run);
                shown += u"\\0×" + std::u16string(count.begin(), count.end());
                i += run - 1;
            } else {
                shown += u"\\0";
            }
        } else if (t[i] == u'\n') {
            shown += u"\\n";
        } else {
            shown += t[i];
        }
    }
    return "\"" + text::ToUtf8(shown) + "\"";
}

std::string Num(const Value* v) {
    if (!v) return "?";
    if (v->kind == Value::Kind::Number) return std::to_string(v->number);
    if (v->kind == Value::Kind::Bool) return v->flag ? "yes" : "no";
    return "?";
}

std::string HexNum(const Value* v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08" PRIX64, v ? static_cast<uint64_t>(v->number) & 0xFFFFFFFFu : 0);
    return buffer;
}

std::string Bytes(const Value* v) {
    if (!v || v->kind != Value::Kind::Bytes) return "none";
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    size_t end = v->bytes.size();
    while (end > 0 && v->bytes[end - 1] == 0) --end;  // trailing zeros are summed up
    for (size_t i = 0; i < end; ++i) {
        hex += kDigits[v->bytes[i] >> 4];
        hex += kDigits[v->bytes[i] & 15];
    }
    if (end < v->bytes.size()) hex += (hex.empty() ? "" : " ") + std::string("+ ") + std::to_string(v->bytes.size() - end) + " zero bytes";
    return hex.empty() ? "(empty)" : hex;
}

// One line of the account: the terminal time, then what happened.
std::string Stamped(int64_t t, const std::string& line) {
    char time[32];
    std::snprintf(time, sizeof time, "%7" PRId64 " ms  ", t);
    return time + line + "\n";
}

}  // namespace

NarrationSink::~NarrationSink() { FlushDebug(); }

std::string NarrationSink::Line(const Event& e) {
    auto f = [&](const char* name) { return e.Find(name); };
    const std::string& ev = e.ev;
    if (ev == "dialog")
        return "the dialog " + Quote(f("caption")) + " (template " + Num(f("id")) + ") opens at " + Num(f("x")) +
               "," + Num(f("y")) + ", " + Num(f("width")) + "x" + Num(f("height")) + " pixels";
    if (ev == "setText") return "control " + Num(f("id")) + " shows " + Quote(f("text"));
    if (ev == "focus") return "the focus is on control " + Num(f("id"));
    if (ev == "setIcon") return std::string("the dialog's ") + (f("big") && f("big")->flag ? "big" : "small") + " icon is set";
    if (ev == "user") {
        std::string action = f("action") ? text::ToUtf8(f("action")->text) : "?";
        std::string line = "> the user: " + action;
        if (f("id")) line += " " + Num(f("id"));
        if (f("text")) line += " " + Quote(f("text"));
        if (f("ms")) line += " " + Num(f("ms")) + " ms";
        return line;
    }
    if (ev == "messageBox")
        return "a message box " + Quote(f("caption")) + " says " + Quote(f("text")) + " (type " + Num(f("type")) + ")";
    if (ev == "dismiss") return "the message box is dismissed";
    if (ev == "CreateFileW")
        return "open " + Quote(f("name")) + (Num(f("handle")) == "-1" ? ": no such driver" : ": handle " + Num(f("handle")));
    if (ev == "DeviceIoControl") {
        std::string line = "request " + HexNum(f("code")) + " to " +
                           (f("device") && f("device")->kind == Value::Kind::Text ? Quote(f("device")) : std::string("no driver"));
        if (f("in") && f("in")->kind == Value::Kind::Bytes) line += ", in " + Bytes(f("in"));
        if (f("out") && f("out")->kind == Value::Kind::Bytes) line += ", out " + Bytes(f("out"));
        return line + (Num(f("result")) == "1" ? ": accepted" : ": refused");
    }
    if (ev == "CloseHandle") return "close handle " + Num(f("handle")) + (Num(f("result")) == "1" ? "" : ": not open");
    if (ev == "KernelIoControl")
        return "HAL request " + HexNum(f("code")) + (Num(f("result")) == "1" ? ": accepted" : ": refused");
    if (ev == "suspend") return "the terminal suspends";
    if (ev == "Sleep") return "the program waits " + Num(f("ms")) + " ms";
    if (ev == "endDialog") return "the dialog ends with " + Num(f("result"));
    if (ev == "destroy") return "the dialog " + Num(f("id")) + " is gone";
    if (ev == "stored") {
        std::string device = Quote(f("device"));
        if (f("power")) return device + " switches the power " + text::ToUtf8(f("power")->text);
        if (f("level")) return device + " sets the level to " + Num(f("level"));
        return device + " stores the device ID " + Bytes(f("id"));
    }
    if (ev == "leftOpen") return "! the script ended with " + (f("what") ? text::ToUtf8(f("what")->text) : "?") + " open";
    if (ev == "scriptError") return "! script line " + Num(f("line")) + ": " + (f("error") ? text::ToUtf8(f("error")->text) : "");
    if (ev == "fault") {
        std::string call = f("call") ? text::ToUtf8(f("call")->text) : "?";
        return "! call " + Num(f("n")) + " of " + call + " fails, as asked (--fail " + call + ":" + Num(f("n")) + ")";
    }
    if (ev == "exit") return "the program ends with exit code " + Num(f("code"));
    return "";
}

void NarrationSink::FlushDebug() {
    if (debug_.empty()) return;
    Value text = Value::Text(debug_);
    out_.Write(Stamped(debugTime_, "debug output " + Quote(&text)));
    debug_.clear();
}

void NarrationSink::Write(const Event& event) {
    if (event.ev == "debug") {
        if (debug_.empty()) debugTime_ = event.t;
        if (const Value* v = event.Find("text")) debug_ += v->text;
        return;
    }
    FlushDebug();
    std::string line = Line(event);
    if (!line.empty()) out_.Write(Stamped(event.t, line));
}

void NarrationSink::Flush() {
    FlushDebug();
    out_.Flush();
}

}  // namespace ce::trace
