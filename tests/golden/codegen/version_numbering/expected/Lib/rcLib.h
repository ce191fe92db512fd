// Generated file : do not edit by hand
#ifndef _rcLib_h_
#define _rcLib_h_

/*
COUNTER()
*/
class rcCOUNTER : public Dialog
{
  public :
    TrackBar COUNT ;
  public :
    void rcInit() ;
    char *Name() ;
    virtual int cmdCOUNT(int notify) ;
    int wmCommand(int id, int notify) ;
    void wmNotify(NMHDR *hdr) ;
} ;

#endif
