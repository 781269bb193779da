#include "kernel/debug_output.h"

#include <cstdint>
#include <string>

namespace ce {

void DebugOutput::Write(const std::u16string& piece) {
    all_ += piece;
    // Keep the buffer bounded: drop the oldest half when it grows large.
    constexpr size_t kLimit = 1 << 16;
    if (all_.size() > kLimit) all_.erase(0, all_.size() - kLimit / 2);
}

namespace {
std::u16string Digits(uint64_t value, unsigned base, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::u16string out;
    do {
        out.insert(out.begin(), static_cast<char16_t>(digits[value % base]));
        value /= base;
    } while (value);
    return out;
}
}  // namespace

std::u16string FormatDebug(const char16_t* format, va_list args) {
    std::u16string out;
    if (!format) return out;
    for (const char16_t* p = format; *p; ++p) {
        if (*p != u'%') {
            out += *p;
            continue;
        }
        ++p;
        bool zero = false;
        if (*p == u'0') {
            zero = true;
            ++p;
        }
        size_t width = 0;
        while (*p >= u'0' && *p <= u'9') width = width * 10 + (*p++ - u'0');
        while (*p == u'l' || *p == u'h') ++p;
        std::u16string field;
        switch (*p) {
            case u'c': field = static_cast<char16_t>(va_arg(args, int)); break;
            case u's': {
                const char16_t* s = va_arg(args, const char16_t*);
                field = s ? std::u16string(s) : std::u16string(u"(null)");
                zero = false;
                break;
            }
            case u'd':
            case u'i': {
                int v = va_arg(args, int);
                field = (v < 0 ? u"-" : u"") + Digits(v < 0 ? -static_cast<int64_t>(v) : v, 10, false);
                break;
            }
            case u'u': field = Digits(va_arg(args, unsigned), 10, false); break;
            case u'x': field = Digits(va_arg(args, unsigned), 16, false); break;
            case u'X': field = Digits(va_arg(args, unsigned), 16, true); break;
            case u'%': field = u"%"; break;
            case 0: return out;
            default: field = std::u16string(u"%") + *p; break;
        }
        if (field.size() < width) field.insert(0, width - field.size(), zero ? u'0' : u' ');
        out += field;
    }
    return out;
}

}  // namespace ce
