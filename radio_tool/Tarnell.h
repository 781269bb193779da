// Tarnell's application object.
#ifndef TARNELL_H
#define TARNELL_H

#include "stdafx.h"
#include "resource.h"

class CTarnellApp : public CWinApp
{
public:
    CTarnellApp();

    virtual BOOL InitInstance();

    DECLARE_MESSAGE_MAP()
};

#endif
