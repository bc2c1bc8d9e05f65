#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// Writer of "ErrorLog.txt" in the data folder; lines stamped "2012-7-3 9:5:0 ".
class cErrorLog {
public:
    explicit cErrorLog(const Foundation& f) : m_f(f) {}
    // Appends one line; every failure is swallowed.
    void AddLine(const QString& strLine) const;

private:
    const Foundation& m_f;
};

// The program's error log, created on first use.
cErrorLog& ErrorLog(Foundation& f);

}  // namespace tidepost
