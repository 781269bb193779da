// Text literals: the terminal's text units are 16-bit UTF-16 code units.
#ifndef CE_TCHAR_H
#define CE_TCHAR_H

#define __T(x) u##x
#define _T(x) __T(x)
#define _TEXT(x) __T(x)

#endif
