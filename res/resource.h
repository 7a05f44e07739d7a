// Identifiers of the module's resources: the main window's dialog, menu and icon.
#pragma once

#define IDD_MAIN 141
#define IDR_MAINMENU 102
#define IDI_MAIN 107

#define ID_FILE_SAVEPYL 40054
#define ID_FILE_SAVEIMAGE 40055
#define ID_WINDOW_MESSAGE 40019
#define ID_WINDOW_PROPERTY 40020
#define ID_HELP_HELP 40003
#define ID_HELP_ABOUT 40006
