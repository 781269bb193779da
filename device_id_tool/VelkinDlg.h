// Velkin's dialog: the device ID in an edit box and a button that writes it.
#ifndef VELKIN_DLG_H
#define VELKIN_DLG_H

#include "stdafx.h"
#include "resource.h"

class CVelkinDlg : public CDialog
{
public:
    CVelkinDlg(CWnd* pParent = NULL);

    enum { IDD = IDD_VELKIN_DIALOG };

protected:
    HICON m_hIcon;

    virtual BOOL OnInitDialog();
    afx_msg void OnWriteDeviceId();

    DECLARE_MESSAGE_MAP()
};

#endif
