// Identifiers shared by the resource script and the code: resources, dialogs, controls, strings and commands.
// Plain #defines only, so that windres and the Win32 shell can both include it.
#ifndef ORMELIN_RESOURCE_IDS_H
#define ORMELIN_RESOURCE_IDS_H

// Menu and accelerator table of the main window
#define RES_MAIN                109

// Icons
#define ICO_MAIN                107

// Strings
#define STR_WINDOW_TITLE        103
#define STR_WINDOW_CLASS        109

// Dialog templates
#define DLG_ABOUT               103
#define DLG_COLOR_CHART         129

// Dialog controls
#define CTL_CHART_RGB           1001
#define CTL_CHART_HTML          1003

// Display modes: the notations of the value text, also the commands that select them
#define MODE_SCREEN_COORDS      2001
#define MODE_COLORREF           2002
#define MODE_HTML               2003
#define MODE_RGB                2004
#define MODE_HSB                2005

// Commands
#define CMD_ABOUT               104
#define CMD_EXIT                105
#define CMD_CREATE_COLOR        32775
#define CMD_README              32776
#define CMD_COPY_VALUE          32777
#define CMD_INVERT              32778
#define CMD_NEXT_MODE           32779
#define CMD_HOME_PAGE           32780
#define CMD_ALWAYS_ON_TOP       32781
#define CMD_FIT_SIZE            32782
#define CMD_COLOR_CHART         32783

#endif
