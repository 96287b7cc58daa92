// Off Windows the system's ANSI code page is taken to be Windows-1252.
#include "lang/AnsiCodePage.h"

const AnsiCodePage& SystemAnsiCodePage()
{
    return Windows1252();
}
