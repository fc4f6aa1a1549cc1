#include "common/AboutDlg.h"

CAboutDlg::CAboutDlg(UINT templateId) : Dialog(templateId) {}
