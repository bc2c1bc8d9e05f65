#pragma once

namespace tidepost {

struct Reporting;

// Puts the reporting area's reply handlers on the link's dispatch rows: the program list
// ("pg -d") and the status of one program ("pg -d 0" … "pg -d 3").
void RegisterReportingHandlers(Reporting& r);

}  // namespace tidepost
