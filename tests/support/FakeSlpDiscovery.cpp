#include "support/FakeSlpDiscovery.h"

namespace tidepost::test {

namespace {
template <class State>
class FakeAnswer : public IPendingAnswer {
public:
    explicit FakeAnswer(std::shared_ptr<State> state) : m_state(std::move(state)) {}
    bool IsFinished() const override { return m_state->Finished; }
    QString Output() const override { return m_state->Finished ? m_state->Output : QString(); }
    QString ErrorLogLine() const override { return m_state->Finished ? m_state->ErrorLogLine : QString(); }

private:
    std::shared_ptr<State> m_state;
};
}  // namespace

std::unique_ptr<IPendingAnswer> FakeSlpDiscovery::Answer(const QString& output) {
    auto state = std::make_shared<State>();
    state->Output = output;
    state->ErrorLogLine = ErrorLogLine;
    state->Finished = !Hold;
    if (Hold) m_held.append(state);
    return std::make_unique<FakeAnswer<State>>(state);
}

std::unique_ptr<IPendingAnswer> FakeSlpDiscovery::FindServices(const QString& serviceType, const SlpTarget& target) {
    Requests.append({"findsrvs", QString(), serviceType, target});
    return Answer(ServiceList);
}

std::unique_ptr<IPendingAnswer> FakeSlpDiscovery::FindAttributes(const QString& address, const QString& serviceType,
                                                                 const SlpTarget& target) {
    Requests.append({"findattrs", address, serviceType, target});
    return Answer(AttributeLists.value(address));
}

void FakeSlpDiscovery::Release() {
    for (const std::weak_ptr<State>& held : m_held)
        if (const auto state = held.lock()) state->Finished = true;
    m_held.clear();
}

int FakeSlpDiscovery::PendingCount() const {
    int n = 0;
    for (const std::weak_ptr<State>& held : m_held)
        if (const auto state = held.lock(); state && !state->Finished) ++n;
    return n;
}

}  // namespace tidepost::test
