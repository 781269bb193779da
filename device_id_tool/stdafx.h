// Velkin's framework header: the framework, control codes and kernel calls.
#ifndef VELKIN_STDAFX_H
#define VELKIN_STDAFX_H

#include <afxwin.h>
#include <winioctl.h>
#include <pkfuncs.h>

#endif
