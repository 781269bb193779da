// What a framework resource script includes: the resource constants and the
// framework's own identifiers.
#ifndef CE_AFXRES_H
#define CE_AFXRES_H
#include "winresrc.h"

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The framework's application-title string.
#define AFX_IDS_APP_TITLE 0xE000

#endif
