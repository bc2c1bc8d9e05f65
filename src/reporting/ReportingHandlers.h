#pragma once

namespace tidepost {

struct Reporting;

// Puts the reporting area's reply handlers on the link's dispatch rows: the program list
// ("pg -d"), the status of one program ("pg -d 0" … "pg -d 3"), the DNID list ("st -d") and
// message reporting ("rs"); and the position dialog's seams of the position reply ("se -p").
void RegisterReportingHandlers(Reporting& r);

}  // namespace tidepost
