#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <memory>

#include "platform/ISlpDiscovery.h"

namespace tidepost::test {

// Discovery with answers written by the test. An answer is given at once unless Hold is set; held
// answers stay pending until Release.
class FakeSlpDiscovery : public ISlpDiscovery {
public:
    struct Request {
        QString Kind;  // "findsrvs" or "findattrs"
        QString Address;
        QString ServiceType;
        SlpTarget Target;
    };

    std::unique_ptr<IPendingAnswer> FindServices(const QString& serviceType, const SlpTarget& target) override;
    std::unique_ptr<IPendingAnswer> FindAttributes(const QString& address, const QString& serviceType,
                                                   const SlpTarget& target) override;
    // Finishes every held answer that is still wanted.
    void Release();
    // Answers still held.
    int PendingCount() const;

    QString ServiceList;                   // the findsrvs answer
    QMap<QString, QString> AttributeLists;  // the findattrs answer of each address ("" for others)
    QString ErrorLogLine;                  // given with every answer
    bool Hold = false;
    QList<Request> Requests;

private:
    struct State {
        bool Finished = false;
        QString Output;
        QString ErrorLogLine;
    };
    std::unique_ptr<IPendingAnswer> Answer(const QString& output);
    QList<std::weak_ptr<State>> m_held;
};

}  // namespace tidepost::test
