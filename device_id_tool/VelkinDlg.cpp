#include "stdafx.h"
#include "VelkinDlg.h"
#include "DeviceIdExchange.h"

CVelkinDlg::CVelkinDlg(CWnd* pParent)
    : CDialog(CVelkinDlg::IDD, pParent)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

BEGIN_MESSAGE_MAP(CVelkinDlg, CDialog)
    ON_BN_CLICKED(IDC_SET_BUTTON, &CVelkinDlg::OnWriteDeviceId)
END_MESSAGE_MAP()

BOOL CVelkinDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // The edit box takes the ID as a zero-terminated text: it shows the
    // characters before the first zero.
    CString strId = ReadDeviceId();
    CWnd* pEdit = GetDlgItem(IDC_DEVICE_ID_EDIT);
    if (pEdit != NULL)
        pEdit->SetWindowText(strId);

    return TRUE;  // the focus goes to the first tab stop, the edit box
}

void CVelkinDlg::OnWriteDeviceId()
{
    CString strId;
    CWnd* pEdit = GetDlgItem(IDC_DEVICE_ID_EDIT);
    if (pEdit != NULL)
        pEdit->GetWindowText(strId);

    if (!WriteDeviceId(strId))
        AfxMessageBox(_T("设置设备ID失败！"), MB_OK, 0);
}
