// Resource and control identifiers. Plain #defines so that the resource
// compiler and the C++ code read the same file.
#ifndef VELMORA_RES_RESOURCE_H
#define VELMORA_RES_RESOURCE_H

#define IDOK                1
#define IDCANCEL            2

#define IDM_ABOUTBOX        0x0010
#define IDM_TREND           0x0020
#define IDM_TRAFFIC         0x0030
#define IDD_ABOUTBOX        100
#define IDS_ABOUTBOX        101
#define IDD_PANEL           102
#define IDD_TREND           103
#define IDS_TREND           104
#define IDD_TRAFFIC         105
#define IDS_TRAFFIC         106
#define IDR_MAINFRAME       128

#define IDC_BTN_HELLO       1000
#define IDC_EDIT_ROW1       1003
#define IDC_BTN_ROW1        1004
#define IDC_BTN_LAYOUT      1005
#define IDC_EDIT_ROW2       1006
#define IDC_EDIT_ROW3       1007
#define IDC_EDIT_ROW4       1008
#define IDC_COMBO_ROWS      1009
#define IDC_COMBO_PORT      1010
#define IDC_BTN_ON          1011
#define IDC_BTN_OFF         1012
#define IDC_BTN_ROW2        1013
#define IDC_BTN_ROW3        1014
#define IDC_BTN_ROW4        1015
#define IDC_COMBO_COLUMNS   1018
#define IDC_CHK_LED1        1019
#define IDC_CHK_LED2        1020
#define IDC_CHK_LED3        1021
#define IDC_CHK_LED4        1022
#define IDC_CLOCK           1024
#define IDC_CHK_ACQ_TEMP    1025
#define IDC_ANALOG          1028
#define IDC_TEMP            1029
#define IDC_LBL_TEMP        1030
#define IDC_LBL_ANALOG      1031
#define IDC_CHK_BUZ         1032
#define IDC_CHK_ACQ_ANALOG  1027
#define IDC_TREND_CHART     1040
#define IDC_TREND_SPAN      1041
#define IDC_TREND_SAVE      1042
#define IDC_TREND_CLEAR     1043
// Not in the template: the Win32 trend window's latest values, which it
// places beside its charts itself.
#define IDC_TREND_TEMP_VALUE    1044
#define IDC_TREND_ANALOG_VALUE  1045
#define IDC_TRAFFIC_LIST    1050
#define IDC_TRAFFIC_PAUSE   1051
#define IDC_TRAFFIC_CLEAR   1052
#define IDC_TRAFFIC_SAVE    1053
#define IDC_TRAFFIC_COPY    1054
#define IDC_STATIC          (-1)

#define ID_TIMER_POLL       1

#endif
