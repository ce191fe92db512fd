// Generated file : do not edit by hand
#ifndef _rc_h_
#define _rc_h_


#define CallBar_IDM_MAIN() \
if (code==101) { mnuFILE_OPEN() ; return(1) ; };\
if (code==102) { mnuFILE_SAVE() ; return(1) ; };\
if (code==103) { mnuFILE_EXIT() ; return(1) ; };\
if (code==111) { mnuEDIT_COPY() ; return(1) ; };\


#define CallBar_HELPBAR() \
if (code==901) { mnuCM_HELPABOUT() ; return(1) ; };\




#define Menubar_IDM_MAIN \
virtual void mnuFILE_OPEN() ;\
virtual void mnuFILE_SAVE() ;\
virtual void mnuFILE_EXIT() ;\
virtual void mnuEDIT_COPY() ;\


#define Menubar_HELPBAR \
virtual void mnuCM_HELPABOUT() 


/*
MAINDLG()
*/
class rcMAINDLG : public Dialog
{
  public :
    Edit NAME ;
    Edit NOTES ;
    CheckBox WRAP ;
    CheckBox READONLY ;
    Radio LEFT ;
    Radio RIGHT ;
    List FILES ;
    ComboBox KIND ;
    TabControl PAGES ;
    TreeView TREE ;
    ListView ITEMS ;
    StatusBar STATUS ;
    ToolBar TOOLS ;
    Progress PROGRESS ;
    TrackBar LEVEL ;
    Control GROUP ;
    Control OK ;
    Control CANCEL ;
    Control HELP ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdNAME(int notify) ;
    virtual int cmdNOTES(int notify) ;
    virtual int cmdWRAP(int notify) ;
    virtual int cmdREADONLY(int notify) ;
    virtual int cmdLEFT(int notify) ;
    virtual int cmdRIGHT(int notify) ;
    virtual int cmdFILES(int notify) ;
    virtual int cmdKIND(int notify) ;
    virtual int cmdPAGES(NMHDR *ndr) ;
    virtual int cmdTREE(NMHDR *ndr) ;
    virtual int cmdITEMS(NMHDR *ndr) ;
    virtual int cmdSTATUS(int notify) ;
    virtual int cmdTOOLS(int notify) ;
    virtual int cmdPROGRESS(int notify) ;
    virtual int cmdLEVEL(int notify) ;
    virtual int cmdGROUP(int notify) ;
    virtual int cmdOK(int notify) ;
    virtual int cmdCANCEL(int notify) ;
    virtual int cmdHELP(int notify) ;
    virtual int mnuFILE_OPEN() ;
    virtual int mnuFILE_SAVE() ;
    virtual int mnuFILE_EXIT() ;
    virtual int mnuEDIT_COPY() ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

/*
ABOUT()
*/
class rcABOUT : public Dialog
{
  public :
    Control OK ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdOK(int notify) ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

/*
TOOLS()
*/
class rcTOOLS : public Dialog
{
  public :
    TabControl PAGES ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdPAGES(NMHDR *ndr) ;
    virtual int mnuCM_HELPABOUT() ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

#endif
