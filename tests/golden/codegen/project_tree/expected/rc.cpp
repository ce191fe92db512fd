// Generated file : do not edit by hand
#include "qelvo.h"
#include "rc.h"
void rcMAIN::rcInit()
{
  TITLE.Get(this, 101) ;
  OK.Get(this, IDOK) ;
}

char *rcMAIN::Name()
{
  return("MAIN") ;
}

#pragma argsused
int rcMAIN::cmdTITLE(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAIN::cmdOK(int notify)
{
  End(1) ;
  return(0) ;
}

#pragma argsused
int rcMAIN::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 101 : return(cmdTITLE(notify)) ;
    case IDOK : return(cmdOK(notify)) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcMAIN::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  }
  Dialog::wmNotify(hdr) ;
}


RCRCMAIN

