// Window, dialog, control and version constants shared by resource scripts
// and C++ code. Only #defines here: the resource compiler reads this file.
#ifndef CE_WINRESRC_H
#define CE_WINRESRC_H

// Window styles.
#define WS_OVERLAPPED       0x00000000L
#define WS_POPUP            0x80000000L
#define WS_CHILD            0x40000000L
#define WS_VISIBLE          0x10000000L
#define WS_DISABLED         0x08000000L
#define WS_CAPTION          0x00C00000L
#define WS_BORDER           0x00800000L
#define WS_DLGFRAME         0x00400000L
#define WS_VSCROLL          0x00200000L
#define WS_HSCROLL          0x00100000L
#define WS_SYSMENU          0x00080000L
#define WS_GROUP            0x00020000L
#define WS_TABSTOP          0x00010000L

// Extended window styles; WS_EX_CAPTIONOKBTN is the Windows CE caption OK button.
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_TOPMOST       0x00000008L
#define WS_EX_WINDOWEDGE    0x00000100L
#define WS_EX_CLIENTEDGE    0x00000200L
#define WS_EX_CONTEXTHELP   0x00000400L
#define WS_EX_APPWINDOW     0x00040000L
#define WS_EX_CAPTIONOKBTN  0x80000000L

// Dialog styles.
#define DS_ABSALIGN         0x0001L
#define DS_SETFONT          0x0040L
#define DS_MODALFRAME       0x0080L
#define DS_SETFOREGROUND    0x0200L
#define DS_3DLOOK           0x0004L
#define DS_FIXEDSYS         0x0008L
#define DS_CENTER           0x0800L

// Edit control styles.
#define ES_LEFT             0x0000L
#define ES_CENTER           0x0001L
#define ES_RIGHT            0x0002L
#define ES_MULTILINE        0x0004L
#define ES_UPPERCASE        0x0008L
#define ES_LOWERCASE        0x0010L
#define ES_PASSWORD         0x0020L
#define ES_AUTOVSCROLL      0x0040L
#define ES_AUTOHSCROLL      0x0080L
#define ES_READONLY         0x0800L
#define ES_NUMBER           0x2000L

// Button styles.
#define BS_PUSHBUTTON       0x00000000L
#define BS_DEFPUSHBUTTON    0x00000001L
#define BS_CHECKBOX         0x00000002L
#define BS_AUTOCHECKBOX     0x00000003L
#define BS_GROUPBOX         0x00000007L

// Static control styles.
#define SS_LEFT             0x00000000L
#define SS_CENTER           0x00000001L
#define SS_RIGHT            0x00000002L
#define SS_ICON             0x00000003L

// Dialog command identifiers.
#define IDOK                1
#define IDCANCEL            2

// Languages.
#define LANG_NEUTRAL                0x00
#define LANG_CHINESE                0x04
#define LANG_ENGLISH                0x09
#define SUBLANG_NEUTRAL             0x00
#define SUBLANG_DEFAULT             0x01
#define SUBLANG_CHINESE_TRADITIONAL 0x01
#define SUBLANG_CHINESE_SIMPLIFIED  0x02
#define SUBLANG_ENGLISH_US          0x01

// Version resource values.
#define VS_VERSION_INFO     1
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VS_FF_DEBUG         0x00000001L
#define VOS__WINDOWS32      0x00000004L
#define VOS_UNKNOWN         0x00000000L
#define VFT_APP             0x00000001L
#define VFT2_UNKNOWN        0x00000000L

#endif
