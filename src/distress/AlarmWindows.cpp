#include "distress/AlarmWindows.h"

namespace tidepost {

namespace {

const AlarmKind kDistressMessageKind{"DistressMessageForm", "OptionDummy", 2251,
                                     "Message with distress priority received", 5370, 5700};
const AlarmKind kEgcKind{"EGC_DistressMsgForm", "DummyOption", 2278, "EGC Distress/Urgent Message received!", 6150,
                         6360};

}  // namespace

DistressMessageAlarm::DistressMessageAlarm(Foundation& f, bool& soundFailureLogged, const OpenView& inboxButtonClick)
    : m_f(f),
      m_soundFailureLogged(soundFailureLogged),
      m_inboxButtonClick(inboxButtonClick),
      m_form([this] {
          m_highest = 0;
          return new AlarmForm(m_f, kDistressMessageKind, m_soundFailureLogged, [this] {
              m_form.unload();
              if (m_inboxButtonClick) m_inboxButtonClick();
          });
      }) {}

void DistressMessageAlarm::Raise(qint16 priority) {
    if (priority != 2 && priority != 3) return;
    AlarmForm& form = m_form.get();
    // A message of lower priority must not play down a distress alarm that is still up.
    if (priority > m_highest) {
        m_highest = priority;
        if (priority == 3) form.SetHeadline(2254, "DISTRESS PRIORITY MESSAGE");
        else form.SetHeadline(2952, "URGENCY PRIORITY MESSAGE");
    }
    form.Raise();
}

EgcDistressAlarm::EgcDistressAlarm(Foundation& f, bool& soundFailureLogged, const OpenView& egcButtonClick)
    : m_f(f),
      m_soundFailureLogged(soundFailureLogged),
      m_egcButtonClick(egcButtonClick),
      m_form([this] {
          auto* form = new AlarmForm(m_f, kEgcKind, m_soundFailureLogged, [this] {
              m_form.unload();
              if (m_egcButtonClick) m_egcButtonClick();
          });
          form->SetHeadline(2280, "DISTRESS / URGENT EGC MESSAGE");
          return form;
      }) {}

void EgcDistressAlarm::RaiseEgcAlarm() { m_form.get().Raise(); }

}  // namespace tidepost
