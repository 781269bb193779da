// Tarnell's dialog: six buttons that switch the GPRS modem, the backlight
// and the WLAN module.
#ifndef TARNELL_DLG_H
#define TARNELL_DLG_H

#include "stdafx.h"
#include "resource.h"

class CTarnellDlg : public CDialog
{
public:
    CTarnellDlg(CWnd* pParent = NULL);

    enum { IDD = IDD_TARNELL_DIALOG };

protected:
    HICON m_hIcon;

    virtual BOOL OnInitDialog();
    afx_msg void OnGprsPowerOn();
    afx_msg void OnGprsPowerOff();
    afx_msg void OnDestroy();
    afx_msg void OnBacklight20();
    afx_msg void OnBacklight80();
    afx_msg void OnWlanEnable();
    afx_msg void OnWlanDisable();

    DECLARE_MESSAGE_MAP()
};

#endif
