// Generated file : do not edit by hand
#include "qelvo.h"
#include "rc.h"
void rcSTRAY::rcInit()
{
  A.Get(this, 1) ;
  B.Get(this, 2) ;
}

char *rcSTRAY::Name()
{
  return("STRAY") ;
}

#pragma argsused
int rcSTRAY::cmdA(int notify)
{
  return(0) ;
}

#pragma argsused
int rcSTRAY::cmdB(int notify)
{
  return(0) ;
}

#pragma argsused
int rcSTRAY::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 1 : return(cmdA(notify)) ;
    case 2 : return(cmdB(notify)) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcSTRAY::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  }
  Dialog::wmNotify(hdr) ;
}

void rcUNFINISHED::rcInit()
{
  B.Get(this, 2) ;
}

char *rcUNFINISHED::Name()
{
  return("UNFINISHED") ;
}

#pragma argsused
int rcUNFINISHED::cmdB(int notify)
{
  return(0) ;
}

#pragma argsused
int rcUNFINISHED::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 2 : return(cmdB(notify)) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcUNFINISHED::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  }
  Dialog::wmNotify(hdr) ;
}


RCRCMAIN

