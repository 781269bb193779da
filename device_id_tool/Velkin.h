// Velkin's application object.
#ifndef VELKIN_H
#define VELKIN_H

#include "stdafx.h"
#include "resource.h"

class CVelkinApp : public CWinApp
{
public:
    CVelkinApp();

    virtual BOOL InitInstance();

    DECLARE_MESSAGE_MAP()
};

#endif
