#pragma once
#include <QObject>
#include <functional>

namespace tidepost {

// Calls back on the user's keys and clicks anywhere in the program, and when a window of it is
// activated: what the user does may change what the status strip shows (a selection, a setting
// made in a dialog, another view), so its resting timer is woken then.
class UserInputWatch : public QObject {
public:
    UserInputWatch(QObject* parent, std::function<void()> onInput);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_onInput;
};

}  // namespace tidepost
