#pragma once
// Resource numbers shared by the resource script and the program.
#define IDI_OPTASET 1  // the program icon, also the small title picture
#define IDB_NEXT 101
#define IDB_QUIT 102
#define IDB_BADGE 103
#define IDB_LOGO 104
#define IDC_HANDPOINTER 201
