#include "support/FakeSocketControl.h"

namespace tidepost::test {

void FakeSocketControl::Connect() {
    ++ConnectCount;
    State = ConnectAtOnce ? Connected : Connecting;
}

void FakeSocketControl::Close() {
    ++CloseCount;
    State = Closed;
}

bool FakeSocketControl::SendData(const QByteArray& bytes) {
    if (State != Connected) {
        m_errorNumber = ErrWrongState;
        m_errorText = "Wrong protocol or connection state for the requested transaction or request";
        return false;
    }
    if (FailSends) {
        m_errorNumber = ErrSendFailed;
        m_errorText = "Send failed";
        return false;
    }
    RecordWrite(bytes);
    return true;
}

QByteArray FakeSocketControl::GetData() { return TakeIncoming(); }

}  // namespace tidepost::test
