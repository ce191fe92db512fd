// Generated file : do not edit by hand
#ifndef _rc_h_
#define _rc_h_


#define CallBar_MENUONLY() \
if (code==1) { mnuA() ; return(1) ; };\




#define Menubar_MENUONLY \
virtual void mnuA() 


/*
STRAY()
*/
class rcSTRAY : public Dialog
{
  public :
    Edit A ;
    Edit B ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdA(int notify) ;
    virtual int cmdB(int notify) ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

/*
UNFINISHED()
*/
class rcUNFINISHED : public Dialog
{
  public :
    List B ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdB(int notify) ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

#endif
