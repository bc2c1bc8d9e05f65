#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// A log writer. This base logs nothing: it is the writer to hold until a real one is set.
class ILog {
public:
    virtual ~ILog() = default;
    // The log file's name, relative to the data folder.
    virtual void SetLogFile(const QString& strFile) { (void)strFile; }
    // Appends one line; true when it was written.
    virtual bool Log(const QString& strText) {
        (void)strText;
        return false;
    }
};

// Writes time-stamped lines ("yyyy-mm-dd hh:nn:ss  " text) to a file in the data folder.
class cLog : public ILog {
public:
    explicit cLog(const Foundation& f) : m_f(f) {}
    void SetLogFile(const QString& strFile) override { m_file = strFile; }
    bool Log(const QString& strText) override;

private:
    const Foundation& m_f;
    QString m_file;
};

}  // namespace tidepost
