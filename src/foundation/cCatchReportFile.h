#pragma once

namespace tidepost {

// Kept with the wait classes; it has no members and nothing creates it.
class cCatchReportFile {};

}  // namespace tidepost
