// Generated file : do not edit by hand
#include "qelvo.h"
#include "rcLib.h"
void rcCOUNTER::rcInit()
{
  COUNT.Get(this, 401) ;
}

char *rcCOUNTER::Name()
{
  return("COUNTER") ;
}

#pragma argsused
int rcCOUNTER::cmdCOUNT(int notify)
{
  return(0) ;
}

#pragma argsused
int rcCOUNTER::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 401 : return(cmdCOUNT(notify)) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcCOUNTER::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  }
  Dialog::wmNotify(hdr) ;
}

