// CString holds U+0000 like any other unit and counts units.
#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

TEST(CStringTest, HoldsZeroUnitsAndCountsThem) {
    const char16_t units[] = {u'A', u'B', 0, u'C', 0};
    CString s(units, 5);
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_EQ(s.GetAt(3), u'C');
    EXPECT_EQ(std::u16string(static_cast<LPCTSTR>(s)), u"AB") << "a zero-terminated view stops at the first zero";
    CString copy = s;
    EXPECT_EQ(copy.GetLength(), 5);
    EXPECT_TRUE(copy == s);
}

TEST(CStringTest, ReleaseBufferKeepsAnExplicitLengthOrStopsAtTheFirstZero) {
    CString s;
    LPTSTR p = s.GetBuffer(4);
    p[0] = u'X';
    p[1] = 0;
    p[2] = u'Y';
    p[3] = 0;
    s.ReleaseBuffer(4);
    EXPECT_EQ(s.GetLength(), 4);
    s.GetBuffer(4);
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 1);
}

TEST(CStringTest, ConstructedFromZeroTerminatedTextAndFromNull) {
    EXPECT_EQ(CString(u"设备").GetLength(), 2);
    EXPECT_TRUE(CString(static_cast<LPCTSTR>(nullptr)).IsEmpty());
    CString s(u"ab");
    s += u'c';
    s += u"de";
    EXPECT_TRUE(s == CString(u"abcde"));
}

}  // namespace
