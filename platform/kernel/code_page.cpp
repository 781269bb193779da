#include "kernel/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

namespace ce {

namespace {

struct CodePageName {
    UINT number;
    const char* iconvName;
};

// Code pages a terminal can be set to, by their iconv names.
const CodePageName kCodePages[] = {
    {437, "CP437"},   {850, "CP850"},   {874, "CP874"},   {932, "CP932"},   {936, "CP936"},
    {949, "CP949"},   {950, "CP950"},   {1250, "CP1250"}, {1251, "CP1251"}, {1252, "CP1252"},
    {1253, "CP1253"}, {1254, "CP1254"}, {1255, "CP1255"}, {1256, "CP1256"}, {1257, "CP1257"},
    {1258, "CP1258"},
};

const char* IconvName(UINT number) {
    for (const auto& cp : kCodePages)
        if (cp.number == number) return cp.iconvName;
    return nullptr;
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one whole input unit; the errno of a failure otherwise.
    int Convert(const char* in, size_t inSize, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* inPtr = const_cast<char*>(in);
        char* outPtr = buffer;
        size_t inLeft = inSize, outLeft = sizeof buffer;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return errno;
        if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return errno;
        out.assign(buffer, outPtr);
        return 0;
    }

private:
    iconv_t cd_;
};

}  // namespace

class CodePageConverter {
public:
    explicit CodePageConverter(UINT number)
        : number(number), encode(IconvName(number), "UTF-16LE"), decode("UTF-16LE", IconvName(number)) {}
    bool ok() const { return encode.ok() && decode.ok(); }

    UINT number;
    Iconv encode;
    Iconv decode;
};

namespace {

// Decodes the next character at bytes[i]: the shortest sequence that
// decodes, one byte, then a lead byte with its trail bytes; an undecodable
// byte becomes U+FFFD. How many bytes it took; `units` gets its UTF-16LE.
size_t DecodeNext(CodePageConverter& converter, const char* bytes, size_t count, size_t i, std::string& units) {
    for (size_t len = 1; len <= 4 && i + len <= count; ++len) {
        int err = converter.decode.Convert(bytes + i, len, units);
        if (err == 0) return len;
        if (err != EINVAL) break;
    }
    units.assign("\xFD\xFF", 2);
    return 1;
}

// Whether `bytes` decode, as ToWide decodes them, to exactly `unit`.
bool ReadsBackAs(CodePageConverter& converter, const std::string& bytes, std::string_view unit) {
    std::string all, one;
    for (size_t i = 0; i < bytes.size();) {
        i += DecodeNext(converter, bytes.data(), bytes.size(), i, one);
        all += one;
    }
    return all == unit;
}

}  // namespace

CodePages::CodePages() = default;
CodePages::~CodePages() = default;

bool CodePages::Supported(UINT codePage) {
    const char* name = IconvName(codePage);
    if (!name) return false;
    CodePageConverter probe(codePage);
    return probe.ok();
}

std::vector<UINT> CodePages::SupportedList() {
    std::vector<UINT> list;
    for (const auto& cp : kCodePages)
        if (Supported(cp.number)) list.push_back(cp.number);
    return list;
}

bool CodePages::SetAnsi(UINT codePage) {
    if (!Converter(codePage)) return false;
    ansi_ = codePage;
    return true;
}

CodePageConverter* CodePages::Converter(UINT codePage) {
    if (codePage == CP_ACP) codePage = ansi_;
    for (const auto& c : converters_)
        if (c->number == codePage) return c.get();
    if (!IconvName(codePage)) return nullptr;
    auto converter = std::make_unique<CodePageConverter>(codePage);
    if (!converter->ok()) return nullptr;
    converters_.push_back(std::move(converter));
    return converters_.back().get();
}

int CodePages::ToMultiByte(UINT codePage, const WCHAR* wide, int wideCount, char* out, int outSize,
                           const char* defaultChar, BOOL* usedDefault) {
    CodePageConverter* converter = Converter(codePage);
    if (!converter || !wide || wideCount == 0 || wideCount < -1 || outSize < 0 ||
        (outSize > 0 && !out)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t count = wideCount == -1 ? std::char_traits<char16_t>::length(wide) + 1 : wideCount;
    std::string fallback = defaultChar ? std::string(defaultChar) : std::string("?");
    if (usedDefault) *usedDefault = FALSE;

    int written = 0;
    std::string bytes;
    for (size_t i = 0; i < count;) {
        size_t units = 1;
        if (wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < count && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF)
            units = 2;
        const char* unit = reinterpret_cast<const char*>(wide + i);
        // No mapping in this code page, or only one way: the host's tables
        // send some characters to bytes that read back as another (932 takes
        // U+00AC to the bytes of U+FFE2; 1258 writes a precomposed letter as
        // its base and a combining mark). Neither is the character itself.
        if (converter->encode.Convert(unit, units * 2, bytes) != 0 ||
            !ReadsBackAs(*converter, bytes, std::string_view(unit, units * 2))) {
            bytes = fallback;
            if (usedDefault) *usedDefault = TRUE;
        }
        i += units;
        if (outSize > 0) {
            if (written + static_cast<int>(bytes.size()) > outSize) {
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                return 0;
            }
            std::memcpy(out + written, bytes.data(), bytes.size());
        }
        written += static_cast<int>(bytes.size());
    }
    return written;
}

int CodePages::ToWide(UINT codePage, const char* bytes, int byteCount, WCHAR* out, int outCount) {
    CodePageConverter* converter = Converter(codePage);
    if (!converter || !bytes || byteCount == 0 || byteCount < -1 || outCount < 0 ||
        (outCount > 0 && !out)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t count = byteCount == -1 ? std::strlen(bytes) + 1 : byteCount;
    int written = 0;
    std::string units;
    for (size_t i = 0; i < count;) {
        size_t used = DecodeNext(*converter, bytes, count, i, units);
        i += used;
        int n = static_cast<int>(units.size() / 2);
        if (outCount > 0) {
            if (written + n > outCount) {
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                return 0;
            }
            std::memcpy(out + written, units.data(), units.size());
        }
        written += n;
    }
    return written;
}

}  // namespace ce
