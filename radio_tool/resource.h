// Resource identifiers of Tarnell.rc.
#define IDD_TARNELL_DIALOG   102
#define IDR_MAINFRAME        128
#define IDC_GPRS_POWER_ON    1000
#define IDC_GPRS_POWER_OFF   1001
#define IDC_BACKLIGHT_20     1002
#define IDC_BACKLIGHT_80     1003
#define IDC_WLAN_ENABLE      1004
#define IDC_WLAN_DISABLE     1005
