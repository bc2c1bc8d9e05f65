#pragma once
#include <QList>
#include <QWidget>
#include <functional>
#include <utility>

namespace tidepost {

struct Foundation;

using CaptionSetter = std::function<void(const QString& text)>;
using CaptionList = QList<std::pair<int, CaptionSetter>>;
// Sets each text of a window from the string table in the current language, in list order; a
// text the table lacks keeps what the control shows.
void ApplyCaptionList(const Foundation& f, const CaptionList& captions);

// A small window whose texts come from the string table by id: each text is set when the window
// loads and again when the language changes; a text the table lacks keeps its design value. The
// language's character set is applied to every control both times.
class CaptionedWindow : public QWidget {
    Q_OBJECT
public:
    CaptionedWindow(Foundation& f, const char* name, Qt::WindowFlags flags);

    // What the language-changed notifier calls.
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

protected:
    using Setter = CaptionSetter;
    // Registers one text of the window, in the order they are applied.
    void AddCaption(int stringId, Setter set) { m_captions.append({stringId, std::move(set)}); }
    // Applies the registered texts and the character set: the end of the window's load.
    void FinishLoad();

    Foundation& m_f;

private:
    void ApplyCaptions();
    CaptionList m_captions;
};

}  // namespace tidepost
