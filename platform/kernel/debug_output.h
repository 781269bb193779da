// The kernel debug output: what NKDbgPrintfW writes. Kept as text, with the
// most recent lines available for display.
#pragma once
#include <cstdarg>
#include <string>

namespace ce {

class DebugOutput {
public:
    void Write(const std::u16string& piece);
    const std::u16string& All() const { return all_; }

private:
    std::u16string all_;
};

// Formats as NKDbgPrintfW does: %c (a character), %s (a wide string), %d,
// %i, %u, %x, %X and %%, with an optional '0' flag, width and 'l' size.
std::u16string FormatDebug(const char16_t* format, va_list args);

}  // namespace ce
