#pragma once
#include <functional>

#include "distress/AlarmForm.h"
#include "foundation/FormHolder.h"
#include "messages/IDistressMessageForm.h"
#include "messages/IEgcAlarm.h"

namespace tidepost {

struct Foundation;

// The view a confirmed alarm opens in the main window; empty (nothing opens) before the main
// window exists and after the program has ended.
using OpenView = std::function<void()>;

// The alarm of a received message of urgency or distress priority (`DistressMessageForm`): one
// window at a time, created by the first alarm after the last confirmation. Its headline names
// the highest priority raised while it is up; OK or closing it opens the inbox view.
class DistressMessageAlarm : public IDistressMessageForm {
public:
    DistressMessageAlarm(Foundation& f, bool& soundFailureLogged, const OpenView& inboxButtonClick);
    void Raise(qint16 priority) override;
    // The window while one is up.
    AlarmForm* Form() const { return m_form.loaded(); }

private:
    Foundation& m_f;
    bool& m_soundFailureLogged;
    const OpenView& m_inboxButtonClick;
    qint16 m_highest = 0;
    FormHolder<AlarmForm> m_form;
};

// The alarm of a stored urgent or distress EGC (`EGC_DistressMsgForm`); OK or closing it opens
// the EGC view.
class EgcDistressAlarm : public IEgcAlarm {
public:
    EgcDistressAlarm(Foundation& f, bool& soundFailureLogged, const OpenView& egcButtonClick);
    void RaiseEgcAlarm() override;
    AlarmForm* Form() const { return m_form.loaded(); }

private:
    Foundation& m_f;
    bool& m_soundFailureLogged;
    const OpenView& m_egcButtonClick;
    FormHolder<AlarmForm> m_form;
};

}  // namespace tidepost
