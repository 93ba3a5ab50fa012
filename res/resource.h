#pragma once
// Resource and control identifiers, one block per window and page.

// Icons: the program icon first, so that Windows shows it for the file.
#define IDI_VELMORA 1
#define IDI_TAB_INFO 10
#define IDI_TAB_REGISTRY 11
#define IDI_TAB_AUTOSTART 12
#define IDI_TAB_INI 13
#define IDI_TAB_BATCH 14
#define IDI_TAB_SYS 15
#define IDI_TAB_BACKUP 16
#define IDI_TAB_RESTART 17

// Main window
#define IDC_PAGECONTROL 50

// Tab sheets, in tab order; pages still to come use the empty sheet.
#define IDD_INFO 100
#define IDD_WINREG 101
#define IDD_WININI 103
#define IDD_TEXTFILE 104
#define IDD_BACKUPRESTORE 111
#define IDD_REBOOTWINDOWS 112
#define IDD_REGADD 150
#define IDD_EMPTY_PAGE 199

// Info page
#define IDC_INFO_IMAGE 1000
#define IDC_INFO_NAME 1001
#define IDC_LABEL9 1002
#define IDC_LABEL10 1003
#define IDC_HELPBTN 1004
#define IDC_HTTPLABEL 1005
#define IDC_COPYRIGHTLABEL 1006

// Registry page
#define IDC_REG_LABEL1 1100
#define IDC_HKLMRUNBTN 1101
#define IDC_HKCURUNBTN 1102
#define IDC_HKLMRUNSERVICESBTN 1103
#define IDC_HKLMRUNONCEBTN 1104
#define IDC_HKCURUNONCEBTN 1105
#define IDC_HKLMRUNSERVICESONCEBTN 1106
#define IDC_REGVIEW 1107
#define IDC_ADDREGBTN 1108
#define IDC_EDITREGBTN 1109
#define IDC_REMOVEREGBTN 1110
#define IDC_REGEXPORTBTN 1111
#define IDC_REGCHECKBTN 1112
#define IDC_SAVEREGBTN 1113
#define IDC_REGREFRESHBTN 1114

// Entry dialog of the Registry page (OK and Cancel use IDOK and IDCANCEL)
#define IDC_REGADD_LABEL1 1150
#define IDC_REGADD_LABEL2 1151
#define IDC_STRINGEDIT 1152
#define IDC_VALUEEDIT 1153
#define IDC_SEEKBTN 1154

// Restart page
#define IDC_BEVEL3 2200
#define IDC_LABEL16 2201
#define IDC_RADIOGROUP 2202
#define IDC_RESTART_ITEM0 2203
#define IDC_RESTART_ITEM1 2204
#define IDC_RESTART_ITEM2 2205
#define IDC_RESTARTBTN 2206

// Backup page (check boxes 1 to 10 in row order)
#define IDC_LABEL17 2100
#define IDC_LABEL18 2101
#define IDC_CHECKBOX1 2102
#define IDC_BROWSEBTN 2112
#define IDC_LABEL19 2113
#define IDC_FOLDEREDIT 2114
#define IDC_BACKUPBTN 2115
#define IDC_RESTOREBTN 2116
#define IDC_RESTOREPANEL 2117
#define IDC_LABEL20 2118
#define IDC_FILENAMELABEL 2119

// Win.ini page
#define IDC_WININI_LABEL2 1300
#define IDC_WININI_LABEL3 1301
#define IDC_RUNEDIT 1302
#define IDC_WININI_LABEL4 1303
#define IDC_LOADEDIT 1304
#define IDC_WINIADDBTN 1305
#define IDC_WINICHECKBTN 1306
#define IDC_WINISAVEBTN 1307
#define IDC_WINIREFRESHBTN 1308
#define IDC_WINIPRINTBTN 1309
#define IDC_WININI_LABEL7 1310

// Text-file pages (one template for all six)
#define IDC_TEXTMEMO 1400
#define IDC_TEXTSAVEBTN 1401
#define IDC_TEXTREFRESHBTN 1402
#define IDC_TEXTPRINTBTN 1403
