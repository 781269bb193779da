// The terminal's code pages, converted by the host's iconv. The ANSI code
// page (CP_ACP) is 936 unless the terminal is set up otherwise.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "windows.h"

namespace ce {

class CodePageConverter;

class CodePages {
public:
    CodePages();
    ~CodePages();

    static bool Supported(UINT codePage);
    static std::vector<UINT> SupportedList();
    // False, and nothing changed, for a code page this host cannot convert.
    bool SetAnsi(UINT codePage);
    UINT Ansi() const { return ansi_; }

    // What WideCharToMultiByte and MultiByteToWideChar do, for CP_ACP or a
    // code page number; 0 (with the last error set) on failure.
    int ToMultiByte(UINT codePage, const WCHAR* wide, int wideCount, char* out, int outSize,
                    const char* defaultChar, BOOL* usedDefault);
    int ToWide(UINT codePage, const char* bytes, int byteCount, WCHAR* out, int outCount);

private:
    CodePageConverter* Converter(UINT codePage);

    UINT ansi_ = 936;
    std::vector<std::unique_ptr<CodePageConverter>> converters_;
};

}  // namespace ce
