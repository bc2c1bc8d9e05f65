#pragma once
#include <QDialog>
#include <functional>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tidepost {

struct Foundation;

// The about box: the product, its version, build and date, the platform it is built for, the
// maker's web address and the disclaimer. Modeless, one instance; OK or Esc closes it.
class AboutTidepost : public QDialog {
    Q_OBJECT
public:
    // The maker's web page named after string 2136.
    static constexpr const char* kMakerAddress = "https://kalvenor.example/tidepost";

    // `unload` lets the window go (its holder's unload); it is centred over `mainWindow` (on the
    // screen while that is minimised).
    AboutTidepost(Foundation& f, const QWidget* mainWindow, std::function<void()> unload);

    void cmdOK_Click();
    void cmdOK_KeyPress(int KeyAscii);
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

    // The platform this build runs on, shown as the supported system.
    static QString SupportedPlatform();

protected:
    // Esc anywhere in the box and its close box close it as OK does.
    void reject() override;

private:
    void ApplyCaptions();

    Foundation& m_f;
    std::function<void()> m_unload;
    CaptionList m_captions;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* OsLabel;
    QLabel* OsValueLabel;
    QLabel* VersionLabel;
    QLabel* VersionValueLabel;
    QLabel* BuildLabel;
    QLabel* BuildValueLabel;
    QLabel* BuildDateLabel;
    QLabel* BuildDateValueLabel;
    QLabel* lblDisclaimer;
    QPlainTextEdit* DisclaimerField;
    QLabel* Picture2;
    QLabel* Picture3;
    QPushButton* cmdOK;
};

}  // namespace tidepost
