// Generated file : do not edit by hand
#ifndef _rc_h_
#define _rc_h_


#define CallBar_IDR_MAIN() \
if (code==201) { mnuID_FILE_OPEN() ; return(1) ; };\
if (code==202) { mnuID_FILE_EXIT() ; return(1) ; };\
if (code==203) { mnuID_HELP_ABOUT() ; return(1) ; };\




#define Menubar_IDR_MAIN \
virtual void mnuID_FILE_OPEN() ;\
virtual void mnuID_FILE_EXIT() ;\
virtual void mnuID_HELP_ABOUT() 


/*
IDD_OPTIONS()
*/
class rcIDD_OPTIONS : public Dialog
{
  public :
    Edit NAME ;
    CheckBox SHOW ;
    TabControl PAGES ;
    Control OK ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdNAME(int notify) ;
    virtual int cmdSHOW(int notify) ;
    virtual int cmdPAGES(NMHDR *ndr) ;
    virtual int cmdOK(int notify) ;
    virtual int mnuID_FILE_OPEN() ;
    virtual int mnuID_FILE_EXIT() ;
    virtual int mnuID_HELP_ABOUT() ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

#endif
