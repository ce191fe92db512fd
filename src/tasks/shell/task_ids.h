// The controls of the task list window (TACHES) and of the Quick Flash (FLASH).
#pragma once

#define IDC_TASK_SORT 1001
#define IDC_TASK_INVERSE 1002
#define IDC_TASK_SHOW_TODO 1003 // the four show boxes, one per state, in state order
#define IDC_TASK_SHOW_CODED 1004
#define IDC_TASK_SHOW_TESTED 1005
#define IDC_TASK_SHOW_ENDED 1006
#define IDC_TASK_LIST 1007
#define IDC_TASK_NAME 1010
#define IDC_TASK_TYPE 1011
#define IDC_TASK_STATE 1012
#define IDC_TASK_PRIORITY 1013
#define IDC_TASK_PUBLIC 1014
#define IDC_TASK_START 1015
#define IDC_TASK_END 1016
#define IDC_TASK_TEXT 1017
#define IDC_TASK_CREATE 1020
#define IDC_TASK_REMOVE 1021
#define IDC_TASK_OK 1022
#define IDC_TASK_HELP 1023
#define IDC_FLASH_TEXT 1030
