#pragma once
#include <QByteArray>
#include <QString>
#include <exception>

namespace tidepost {

// A failure that an operation hands to its caller, carrying the classic run-time error number,
// the source that raised it and its description, which error texts and boxes show.
class RuntimeError : public std::exception {
public:
    RuntimeError(qint32 number, QString source, QString description)
        : Number(number), Source(std::move(source)), Description(std::move(description)),
          m_what(Description.toUtf8()) {}
    const char* what() const noexcept override { return m_what.constData(); }

    qint32 Number;
    QString Source;
    QString Description;

    static constexpr qint32 kInvalidArgument = 5;  // "Invalid procedure call or argument"
    static constexpr qint32 kOverflow = 6;         // "Overflow"
    static constexpr qint32 kTypeMismatch = 13;    // "Type mismatch"

private:
    QByteArray m_what;
};

}  // namespace tidepost
