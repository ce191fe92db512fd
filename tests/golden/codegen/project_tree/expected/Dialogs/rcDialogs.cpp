// Generated file : do not edit by hand
#include "qelvo.h"
#include "rcDialogs.h"
void rcOPTIONS::rcInit()
{
  SOUND.Get(this, 201) ;
  CANCEL.Get(this, IDCANCEL) ;
}

char *rcOPTIONS::Name()
{
  return("OPTIONS") ;
}

#pragma argsused
int rcOPTIONS::cmdSOUND(int notify)
{
  return(0) ;
}

#pragma argsused
int rcOPTIONS::cmdCANCEL(int notify)
{
  End(0) ;
  return(0) ;
}

#pragma argsused
int rcOPTIONS::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 201 : return(cmdSOUND(notify)) ;
    case IDCANCEL : return(cmdCANCEL(notify)) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcOPTIONS::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  }
  Dialog::wmNotify(hdr) ;
}

void rcSETUP::rcInit()
{
  PATH.Get(this, 301) ;
}

char *rcSETUP::Name()
{
  return("SETUP") ;
}

#pragma argsused
int rcSETUP::cmdPATH(int notify)
{
  return(0) ;
}

int rcSETUP::mnuGO()
{
  return(0) ;
}

int rcSETUP::mnuSTOP()
{
  return(0) ;
}

#pragma argsused
int rcSETUP::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 301 : return(cmdPATH(notify)) ;
    case 310 : return(mnuGO()) ;
    case 311 : return(mnuSTOP()) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcSETUP::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  }
  Dialog::wmNotify(hdr) ;
}

