// Generated file : do not edit by hand
#include "qelvo.h"
#include "rc.h"
void rcMAINDLG::rcInit()
{
  NAME.Get(this, 201) ;
  NOTES.Get(this, 202) ;
  WRAP.Get(this, 203) ;
  READONLY.Get(this, 204) ;
  LEFT.Get(this, 205) ;
  RIGHT.Get(this, 206) ;
  FILES.Get(this, 207) ;
  KIND.Get(this, 208) ;
  PAGES.Get(this, 209) ;
  TREE.Get(this, 210) ;
  ITEMS.Get(this, 211) ;
  STATUS.Get(this, 212) ;
  TOOLS.Get(this, 213) ;
  PROGRESS.Get(this, 214) ;
  LEVEL.Get(this, 215) ;
  GROUP.Get(this, 216) ;
  OK.Get(this, IDOK) ;
  CANCEL.Get(this, IDCANCEL) ;
  HELP.Get(this, IDHELP) ;
}

char *rcMAINDLG::Name()
{
  return("MAINDLG") ;
}

#pragma argsused
int rcMAINDLG::cmdNAME(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdNOTES(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdWRAP(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdREADONLY(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdLEFT(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdRIGHT(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdFILES(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdKIND(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdPAGES(NMHDR *hdr)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdTREE(NMHDR *hdr)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdITEMS(NMHDR *hdr)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdSTATUS(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdTOOLS(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdPROGRESS(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdLEVEL(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdGROUP(int notify)
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdOK(int notify)
{
  End(1) ;
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdCANCEL(int notify)
{
  End(0) ;
  return(0) ;
}

#pragma argsused
int rcMAINDLG::cmdHELP(int notify)
{
  return(0) ;
}

int rcMAINDLG::mnuFILE_OPEN()
{
  return(0) ;
}

int rcMAINDLG::mnuFILE_SAVE()
{
  return(0) ;
}

int rcMAINDLG::mnuFILE_EXIT()
{
  return(0) ;
}

int rcMAINDLG::mnuEDIT_COPY()
{
  return(0) ;
}

#pragma argsused
int rcMAINDLG::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 201 : return(cmdNAME(notify)) ;
    case 202 : return(cmdNOTES(notify)) ;
    case 203 : return(cmdWRAP(notify)) ;
    case 204 : return(cmdREADONLY(notify)) ;
    case 205 : return(cmdLEFT(notify)) ;
    case 206 : return(cmdRIGHT(notify)) ;
    case 207 : return(cmdFILES(notify)) ;
    case 208 : return(cmdKIND(notify)) ;
    case 212 : return(cmdSTATUS(notify)) ;
    case 213 : return(cmdTOOLS(notify)) ;
    case 214 : return(cmdPROGRESS(notify)) ;
    case 215 : return(cmdLEVEL(notify)) ;
    case 216 : return(cmdGROUP(notify)) ;
    case IDOK : return(cmdOK(notify)) ;
    case IDCANCEL : return(cmdCANCEL(notify)) ;
    case IDHELP : return(cmdHELP(notify)) ;
    case 101 : return(mnuFILE_OPEN()) ;
    case 102 : return(mnuFILE_SAVE()) ;
    case 103 : return(mnuFILE_EXIT()) ;
    case 111 : return(mnuEDIT_COPY()) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcMAINDLG::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  case 209 : if (hdr->code==TCN_SELCHANGE) cmdPAGES(hdr) ; return ;
  case 210 : cmdTREE(hdr) ; return ;
  case 211 : cmdITEMS(hdr) ; return ;
  }
  Dialog::wmNotify(hdr) ;
}

void rcABOUT::rcInit()
{
  OK.Get(this, IDOK) ;
}

char *rcABOUT::Name()
{
  return("ABOUT") ;
}

#pragma argsused
int rcABOUT::cmdOK(int notify)
{
  End(1) ;
  return(0) ;
}

#pragma argsused
int rcABOUT::wmCommand(int id, int notify)
{
  switch (id)
  {
    case IDOK : return(cmdOK(notify)) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcABOUT::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  }
  Dialog::wmNotify(hdr) ;
}

void rcTOOLS::rcInit()
{
  PAGES.Get(this, 209) ;
}

char *rcTOOLS::Name()
{
  return("TOOLS") ;
}

#pragma argsused
int rcTOOLS::cmdPAGES(NMHDR *hdr)
{
  return(0) ;
}

int rcTOOLS::mnuCM_HELPABOUT()
{
  return(0) ;
}

#pragma argsused
int rcTOOLS::wmCommand(int id, int notify)
{
  switch (id)
  {
    case 901 : return(mnuCM_HELPABOUT()) ;
  }
  return(Dialog::wmCommand(id, notify)) ;
}


#pragma argsused
void rcTOOLS::wmNotify(NMHDR *hdr)
{
  switch (hdr->idFrom)
  {
  case 209 : if (hdr->code==TCN_SELCHANGE) cmdPAGES(hdr) ; return ;
  }
  Dialog::wmNotify(hdr) ;
}


RCRCMAIN

