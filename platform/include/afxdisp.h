// The framework's OLE part, as far as the programs use it: hosting controls.
#ifndef CE_AFXDISP_H
#define CE_AFXDISP_H

#include "afxwin.h"

class COccManager;

// Lets dialogs host controls; the default manager when pOccManager is NULL.
void AFXAPI AfxEnableControlContainer(COccManager* pOccManager = NULL);

#endif
