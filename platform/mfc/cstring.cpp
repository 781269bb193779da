// CString: a counted UTF-16 string.
#include "afxwin.h"

CString::CString() = default;
CString::CString(const CString& other) = default;
CString::CString(LPCTSTR psz) : m_text(psz ? psz : u"") {}
CString::CString(LPCTSTR pch, int nLength) {
    if (pch && nLength > 0) m_text.assign(pch, nLength);
}
CString::CString(TCHAR ch, int nRepeat) {
    if (nRepeat > 0) m_text.assign(nRepeat, ch);
}
CString::~CString() = default;

CString& CString::operator=(const CString& other) = default;
CString& CString::operator=(LPCTSTR psz) {
    m_text = psz ? psz : u"";
    return *this;
}
CString& CString::operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
}
CString& CString::operator+=(LPCTSTR psz) {
    if (psz) m_text += psz;
    return *this;
}
CString& CString::operator+=(TCHAR ch) {
    m_text += ch;
    return *this;
}

int CString::GetLength() const { return static_cast<int>(m_text.size()); }
BOOL CString::IsEmpty() const { return m_text.empty(); }
void CString::Empty() { m_text.clear(); }
TCHAR CString::GetAt(int nIndex) const {
    return nIndex >= 0 && nIndex < GetLength() ? m_text[nIndex] : 0;
}
TCHAR CString::operator[](int nIndex) const { return GetAt(nIndex); }
void CString::SetAt(int nIndex, TCHAR ch) {
    if (nIndex >= 0 && nIndex < GetLength()) m_text[nIndex] = ch;
}
int CString::Compare(LPCTSTR psz) const { return m_text.compare(psz ? psz : u""); }
CString::operator LPCTSTR() const { return m_text.c_str(); }

LPTSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength()) m_text.resize(nMinBufLength);
    return m_text.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) nNewLength = static_cast<int>(std::char_traits<char16_t>::length(m_text.c_str()));
    if (nNewLength <= GetLength()) m_text.resize(nNewLength);
}

bool operator==(const CString& a, const CString& b) {
    return a.GetLength() == b.GetLength() &&
           std::char_traits<char16_t>::compare(a, b, a.GetLength()) == 0;
}
bool operator==(const CString& a, LPCTSTR b) { return a == CString(b); }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
CString operator+(const CString& a, const CString& b) {
    CString r(a);
    r += b;
    return r;
}
