#include "router.h"

#include "backoffice_routes.h"
#include "maker_routes.h"
#include "public_routes.h"
#include "sign_in.h"

namespace dalmiro::sim {

SimReply Route(const SimRequest& request, SimData& data, SessionStore& sessions) {
    if (auto reply = RouteSignIn(request, data, sessions)) {
        return *reply;
    }
    if (auto reply = RouteBackOffice(request, data, sessions)) {
        return *reply;
    }
    if (auto reply = RoutePublic(request, data)) {
        return *reply;
    }
    if (auto reply = RouteMaker(request, data)) {
        return *reply;
    }
    return NotFoundReply();
}

} // namespace dalmiro::sim
