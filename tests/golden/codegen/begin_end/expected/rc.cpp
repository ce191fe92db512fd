// Generated file : do not edit by hand
#include "qelvo.h"
#include "rc.h"
void rcIDD_OPTIONS::rcInit()
{
  NAME.Get(this, 301) ;
  SHOW.Get(this, 302) ;
  PAGES.Get(this, 303) ;
  OK.Get(this, IDOK) ;
}

char *rcIDD_OPTIONS::Name()
{
  return("IDD_OPTIONS") ;
}

#pragma argsused
int rcIDD_OPTIONS::cmdNAME(int notify)
{
  return(0) ;
}

#pragma argsused
int rcIDD_OPTIONS::cmdSHOW(int notify)
{
  return(0) ;
}

#pragma argsused
int rcIDD_OPTIONS::cmdPAGES(NMHDR *hdr)
{
  return(0) ;
}

#pragma argsused
int rcIDD_OPTIONS::cmdOK(int notify)
{
  End(1) ;
  return(0) ;
}

int rcIDD_OPTIONS::mnuID_FILE_OPEN()
{
  return(0) ;
}

int rcIDD_OPTIONS::mnuID_FILE_EXIT()
{
  return(0) ;
}

int rcIDD_OPTIONS::mnuID_HELP_ABOUT()
{
  return(0) ;
}

#pragma argsused
int rcIDD_OPTIONS::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 301 : return(cmdNAME(notify)) ;
    case 302 : return(cmdSHOW(notify)) ;
    case IDOK : return(cmdOK(notify)) ;
    case 201 : return(mnuID_FILE_OPEN()) ;
    case 202 : return(mnuID_FILE_EXIT()) ;
    case 203 : return(mnuID_HELP_ABOUT()) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcIDD_OPTIONS::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  case 303 : if (hdr->code==TCN_SELCHANGE) cmdPAGES(hdr) ; return ;
  }
  Dialog::wmNotify(hdr) ;
}


RCRCMAIN

