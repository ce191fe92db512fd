#include "make_host.h"

namespace qelvo {
namespace host {

int MakeHost::Run(const std::function<int()>& build) {
    ++makes_;
    clients_.Notify([](ide::IMakeClient* c) { c->OnMakeStarted(); });
    int result = build ? build() : 0;
    clients_.Notify([](ide::IMakeClient* c) { c->OnMakeEnded(); });
    return result;
}

} // namespace host
} // namespace qelvo
