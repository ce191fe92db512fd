// Generated file : do not edit by hand
#ifndef _rc_h_
#define _rc_h_

/*
MAIN()
*/
class rcMAIN : public Dialog
{
  public :
    Edit TITLE ;
    Control OK ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdTITLE(int notify) ;
    virtual int cmdOK(int notify) ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

#endif
