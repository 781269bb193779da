// NKDbgPrintfW's formats, into the terminal's debug output.
#include <gtest/gtest.h>

#include "kernel/system.h"
#include "windows.h"

namespace {

TEST(DebugOutput, FormatsCharactersStringsAndNumbers) {
    ce::System& sys = ce::System::Reset();
    NKDbgPrintfW(u"%c", 0x41);
    NKDbgPrintfW(u"%c", 0);
    NKDbgPrintfW(u"%c", 0xB0);
    NKDbgPrintfW(u"[%s|%d|%u|%x|%04X|%5d|%%]", u"设备", -42, 7u, 255u, 0xABu, 3);
    NKDbgPrintfW(u"%s", static_cast<const char16_t*>(nullptr));
    std::u16string expected = {u'A', 0, 0xB0};
    expected += u"[设备|-42|7|ff|00AB|    3|%](null)";
    EXPECT_EQ(sys.debug.All(), expected);
}

}  // namespace
