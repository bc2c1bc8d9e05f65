#pragma once
#include <QValidator>

class QLineEdit;

namespace tidepost {

// Guards one entry box of the distress generator dialog, for typed and pasted text alike: an edit
// that brings in a character the box does not take, or makes the text longer than the box's
// limit, is refused whole. A comma or a line break pasted into a box would otherwise shift or
// split the fields of the command the dialog sends. Letters become capitals where the box takes
// capitals only. A value loaded from the transceiver is shown whole (Load), whatever it holds;
// editing it can only remove what the box does not take.
class GeneratorBoxValidator : public QValidator {
public:
    // maxLength < 0: no limit.
    GeneratorBoxValidator(QLineEdit* box, QString allowed, int maxLength, bool capitals);

    State validate(QString& input, int& pos) const override;
    // Shows the text in the box as it is.
    void Load(const QString& text);

    // Whether an edit from `before` to `after` is refused (after capitals are applied).
    static bool Refuses(const QString& before, const QString& after, const QString& allowed, int maxLength);

private:
    QLineEdit* m_box;
    QString m_allowed;
    int m_maxLength;
    bool m_capitals;
    QString m_last;
};

}  // namespace tidepost
