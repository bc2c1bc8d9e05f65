#include "remote/Remote.h"

namespace tidepost {

Remote::Remote(Foundation& foundation, Link& link, Messages& messages) : F(foundation), L(link), M(messages) {}

}  // namespace tidepost
