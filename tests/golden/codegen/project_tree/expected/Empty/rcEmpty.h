// Generated file : do not edit by hand
#ifndef _rcEmpty_h_
#define _rcEmpty_h_

#endif
