// Generated file : do not edit by hand
#ifndef _rcDialogs_h_
#define _rcDialogs_h_

/*
OPTIONS()
*/
class rcOPTIONS : public Dialog
{
  public :
    CheckBox SOUND ;
    Control CANCEL ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdSOUND(int notify) ;
    virtual int cmdCANCEL(int notify) ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;


#define CallBar_SETUPMENU() \
if (code==310) { mnuGO() ; return(1) ; };\
if (code==311) { mnuSTOP() ; return(1) ; };\




#define Menubar_SETUPMENU \
virtual void mnuGO() ;\
virtual void mnuSTOP() 


/*
SETUP()
*/
class rcSETUP : public Dialog
{
  public :
    Edit PATH ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdPATH(int notify) ;
    virtual int mnuGO() ;
    virtual int mnuSTOP() ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

#endif
