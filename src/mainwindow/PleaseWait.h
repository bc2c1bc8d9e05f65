#pragma once
#include <QWidget>
#include <functional>

class QLabel;

namespace tidepost {

// The busy window "Working, please wait.....", shown modeless while the program waits for
// something the user may give up on. Closing it by hand (its window menu or close button) calls
// OnUserClose; Unload closes it without that.
class PleaseWait : public QWidget {
    Q_OBJECT
public:
    explicit PleaseWait(QWidget* parent = nullptr);

    // The caption of its label `Label1`.
    void SetCaption(const QString& caption);
    QString Caption() const;
    void Unload();

    std::function<void()> OnUserClose;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_label;
    bool m_unloading = false;
};

}  // namespace tidepost
