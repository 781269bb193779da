#include "stdafx.h"
#include "TarnellDlg.h"
#include "GprsPower.h"
#include "BacklightWlan.h"

CTarnellDlg::CTarnellDlg(CWnd* pParent)
    : CDialog(CTarnellDlg::IDD, pParent)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

BEGIN_MESSAGE_MAP(CTarnellDlg, CDialog)
    ON_BN_CLICKED(IDC_GPRS_POWER_ON, &CTarnellDlg::OnGprsPowerOn)
    ON_BN_CLICKED(IDC_GPRS_POWER_OFF, &CTarnellDlg::OnGprsPowerOff)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_BACKLIGHT_20, &CTarnellDlg::OnBacklight20)
    ON_BN_CLICKED(IDC_BACKLIGHT_80, &CTarnellDlg::OnBacklight80)
    ON_BN_CLICKED(IDC_WLAN_ENABLE, &CTarnellDlg::OnWlanEnable)
    ON_BN_CLICKED(IDC_WLAN_DISABLE, &CTarnellDlg::OnWlanDisable)
END_MESSAGE_MAP()

BOOL CTarnellDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    CenterWindow(CWnd::FromHandle(NULL));

    return TRUE;  // the focus goes to the first tab stop, "GPRS Power On"
}

void CTarnellDlg::OnGprsPowerOn()
{
    if (!GprsPowerOn())
        AfxMessageBox(_T("GPRS On Failed!"), MB_OK, 0);

    // The modem needs a moment more before it is used, whatever happened.
    Sleep(1500);
}

void CTarnellDlg::OnGprsPowerOff()
{
    if (!GprsPowerOff())
        AfxMessageBox(_T("GPRS OFF Failed!"), MB_OK, 0);
}

void CTarnellDlg::OnDestroy()
{
    CDialog::OnDestroy();
}

void CTarnellDlg::OnBacklight20()
{
    if (!SetBacklightLevel(20))
        AfxMessageBox(_T("Set Back Light Failed!"), MB_OK, 0);
}

void CTarnellDlg::OnBacklight80()
{
    if (!SetBacklightLevel(80))
        AfxMessageBox(_T("Set Back Light Failed!"), MB_OK, 0);
}

void CTarnellDlg::OnWlanEnable()
{
    if (!WlanPowerOn())
        AfxMessageBox(_T("WLAN ON Failed!"), MB_OK, 0);
}

void CTarnellDlg::OnWlanDisable()
{
    if (!WlanPowerOff())
        AfxMessageBox(_T("WLAN OFF Failed!"), MB_OK, 0);
}
