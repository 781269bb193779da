// Resource identifiers of Velkin.rc.
#define IDD_VELKIN_DIALOG    102
#define IDR_MAINFRAME        128
#define IDC_DEVICE_ID_EDIT   1000
#define IDC_SET_BUTTON       1001
